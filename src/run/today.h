#pragma once

#include <cstdint>

#include "datetext/input_controls.h"
#include "platform/morvel/date_rec.h"

// The Today action of the main window as a pure function: choose a calendar if none is
// chosen, and put a given day into both input notations.
namespace clvt {

struct TodayResult {
  DateRec recOutputDate;  // the day in the chosen calendar
};

// Makes sure a calendar is chosen in the notation in use (month-day-year: a weekday or no
// choice becomes "Gregorian Calendar"; year-month-day: no choice becomes "Proleptic
// Gregorian"), gives the other notation's list the same calendar, and writes todayJDN as a
// date of that calendar into both notations (the era list keeps the user's AD or CE style,
// an empty one becomes CE). With no notation chosen, month-day-year is chosen first.
// Any JDN the calendar library accepts is fine; the caller passes TodayJDN().
TodayResult SetToday(InputControls& controls, int32_t todayJDN, const DeeVariant& dee);

}  // namespace clvt
