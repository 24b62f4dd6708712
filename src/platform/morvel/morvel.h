#pragma once

#include <cstdint>

#include "platform/morvel/date_rec.h"

// Stand-in for the maker's calendar library: proleptic Gregorian (calendar 71) and Julian
// (any other code, 74 in practice) dates to and from Julian day numbers, the weekday of a JDN
// and digit grouping. C ABI with the library's argument order and widths. Return values carry
// nothing callers use; they are 1 on success and 0 otherwise.
extern "C" {

// Sets rec->valid (1 when the date exists and its JDN fits in int32_t) and, if valid,
// rec->jdn. A null pointer is ignored.
int32_t euro_date_to_jdn(DateRec* rec);

// Sets rec->year, month, day from rec->jdn; correct for every int32_t JDN.
int32_t jdn_to_euro_date(DateRec* rec);

// 0 = Sunday ... 6 = Saturday for any int32_t JDN.
int32_t euro_day_of_week(int32_t jdn);

// Writes `text` (an optional "-" and digits) into `buffer` (20 bytes) with `separator` between
// groups of three digits counted from the right, then a zero byte: "-4999999" -> "-4,999,999".
// A result that would not fit in 19 bytes, or a null argument, gives the empty text.
int32_t separate_thousands(const char* text, int32_t separator, char* buffer);
}
