// The March equinox after Jean Meeus, Astronomical Algorithms, 2nd ed., chapter 27 (tables
// 27.A, 27.B, 27.C). The book's method is good to about two minutes of dynamical time over
// years 1..4000; Delta T (platform/qelmar) dominates the error before year 1.
#include "equinox/equinox.h"

#include <array>
#include <cmath>

#include "platform/qelmar/qelmar.h"

namespace clvt {
namespace {

// 2 pi as the program has always written it, to 15 significant digits: the stored double is
// the one nearest that decimal, not the one nearest 2 pi.
constexpr double kTwoPi15 = 6.28318530717959;
constexpr double kDegreesPerTurn = 360.0;
constexpr double kJ2000 = 2451545.0;  // JDE of 2000 January 1.5
constexpr double kDaysPerJulianCentury = 36525.0;
constexpr int32_t kTable27BFromYear = 1000;
constexpr int32_t kDeltaTModel = 1915;  // the argument the program always passes

// Rows of the periodic terms: amplitude A, phase B, rate C per Julian century.
using EquinoxTermTable = std::array<std::array<double, 3>, 24>;

// Table 27.C in degrees, in the book's order.
constexpr EquinoxTermTable kTermsInDegrees = {{
    {485, 324.96, 1934.136},  {203, 337.23, 32964.467}, {199, 342.08, 20.186},
    {182, 27.85, 445267.112}, {156, 73.14, 45036.886},  {136, 171.52, 22518.443},
    {77, 222.54, 65928.934},  {74, 296.72, 3034.906},   {70, 243.58, 9037.513},
    {58, 119.81, 33718.147},  {52, 297.17, 150.678},    {50, 21.02, 2281.226},
    {45, 247.54, 29929.562},  {44, 325.15, 31555.956},  {29, 60.93, 4443.417},
    {18, 155.12, 67555.328},  {17, 288.79, 4562.452},   {16, 198.04, 62894.029},
    {14, 199.76, 31436.921},  {12, 95.39, 14577.848},   {12, 287.11, 31931.756},
    {12, 320.81, 34777.259},  {9, 227.73, 1222.114},    {8, 15.45, 16859.074},
}};

// c0..c4 of the March equinox's JDE0: table 27.A (years -1000..1000) and 27.B (1000..3000).
using Coefficients = std::array<double, 5>;
constexpr Coefficients kTable27A = {1721139.29189, 365242.13740, 0.06134, 0.00111, -0.00071};
constexpr Coefficients kTable27B = {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057};

// Degrees to radians the program's way: divide by 360 first, then multiply by 2 pi.
constexpr double ToRadians(double degrees) { return degrees / kDegreesPerTurn * kTwoPi15; }

// Table 27.C with B and C in radians, converted once, at compile time.
constexpr EquinoxTermTable kTerms = [] {
  EquinoxTermTable table = kTermsInDegrees;
  for (auto& row : table) {
    row[1] = ToRadians(row[1]);
    row[2] = ToRadians(row[2]);
  }
  return table;
}();

}  // namespace

double VernalEquinoxJDE0(int32_t year) {
  const bool early = year < kTable27BFromYear;
  const Coefficients& c = early ? kTable27A : kTable27B;
  // |Y| <= 2.2e6 for any int32_t year, so Y^4 (about 2e25) stays far from overflow.
  const double y =
      early ? static_cast<double>(year) / 1000.0 : (static_cast<double>(year) - 2000.0) / 1000.0;
  const double y2 = y * y;
  const double y3 = y2 * y;
  const double y4 = y3 * y;
  return c[0] + c[1] * y + c[2] * y2 + c[3] * y3 + c[4] * y4;
}

double VernalEquinoxJDE(int32_t year) {
  const double jde0 = VernalEquinoxJDE0(year);
  const double t = (jde0 - kJ2000) / kDaysPerJulianCentury;
  const double s = EquinoxPeriodicSum(t);
  const double w = ToRadians(35999.373 * t - 2.47);
  const double deltaLambda = 1.0 + 0.0334 * std::cos(w) + 0.0007 * std::cos(2.0 * w);
  return jde0 + 0.00001 * s / deltaLambda;
}

EquinoxInstant VernalEquinoxInstant(int32_t year) {
  EquinoxInstant instant;
  instant.deltaTMinutes = DeltaTMinutes(year);
  instant.jd = VernalEquinoxJDE(year) - instant.deltaTMinutes / 1440.0;
  return instant;
}

double EquinoxPeriodicSum(double t) {
  double s = 0.0;
  for (const auto& row : kTerms) s += row[0] * std::cos(row[1] + row[2] * t);
  return s;
}

double DeltaTMinutes(int32_t year) { return deltat(static_cast<double>(year), kDeltaTModel); }

}  // namespace clvt
