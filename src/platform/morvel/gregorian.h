#pragma once

#include <cstdint>

#include "platform/morvel/date_rec.h"
#include "base/floor_div.h"
#include "platform/morvel/month_table.h"

// The proleptic Gregorian calendar with astronomical years, valid for every date whose JDN
// fits in int32_t (years about -5.9 million to +5.9 million).
//
// Era-based conversion after H. Hinnant, "chrono-Compatible Low-Level Date Algorithms"
// (days_from_civil / civil_from_days): a 400-year era of 146,097 days, years counted from
// 1 March so that the leap day falls at the end of the year. The two conversions are defined
// here, inline, so that the calendar library compiles them into its own entry points: each is
// a handful of multiplications, and a further call per conversion cost more than that.
namespace clvt {

// Leap when divisible by 4, except centuries not divisible by 400; year 0 is leap.
inline bool GregorianIsLeapYear(int32_t year) {
  // For a multiple of 4, "not a multiple of 100" is "not a multiple of 25" and "a multiple of
  // 400" is "a multiple of 16"; the masks take the floor remainder for negative years too.
  return (year & 3) == 0 && (year % 25 != 0 || (year & 15) == 0);
}

// 28..31, or 0 when month is outside 1..12.
int32_t GregorianDaysInMonth(int32_t month, int32_t year);

// Reads year, month, day. Sets valid = 1 and jdn when the date exists and its JDN fits in
// int32_t; otherwise valid = 0 and jdn is left unchanged. {2015, 11, 22} -> 2,457,349.
inline void GregorianDateToJDN(DateRec& rec) {
  constexpr int64_t kDaysPerEra = 146097;         // 400 Gregorian years
  constexpr int64_t kJdnOfMarch1Year0 = 1721120;  // JDN of Gregorian 0000-03-01
  if (!DayExists(rec.year, rec.month, rec.day, GregorianIsLeapYear)) {
    rec.valid = 0;
    return;
  }
  // Shifting the year on by whole eras makes it non-negative for every int32_t year, so the
  // era and the year of the era come from one unsigned division; the date is valid here, so
  // the values within the era are small and unsigned.
  constexpr int64_t kEraShift = 5368710;  // 400 * kEraShift > 2^31
  const int64_t y = int64_t{rec.year} - (rec.month <= 2 ? 1 : 0);
  const auto shifted = static_cast<uint64_t>(y + 400 * kEraShift);
  const int64_t era = static_cast<int64_t>(shifted / 400) - kEraShift;
  const auto yoe = static_cast<uint32_t>(shifted % 400);                       // [0, 399]
  const uint32_t doy = DayOfMarchYear(static_cast<uint32_t>(rec.month),
                                      static_cast<uint32_t>(rec.day));           // [0, 365]
  const uint32_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;                  // [0, 146096]
  const int64_t jdn = era * kDaysPerEra + doe + kJdnOfMarch1Year0;             // |jdn| < 2^42
  if (!FitsInt32(jdn)) {
    rec.valid = 0;
    return;
  }
  rec.jdn = static_cast<int32_t>(jdn);
  rec.valid = 1;
}

// Reads jdn (any int32_t value) and sets year, month and day. Leaves calendar, jdn and valid.
inline void GregorianJDNToDate(DateRec& rec) {
  constexpr int64_t kDaysPerEra = 146097;
  constexpr int64_t kJdnOfMarch1Year0 = 1721120;
  const int64_t z = int64_t{rec.jdn} - kJdnOfMarch1Year0;
  const int64_t era = FloorDiv(z, kDaysPerEra);
  const auto doe = static_cast<uint32_t>(z - era * kDaysPerEra);               // [0, 146096]
  const uint32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
  const uint32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
  const MonthAndDay md = MonthAndDayOfMarchYear(doy);
  rec.day = static_cast<int32_t>(md.day);
  rec.month = static_cast<int32_t>(md.month);
  rec.year = static_cast<int32_t>(era * 400 + yoe + (md.month <= 2 ? 1 : 0));
}

}  // namespace clvt
