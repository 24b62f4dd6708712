#pragma once

#include <cstdint>

#include "platform/morvel/date_rec.h"

// The Dee calendar: Gregorian months, leap day at the end of February, and a 33-year cycle
// (years 1..33, 34..66, ..., -32..0) of 12,053 days whose leap years are the cycle positions
// 4, 8, ..., 32. The two variants differ only in the epoch lngDeeEpochJDN (calendar.h).
namespace clvt {

inline constexpr int32_t kDeeCycleYears = 33;
inline constexpr int32_t kDeeCycleDays = 12053;  // 33 * 365 + 8

// Leap when the year's cycle position ((year - 1) mod 33) + 1 is a multiple of 4:
// ..., -5, -1, 4, 8, ..., 32, 37, ...; years 0, 33, -32, -33 are common.
bool DeeIsLeapYear(int32_t year);

// 28..31, or 0 when month is outside 1..12.
int32_t DeeDaysInMonth(int32_t month, int32_t year);

// Reads year, month, day. Sets valid = 1 and jdn = lngDeeEpochJDN + days since Dee 1-1-1 when
// the date exists and the JDN fits in int32_t; otherwise valid = 0 and jdn is unchanged.
void DeeDateToJDN(DateRec& rec);

// Reads jdn (any int32_t value); sets year, month, day and valid = 1. Leaves calendar and jdn.
void DeeJDNToDate(DateRec& rec);

}  // namespace clvt
