#pragma once

#include <array>
#include <cstdint>

// Instants of the equinoxes and solstices: a mean instant from a polynomial in the year,
// corrected by 24 periodic terms (dynamical time), and Delta T to reach Universal Time.
// Every operation is finite for every int32_t year; none reports an error.
namespace clvt {

// Event codes; any other code means the December solstice.
enum EquinoxEvent : int16_t { kMarchEquinox, kJuneSolstice, kSeptemberEquinox, kDecemberSolstice };

// 2 pi as the program has always written it, to 15 significant digits.
inline constexpr double kTwoPi15 = 6.28318530717959;

// Rows of the periodic terms: amplitude A, phase B, rate C (B and C in radians once loaded).
using EquinoxTermTable = std::array<std::array<double, 3>, 24>;

// (Re)loads the periodic terms and converts B and C from degrees to radians (divide by 360,
// then multiply by dblTwoPi). Every value is assigned afresh, so a second call leaves the
// same table. The table is also loaded before main(), so a missing call cannot give zeros.
void InitEquinoxTerms();

// The loaded table, and dblTwoPi, for inspection.
const EquinoxTermTable& EquinoxTerms();
double TwoPi();

// The mean instant JDE0 of event in year (Julian ephemeris date): table 27.A with
// Y = year / 1000 below year 1000, table 27.B with Y = (year - 2000) / 1000 from 1000 on
// (also beyond 3000).
double EquinoxSolsticeJDE0(int16_t event, int32_t year);

// JDE0 corrected by the periodic terms: the instant in dynamical time.
// Example: EquinoxSolsticeJDE(kJuneSolstice, 1962) = 2437837.39245 (to 1e-5 day).
double EquinoxSolsticeJDE(int16_t event, int32_t year);

// The instant of event in year in Universal Time, with the Delta T it was reached by.
struct EquinoxInstant {
  double jd = 0.0;             // Julian date (UT): EquinoxSolsticeJDE - deltaTMinutes / 1440
  double deltaTMinutes = 0.0;  // DeltaTMinutes(year)
};
EquinoxInstant EquinoxSolsticeInstant(int16_t event, int32_t year);

// EquinoxSolsticeJDE minus Delta T: the instant in Universal Time.
double EquinoxSolsticeJD(int16_t event, int32_t year);

// The Julian date (UT) of the March equinox of year.
double VernalEquinoxJD(int32_t year);

// S, the sum of A cos(B + C T) over the 24 rows in table order; T in Julian centuries from
// JDE 2451545.0.
double EquinoxPeriodicSum(double t);

// Delta T in minutes for year, from the astronomy library's deltat.
double DeltaTMinutes(int32_t year);

}  // namespace clvt
