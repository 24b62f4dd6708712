#pragma once

#include <cstdint>

namespace clvt {

// Division rounding toward minus infinity, and the matching non-negative remainder, for
// negative years and day counts. Divisor must be positive. FloorDiv(-1, 4) == -1,
// FloorMod(-1, 4) == 3.
constexpr int64_t FloorDiv(int64_t a, int64_t b) {
  // For negative a, floor(a / b) = -1 - (-1 - a) / b, and -1 - a is ~a: one unsigned
  // division, no branch, and no overflow even for INT64_MIN.
  const int64_t sign = a >> 63;  // 0 or -1
  const auto magnitude = static_cast<uint64_t>(a ^ sign);  // a or -1 - a, in [0, 2^63)
  return static_cast<int64_t>(magnitude / static_cast<uint64_t>(b)) ^ sign;
}

// Computed from the remainder rather than as a - FloorDiv(a, b) * b, whose product leaves
// int64_t for a near INT64_MIN.
constexpr int64_t FloorMod(int64_t a, int64_t b) {
  const int64_t r = a % b;
  return r < 0 ? r + b : r;
}

inline constexpr int64_t kInt32Min = INT32_MIN;
inline constexpr int64_t kInt32Max = INT32_MAX;
constexpr bool FitsInt32(int64_t v) {
  // One unsigned comparison: v - INT32_MIN, taken modulo 2^64, lies in [0, 2^32 - 1] exactly
  // when v fits.
  return static_cast<uint64_t>(v) - static_cast<uint64_t>(kInt32Min) <= UINT32_MAX;
}

}  // namespace clvt
