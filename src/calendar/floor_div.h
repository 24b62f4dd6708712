#pragma once

#include <cstdint>

namespace clvt {

// Division rounding toward minus infinity, and the matching non-negative remainder, for
// negative years and day counts. Divisor must be positive. FloorDiv(-1, 4) == -1,
// FloorMod(-1, 4) == 3.
constexpr int64_t FloorDiv(int64_t a, int64_t b) {
  return a / b - ((a % b != 0) && (a < 0) ? 1 : 0);
}
// Computed from the remainder rather than as a - FloorDiv(a, b) * b, whose product leaves
// int64_t for a near INT64_MIN.
constexpr int64_t FloorMod(int64_t a, int64_t b) {
  const int64_t r = a % b;
  return r < 0 ? r + b : r;
}

inline constexpr int64_t kInt32Min = INT32_MIN;
inline constexpr int64_t kInt32Max = INT32_MAX;
constexpr bool FitsInt32(int64_t v) { return v >= kInt32Min && v <= kInt32Max; }

}  // namespace clvt
