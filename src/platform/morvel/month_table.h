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

// Day of the year counted from 1 March (so that the leap day comes last): [0, 365] for a
// valid month 1..12 and day.
constexpr uint32_t DayOfMarchYear(uint32_t month, uint32_t day) {
  // (month + 9) % 12 numbers March 0 ... February 11 without a branch, which random dates
  // would mispredict once in six.
  return (153 * ((month + 9) % 12) + 2) / 5 + day - 1;
}

// Month (1..12) and day of the day of the year counted from 1 March, doy in [0, 365]: the
// inverse of DayOfMarchYear.
struct MonthAndDay {
  uint32_t month;
  uint32_t day;
};
constexpr MonthAndDay MonthAndDayOfMarchYear(uint32_t doy) {
  const uint32_t mp = (5 * doy + 2) / 153;  // [0, 11], March = 0
  return {mp < 10 ? mp + 3 : mp - 9, doy - (153 * mp + 2) / 5 + 1};
}

// Whether (month, day) exists in the given year: month 1..12, day from 1 to the month's
// length. isLeap(year) is asked only for 29 February, the one day that depends on it, which
// keeps the common path of a conversion free of the leap-year arithmetic.
template <class IsLeap>
constexpr bool DayExists(int32_t year, int32_t month, int32_t day, IsLeap isLeap) {
  // Unsigned comparisons fold "at least 1" and "at most n" into one test each.
  const uint32_t monthIndex = static_cast<uint32_t>(month) - 1;  // [0, 11] when valid
  if (monthIndex >= 12) return false;
  const uint32_t dayIndex = static_cast<uint32_t>(day) - 1;      // [0, length - 1] when valid
  if (dayIndex < static_cast<uint32_t>(kDaysInMonth[month])) return true;
  return month == 2 && day == 29 && isLeap(year);
}

}  // namespace clvt
