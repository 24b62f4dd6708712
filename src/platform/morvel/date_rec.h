#pragma once

#include <cstdint>

// The date record shared by every calendar routine and handed by address to the calendar
// library (platform/morvel), so its layout is fixed: six int32_t, no padding, 24 bytes.
//
// Years use astronomical numbering: year 0 is 1 BC, year -1 is 2 BC.
struct DateRec {
  int32_t year = 0;      // astronomical year
  int32_t month = 0;     // 1..12
  int32_t day = 0;       // 1..31
  int32_t calendar = 0;  // kCalendarGregorian, kCalendarJulian or kCalendarDee
  int32_t jdn = 0;       // Julian day number of the date
  int32_t valid = 0;     // 1 when (year, month, day) exists in the calendar
};
static_assert(sizeof(DateRec) == 24, "DateRec is passed to a C library: six int32_t");

namespace clvt {

// Calendar codes are the character codes of the calendar's initial letter; both Dee variants
// use 'D' (the Dee arithmetic takes the variant as a separate value).
inline constexpr int32_t kCalendarGregorian = 'G';  // 71
inline constexpr int32_t kCalendarJulian = 'J';     // 74
inline constexpr int32_t kCalendarDee = 'D';        // 68

}  // namespace clvt
