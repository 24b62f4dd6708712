// Equinoxes and solstices after Jean Meeus, Astronomical Algorithms, 2nd ed., chapter 27
// (tables 27.A, 27.B, 27.C). The book's method is good to about two minutes of dynamical
// time over years 1..4000; Delta T (platform/qelmar) dominates the error before year 1.
#include "equinox/equinox.h"

#include <cmath>
#include <cstddef>

#include "platform/qelmar/qelmar.h"

namespace clvt {
namespace {

constexpr double kDegreesPerTurn = 360.0;
constexpr double kJ2000 = 2451545.0;  // JDE of 2000 January 1.5
constexpr double kDaysPerJulianCentury = 36525.0;
constexpr int32_t kTable27BFromYear = 1000;
constexpr int32_t kDeltaTModel = 1915;  // the argument the program always passes

// Table 27.C in degrees (A; B; C per Julian century), in the book's order.
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

// c0..c4 of JDE0 for the four events: table 27.A (years -1000..1000) and 27.B (1000..3000).
using Coefficients = std::array<std::array<double, 5>, 4>;
constexpr Coefficients kTable27A = {{
    {1721139.29189, 365242.13740, 0.06134, 0.00111, -0.00071},
    {1721233.25401, 365241.72562, -0.05323, 0.00907, 0.00025},
    {1721325.70455, 365242.49558, -0.11677, -0.00297, 0.00074},
    {1721414.39987, 365242.88257, -0.00769, -0.00933, -0.00006},
}};
constexpr Coefficients kTable27B = {{
    {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
}};

// Degrees to radians the program's way: divide by 360 first, then multiply by 2 pi.
constexpr double ToRadians(double degrees, double twoPi) {
  return degrees / kDegreesPerTurn * twoPi;
}

constexpr EquinoxTermTable ConvertedTerms(double twoPi) {
  EquinoxTermTable table = kTermsInDegrees;
  for (auto& row : table) {
    row[1] = ToRadians(row[1], twoPi);
    row[2] = ToRadians(row[2], twoPi);
  }
  return table;
}

double dblTwoPi = kTwoPi15;
EquinoxTermTable dblEquinoxTerms = ConvertedTerms(kTwoPi15);

std::size_t EventRow(int16_t event) {
  if (event == kMarchEquinox || event == kJuneSolstice || event == kSeptemberEquinox) {
    return static_cast<std::size_t>(event);
  }
  return static_cast<std::size_t>(kDecemberSolstice);
}

}  // namespace

void InitEquinoxTerms() {
  dblTwoPi = kTwoPi15;
  dblEquinoxTerms = kTermsInDegrees;
  for (auto& row : dblEquinoxTerms) {
    row[1] = ToRadians(row[1], dblTwoPi);
    row[2] = ToRadians(row[2], dblTwoPi);
  }
}

const EquinoxTermTable& EquinoxTerms() { return dblEquinoxTerms; }

double TwoPi() { return dblTwoPi; }

double EquinoxSolsticeJDE0(int16_t event, int32_t year) {
  const bool early = year < kTable27BFromYear;
  const auto& c = (early ? kTable27A : kTable27B)[EventRow(event)];
  // |Y| <= 2.2e6 for any int32_t year, so Y^4 (about 2e25) stays far from overflow.
  const double y =
      early ? static_cast<double>(year) / 1000.0 : (static_cast<double>(year) - 2000.0) / 1000.0;
  const double y2 = y * y;
  const double y3 = y2 * y;
  const double y4 = y3 * y;
  return c[0] + c[1] * y + c[2] * y2 + c[3] * y3 + c[4] * y4;
}

double EquinoxSolsticeJDE(int16_t event, int32_t year) {
  const double jde0 = EquinoxSolsticeJDE0(event, year);
  const double t = (jde0 - kJ2000) / kDaysPerJulianCentury;
  const double s = EquinoxPeriodicSum(t);
  const double w = ToRadians(35999.373 * t - 2.47, dblTwoPi);
  const double deltaLambda = 1.0 + 0.0334 * std::cos(w) + 0.0007 * std::cos(2.0 * w);
  return jde0 + 0.00001 * s / deltaLambda;
}

EquinoxInstant EquinoxSolsticeInstant(int16_t event, int32_t year) {
  EquinoxInstant instant;
  instant.deltaTMinutes = DeltaTMinutes(year);
  instant.jd = EquinoxSolsticeJDE(event, year) - instant.deltaTMinutes / 1440.0;
  return instant;
}

double EquinoxSolsticeJD(int16_t event, int32_t year) {
  return EquinoxSolsticeInstant(event, year).jd;
}

double VernalEquinoxJD(int32_t year) { return EquinoxSolsticeJD(kMarchEquinox, year); }

double EquinoxPeriodicSum(double t) {
  double s = 0.0;
  for (const auto& row : dblEquinoxTerms) s += row[0] * std::cos(row[1] + row[2] * t);
  return s;
}

double DeltaTMinutes(int32_t year) { return deltat(static_cast<double>(year), kDeltaTModel); }

}  // namespace clvt
