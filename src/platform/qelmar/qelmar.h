#pragma once

#include <cstdint>

// Stand-in for the maker's astronomy library: only the one call the program makes. C ABI with
// the library's argument order and widths.
extern "C" {

// Delta T = TT - UT for the given year, in minutes, from the Espenak-Meeus polynomials
// (NASA TP-2006-214141). The year is used as given (no mid-year fraction). model is accepted
// for the library's signature and ignored. Finite for every year an int32_t holds
// (about 2.6e14 min at the extremes); NaN yields NaN. Example: deltat(2000, 1915) = 1.0643.
double deltat(double year, int32_t model);
}
