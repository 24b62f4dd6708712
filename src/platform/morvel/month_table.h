#pragma once

#include <cstdint>

// The months shared by the Gregorian, Julian and Dee calendars: the same twelve months, with
// the leap day at the end of February.
namespace clvt {

// Days before each month (index 1..12) in a common year, and each month's length.
inline constexpr int32_t kDaysBeforeMonth[13] = {0,   0,   31,  59,  90,  120, 151,
                                                 181, 212, 243, 273, 304, 334};
inline constexpr int32_t kMonthsPerYear = 12;
inline constexpr int32_t kDaysInMonth[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days in month (1..12) given whether the year is leap; 0 for any other month.
constexpr int32_t MonthLength(int32_t month, bool leap) {
  if (month < 1 || month > 12) return 0;
  return kDaysInMonth[month] + (month == 2 && leap ? 1 : 0);
}

// Whether (month, day) exists in the given year: month 1..12, day from 1 to the month's
// length. isLeap(year) is asked only for 29 February, the one day that depends on it.
template <class IsLeap>
constexpr bool DayExists(int32_t year, int32_t month, int32_t day, IsLeap isLeap) {
  if (month < 1 || month > 12 || day < 1) return false;
  if (day <= kDaysInMonth[month]) return true;
  return month == 2 && day == 29 && isLeap(year);
}

// A year counted from 1 March puts the leap day last, so that the day of the year does not
// depend on whether the year is leap. From March the month lengths repeat every five months
// (31 30 31 30 31, then 31 30 31 30 31, then 31 and February), which (153 * mp + 2) / 5 turns
// into the days before month mp (March = 0), after H. Hinnant's days_from_civil.
inline constexpr uint32_t kDaysInFiveMonths = 153;  // March to July, or August to December

// Day of the year counted from 1 March, [0, 365], of a valid month (1..12) and day.
constexpr uint32_t DayOfMarchYear(uint32_t month, uint32_t day) {
  // (month + 9) % 12 rather than month > 2 ? month - 3 : month + 9: GCC 12 joins the
  // comparison with the year's month <= 2 into a branch that random dates mispredict once in
  // six; calendar_bench measured 0.5 ns a date more for the Gregorian and Julian conversions.
  const uint32_t mp = (month + 9) % 12;               // [0, 11], March = 0
  return (kDaysInFiveMonths * mp + 2) / 5 + day - 1;  // [0, 365]
}

// Month (1..12) and day of the day of the year counted from 1 March, doy in [0, 365]: the
// inverse of DayOfMarchYear.
struct MonthAndDay {
  uint32_t month;  // [1, 12]
  uint32_t day;    // [1, 31]
};
constexpr MonthAndDay MonthAndDayOfMarchYear(uint32_t doy) {
  const uint32_t mp = (5 * doy + 2) / kDaysInFiveMonths;  // [0, 11], March = 0
  return {mp < 10 ? mp + 3 : mp - 9, doy - (kDaysInFiveMonths * mp + 2) / 5 + 1};
}

static_assert(DayOfMarchYear(3, 1) == 0 && DayOfMarchYear(2, 29) == 365);
static_assert(MonthAndDayOfMarchYear(365).month == 2 && MonthAndDayOfMarchYear(365).day == 29);

}  // namespace clvt
