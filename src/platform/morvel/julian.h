#pragma once

#include <cstdint>

#include "base/floor_div.h"
#include "platform/morvel/date_rec.h"
#include "platform/morvel/month_table.h"

// The proleptic Julian calendar with astronomical years, valid for every date whose JDN fits
// in int32_t (years about -5.9 million to +5.9 million).
//
// After H. Hinnant's julian.h, the Julian form of days_from_civil and civil_from_days, moved
// to Julian day numbers: the same shape as gregorian.h with a 4-year era of 1,461 days and
// no century rule. Inline for the same reason as the Gregorian conversions.
namespace clvt {

inline constexpr int64_t kJulianYearsPerEra = 4;
inline constexpr int64_t kJulianDaysPerEra = 1461;  // 4 * 365 + 1 leap day
inline constexpr int64_t kJulianJdnOfMarch1Year0 = 1721118;

// Leap when divisible by 4, including 0, -4, -8.
inline bool JulianIsLeapYear(int32_t year) { return year % 4 == 0; }

// 28..31, or 0 when month is outside 1..12.
int32_t JulianDaysInMonth(int32_t month, int32_t year);

// Reads year, month, day. Sets valid = 1 and jdn when the date exists and its JDN fits in
// int32_t; otherwise valid = 0 and jdn is left unchanged. {2015, 11, 22} -> 2,457,362.
inline void JulianDateToJDN(DateRec& rec) {
  if (!DayExists(rec.year, rec.month, rec.day, JulianIsLeapYear)) {
    rec.valid = 0;
    return;
  }
  const int64_t y = int64_t{rec.year} - (rec.month <= 2 ? 1 : 0);        // [-2^31 - 1, 2^31 - 1]
  const int64_t era = FloorDiv(y, kJulianYearsPerEra);                   // [-2^29 - 1, 2^29 - 1]
  const auto yoe = static_cast<uint32_t>(y - era * kJulianYearsPerEra);  // [0, 3]
  const uint32_t doy = DayOfMarchYear(static_cast<uint32_t>(rec.month),
                                      static_cast<uint32_t>(rec.day));          // [0, 365]
  const uint32_t doe = yoe * 365 + doy;                                         // [0, 1460]
  const int64_t jdn = era * kJulianDaysPerEra + doe + kJulianJdnOfMarch1Year0;  // < 2^40
  if (!FitsInt32(jdn)) {
    rec.valid = 0;
    return;
  }
  rec.jdn = static_cast<int32_t>(jdn);
  rec.valid = 1;
}

// Reads jdn (any int32_t value) and sets year, month and day. Leaves calendar, jdn and valid.
inline void JulianJDNToDate(DateRec& rec) {
  const int64_t z = int64_t{rec.jdn} - kJulianJdnOfMarch1Year0;         // [-2^31 - 1721118, 2^31)
  const int64_t era = FloorDiv(z, kJulianDaysPerEra);                   // [-1471051, 1468694]
  const auto doe = static_cast<uint32_t>(z - era * kJulianDaysPerEra);  // [0, 1460]
  const uint32_t yoe = (doe - doe / 1460) / 365;  // [0, 3]: the era's last day is the leap day
  const uint32_t doy = doe - 365 * yoe;           // [0, 365]
  const MonthAndDay md = MonthAndDayOfMarchYear(doy);
  rec.day = static_cast<int32_t>(md.day);
  rec.month = static_cast<int32_t>(md.month);
  rec.year = static_cast<int32_t>(era * kJulianYearsPerEra + yoe + (md.month <= 2 ? 1 : 0));
}

}  // namespace clvt
