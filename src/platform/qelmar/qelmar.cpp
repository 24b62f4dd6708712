// Delta T from F. Espenak and J. Meeus, "Five Millennium Canon of Solar Eclipses: -1999 to
// +3000", NASA TP-2006-214141, section "Polynomial expressions for Delta T". Each range is
// half-open [lower, upper): a boundary year belongs to the later range. The published
// polynomials meet within 0.25 s at every boundary, so no smoothing is added. Beyond the
// published span the long-term parabola is used, which grows without bound but stays finite
// for every int32_t year.
#include "platform/qelmar/qelmar.h"

#include <array>
#include <cstddef>

namespace {

constexpr double kSecondsPerMinute = 60.0;

// c[0] + c[1] x + c[2] x^2 + ... by Horner's rule.
template <std::size_t N>
double Polynomial(const std::array<double, N>& c, double x) {
  double sum = 0.0;
  for (std::size_t i = N; i-- > 0;) sum = sum * x + c[i];
  return sum;
}

// The long-term parabola of Morrison and Stephenson used outside 500 BCE..2150.
double LongTerm(double y) {
  const double u = (y - 1820.0) / 100.0;
  return -20.0 + 32.0 * u * u;
}

double DeltaTSeconds(double y) {
  if (y < -500) return LongTerm(y);
  if (y < 500) {
    return Polynomial<7>(
        {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521}, y / 100.0);
  }
  if (y < 1600) {
    return Polynomial<7>(
        {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073},
        (y - 1000.0) / 100.0);
  }
  if (y < 1700) {
    return Polynomial<4>({120.0, -0.9808, -0.01532, 1.0 / 7129.0}, y - 1600.0);
  }
  if (y < 1800) {
    return Polynomial<5>({8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000.0}, y - 1700.0);
  }
  if (y < 1860) {
    return Polynomial<8>({13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272,
                          -0.0000001699, 0.000000000875},
                         y - 1800.0);
  }
  if (y < 1900) {
    return Polynomial<6>({7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174.0},
                         y - 1860.0);
  }
  if (y < 1920) {
    return Polynomial<5>({-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197}, y - 1900.0);
  }
  if (y < 1941) {
    return Polynomial<4>({21.20, 0.84493, -0.076100, 0.0020936}, y - 1920.0);
  }
  if (y < 1961) {
    return Polynomial<4>({29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0}, y - 1950.0);
  }
  if (y < 1986) {
    return Polynomial<4>({45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0}, y - 1975.0);
  }
  if (y < 2005) {
    return Polynomial<6>({63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599},
                         y - 2000.0);
  }
  if (y < 2050) return Polynomial<3>({62.92, 0.32217, 0.005589}, y - 2000.0);
  if (y < 2150) return LongTerm(y) - 0.5628 * (2150.0 - y);
  return LongTerm(y);
}

}  // namespace

extern "C" double deltat(double year, int32_t /*model*/) {
  return DeltaTSeconds(year) / kSecondsPerMinute;
}
