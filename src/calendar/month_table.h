#pragma once

#include <cstdint>

namespace clvt {

// Days before each month (index 1..12) in a common year, shared by the Gregorian, Julian and
// Dee calendars, which all have the same months with the leap day at the end of February.
inline constexpr int32_t kDaysBeforeMonth[13] = {0,   0,   31,  59,  90,  120, 151,
                                                 181, 212, 243, 273, 304, 334};
inline constexpr int32_t kDaysInMonth[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days in month (1..12) given whether the year is leap; 0 for any other month.
constexpr int32_t MonthLength(int32_t month, bool leap) {
  if (month < 1 || month > 12) return 0;
  return kDaysInMonth[month] + (month == 2 && leap ? 1 : 0);
}

}  // namespace clvt
