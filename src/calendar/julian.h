#pragma once

#include <cstdint>

#include "calendar/date_rec.h"

// The proleptic Julian calendar with astronomical years, valid for every date whose JDN
// fits in int32_t (years about -5.9 million to +5.9 million; a 1,461-day cycle of 4 years).
namespace clvt {

// Leap when divisible by 4, including 0, -4, -8.
bool JulianIsLeapYear(int32_t year);

// 28..31, or 0 when month is outside 1..12.
int32_t JulianDaysInMonth(int32_t month, int32_t year);

// Reads year, month, day. Sets valid = 1 and jdn when the date exists and its JDN fits in
// int32_t; otherwise valid = 0 and jdn is left unchanged. {2015, 11, 22} -> 2,457,362.
void JulianDateToJDN(DateRec& rec);

// Reads jdn (any int32_t value) and sets year, month and day. Leaves calendar, jdn and valid.
void JulianJDNToDate(DateRec& rec);

}  // namespace clvt
