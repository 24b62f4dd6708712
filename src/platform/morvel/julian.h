#pragma once

#include <cstdint>

#include "platform/morvel/date_rec.h"
#include "base/floor_div.h"
#include "platform/morvel/month_table.h"

// The proleptic Julian calendar with astronomical years, valid for every date whose JDN
// fits in int32_t (years about -5.9 million to +5.9 million; a 1,461-day cycle of 4 years).
//
// The same shape as the Gregorian calendar (gregorian.h), after H. Hinnant's julian.h: a
// 4-year era of 1,461 days, years counted from 1 March. The conversions are inline for the
// same reason as the Gregorian ones.
namespace clvt {

// Leap when divisible by 4, including 0, -4, -8.
inline bool JulianIsLeapYear(int32_t year) { return year % 4 == 0; }

// 28..31, or 0 when month is outside 1..12.
int32_t JulianDaysInMonth(int32_t month, int32_t year);

// Reads year, month, day. Sets valid = 1 and jdn when the date exists and its JDN fits in
// int32_t; otherwise valid = 0 and jdn is left unchanged. {2015, 11, 22} -> 2,457,362.
inline void JulianDateToJDN(DateRec& rec) {
  constexpr int64_t kFourYears = 1461;
  constexpr int64_t kJdnOfMarch1Year0 = 1721118;  // JDN of Julian 0000-03-01
  if (!DayExists(rec.year, rec.month, rec.day, JulianIsLeapYear)) {
    rec.valid = 0;
    return;
  }
  const int64_t y = int64_t{rec.year} - (rec.month <= 2 ? 1 : 0);
  const int64_t era = FloorDiv(y, 4);
  const auto yoe = static_cast<uint32_t>(y - era * 4);                          // [0, 3]
  const uint32_t doe = yoe * 365 + DayOfMarchYear(static_cast<uint32_t>(rec.month),
                                                  static_cast<uint32_t>(rec.day));  // [0, 1460]
  const int64_t jdn = era * kFourYears + doe + kJdnOfMarch1Year0;
  if (!FitsInt32(jdn)) {
    rec.valid = 0;
    return;
  }
  rec.jdn = static_cast<int32_t>(jdn);
  rec.valid = 1;
}

// Reads jdn (any int32_t value) and sets year, month and day. Leaves calendar, jdn and valid.
inline void JulianJDNToDate(DateRec& rec) {
  constexpr int64_t kFourYears = 1461;
  constexpr int64_t kJdnOfMarch1Year0 = 1721118;
  const int64_t z = int64_t{rec.jdn} - kJdnOfMarch1Year0;
  const int64_t era = FloorDiv(z, kFourYears);
  const auto doe = static_cast<uint32_t>(z - era * kFourYears);  // [0, 1460]
  const uint32_t yoe = (doe - doe / 1460) / 365;                 // [0, 3]
  const uint32_t doy = doe - 365 * yoe;                          // [0, 365]
  const MonthAndDay md = MonthAndDayOfMarchYear(doy);
  rec.day = static_cast<int32_t>(md.day);
  rec.month = static_cast<int32_t>(md.month);
  rec.year = static_cast<int32_t>(era * 4 + yoe + (md.month <= 2 ? 1 : 0));
}

}  // namespace clvt
