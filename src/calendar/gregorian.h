#pragma once

#include <cstdint>

#include "calendar/date_rec.h"

// The proleptic Gregorian calendar with astronomical years, valid for every date whose JDN
// fits in int32_t (years about -5.9 million to +5.9 million).
namespace clvt {

// Leap when divisible by 4, except centuries not divisible by 400; year 0 is leap.
bool GregorianIsLeapYear(int32_t year);

// 28..31, or 0 when month is outside 1..12.
int32_t GregorianDaysInMonth(int32_t month, int32_t year);

// Reads year, month, day. Sets valid = 1 and jdn when the date exists and its JDN fits in
// int32_t; otherwise valid = 0 and jdn is left unchanged. {2015, 11, 22} -> 2,457,349.
void GregorianDateToJDN(DateRec& rec);

// Reads jdn (any int32_t value) and sets year, month and day. Leaves calendar, jdn and valid.
void GregorianJDNToDate(DateRec& rec);

}  // namespace clvt
