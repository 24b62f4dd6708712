#pragma once

#include <cstdint>

// The instant of the March equinox: a mean instant from a polynomial in the year, corrected by
// 24 periodic terms (dynamical time), and Delta T to reach Universal Time. Every operation is
// finite for every int32_t year; none reports an error.
namespace clvt {

// The mean instant JDE0 of the March equinox of year (Julian ephemeris date): table 27.A with
// Y = year / 1000 below year 1000, table 27.B with Y = (year - 2000) / 1000 from 1000 on
// (also beyond 3000).
double VernalEquinoxJDE0(int32_t year);

// JDE0 corrected by the periodic terms: the instant in dynamical time.
// Example: VernalEquinoxJDE(2000) = 2451623.81699 (to 1e-5 day).
double VernalEquinoxJDE(int32_t year);

// The March equinox of year in Universal Time, with the Delta T it was reached by.
struct EquinoxInstant {
  double jd = 0.0;             // Julian date (UT): VernalEquinoxJDE - deltaTMinutes / 1440
  double deltaTMinutes = 0.0;  // DeltaTMinutes(year)
};
EquinoxInstant VernalEquinoxInstant(int32_t year);

// S, the sum of A cos(B + C T) over the 24 rows of table 27.C in the book's order; T in Julian
// centuries from JDE 2451545.0.
double EquinoxPeriodicSum(double t);

// Delta T in minutes for year, from the astronomy library's deltat.
double DeltaTMinutes(int32_t year);

}  // namespace clvt
