#pragma once

#include <cstdint>

#include "base/floor_div.h"
#include "platform/morvel/date_rec.h"
#include "platform/morvel/month_table.h"

// The proleptic Gregorian calendar with astronomical years, valid for every date whose JDN
// fits in int32_t (years about -5.9 million to +5.9 million).
//
// After H. Hinnant, "chrono-Compatible Low-Level Date Algorithms" (days_from_civil and
// civil_from_days), moved from the Unix epoch to Julian day numbers: a 400-year era of
// 146,097 days, each year counted from 1 March so that the leap day falls at its end. The
// conversions are inline so that the calendar library compiles them into its own entry
// points, one call per conversion.
namespace clvt {

inline constexpr int64_t kGregorianYearsPerEra = 400;
inline constexpr int64_t kGregorianDaysPerEra = 146097;  // 400 * 365 + 97 leap days
inline constexpr int64_t kGregorianJdnOfMarch1Year0 = 1721120;

// Leap when divisible by 4, except centuries not divisible by 400; year 0 is leap.
inline bool GregorianIsLeapYear(int32_t year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// 28..31, or 0 when month is outside 1..12.
int32_t GregorianDaysInMonth(int32_t month, int32_t year);

// Reads year, month, day. Sets valid = 1 and jdn when the date exists and its JDN fits in
// int32_t; otherwise valid = 0 and jdn is left unchanged. {2015, 11, 22} -> 2,457,349.
inline void GregorianDateToJDN(DateRec& rec) {
  if (!DayExists(rec.year, rec.month, rec.day, GregorianIsLeapYear)) {
    rec.valid = 0;
    return;
  }
  const int64_t y = int64_t{rec.year} - (rec.month <= 2 ? 1 : 0);           // [-2^31 - 1, 2^31 - 1]
  const int64_t era = FloorDiv(y, kGregorianYearsPerEra);                   // [-5368710, 5368709]
  const auto yoe = static_cast<uint32_t>(y - era * kGregorianYearsPerEra);  // [0, 399]
  const uint32_t doy = DayOfMarchYear(static_cast<uint32_t>(rec.month),
                                      static_cast<uint32_t>(rec.day));                // [0, 365]
  const uint32_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;                         // [0, 146096]
  const int64_t jdn = era * kGregorianDaysPerEra + doe + kGregorianJdnOfMarch1Year0;  // < 2^40
  if (!FitsInt32(jdn)) {
    rec.valid = 0;
    return;
  }
  rec.jdn = static_cast<int32_t>(jdn);
  rec.valid = 1;
}

// Reads jdn (any int32_t value) and sets year, month and day. Leaves calendar, jdn and valid.
inline void GregorianJDNToDate(DateRec& rec) {
  const int64_t z = int64_t{rec.jdn} - kGregorianJdnOfMarch1Year0;  // [-2^31 - 1721120, 2^31)
  const int64_t era = FloorDiv(z, kGregorianDaysPerEra);            // [-14711, 14687]
  const auto doe = static_cast<uint32_t>(z - era * kGregorianDaysPerEra);  // [0, 146096]
  // Taking out the leap days before doe leaves 365 days to each year: one a quadrennium
  // (every 1,460 days), none at a century (36,524) and the era's last day (146,096).
  const uint32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
  const uint32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
  const MonthAndDay md = MonthAndDayOfMarchYear(doy);
  rec.day = static_cast<int32_t>(md.day);
  rec.month = static_cast<int32_t>(md.month);
  rec.year = static_cast<int32_t>(era * kGregorianYearsPerEra + yoe + (md.month <= 2 ? 1 : 0));
}

}  // namespace clvt
