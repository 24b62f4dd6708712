#pragma once

#include <cstdint>
#include <string_view>

#include "platform/morvel/date_rec.h"

// The Dee calendar: Gregorian months, leap day at the end of February, and a 33-year cycle
// (years 1..33, 34..66, ..., -32..0) of 12,053 days whose leap years are the cycle positions
// 4, 8, ..., 32. The two variants differ only in their epoch, the JDN of 1 January of year 1.
namespace clvt {

// One variant of the Dee calendar: its name, the designator of its year-month-day dates, and
// its epoch. Every Dee conversion takes the variant it works in; there is no variant in force.
// The default is Dee-Cecil, the variant a fresh start selects.
struct DeeVariant {
  std::string_view name = "Dee-Cecil";
  std::string_view designation = "DC";
  int32_t epochJdn = 1721426;  // JDN of Dee 1-1-1
  friend constexpr bool operator==(const DeeVariant&, const DeeVariant&) = default;
};

inline constexpr DeeVariant kDeeVariant{"Dee", "D", 1721425};
inline constexpr DeeVariant kDeeCecilVariant{"Dee-Cecil", "DC", 1721426};

inline constexpr int32_t kDeeCycleYears = 33;
inline constexpr int32_t kDeeCycleDays = 12053;  // 33 * 365 + 8

// The year's place in its 33-year cycle, ((year - 1) mod 33) + 1 with a non-negative
// remainder: 1..33 (years 1..33, 34..66, ...; year 0 ends the cycle -32..0). Any int32_t.
int32_t DeeCyclePosition(int32_t year);

// Leap when the year's cycle position is a multiple of 4: ..., -5, -1, 4, 8, ..., 32, 37, ...;
// years 0, 33, -32, -33 are common.
bool DeeIsLeapYear(int32_t year);

// 28..31, or 0 when month is outside 1..12.
int32_t DeeDaysInMonth(int32_t month, int32_t year);

// Reads year, month, day. Sets valid = 1 and jdn = dee.epochJdn + days since Dee 1-1-1 when
// the date exists and the JDN fits in int32_t; otherwise valid = 0 and jdn is unchanged.
// 2015-11-22 is JDN 2,457,349 under Dee-Cecil and 2,457,348 under Dee.
void DeeDateToJDN(DateRec& rec, const DeeVariant& dee);

// Reads jdn (any int32_t value); sets year, month, day and valid = 1. Leaves calendar and jdn.
void DeeJDNToDate(DateRec& rec, const DeeVariant& dee);

}  // namespace clvt
