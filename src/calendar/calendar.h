#pragma once

#include <cstdint>

#include "calendar/dee.h"
#include "platform/morvel/date_rec.h"
#include "platform/morvel/morvel.h"

// The one road between calendar dates and Julian day numbers: Dee records (calendar 68) go to
// the Dee arithmetic in the variant the caller names, all others to the calendar library
// (platform/morvel), which ignores the variant.
namespace clvt {

// The three calendars the program converts among. A DateRec holds a calendar as its C code
// (kCalendarGregorian 'G', kCalendarJulian 'J', kCalendarDee 'D'); DateRecCode gives it.
enum class Calendar { kGregorian, kJulian, kDee };

inline constexpr int32_t DateRecCode(Calendar calendar) {
  switch (calendar) {
    case Calendar::kJulian: return kCalendarJulian;
    case Calendar::kDee: return kCalendarDee;
    case Calendar::kGregorian: break;
  }
  return kCalendarGregorian;
}

// The calendar of a DateRec code, as DateRecCode's inverse: any code but Julian's and Dee's
// reads as Gregorian.
inline constexpr Calendar CalendarOfCode(int32_t code) {
  if (code == kCalendarJulian) return Calendar::kJulian;
  if (code == kCalendarDee) return Calendar::kDee;
  return Calendar::kGregorian;
}

// True for the three calendar codes the program knows: kCalendarGregorian, kCalendarJulian,
// kCalendarDee.
inline bool IsKnownCalendar(int32_t calendar) {
  return calendar == kCalendarGregorian || calendar == kCalendarJulian || calendar == kCalendarDee;
}

// Reads year, month, day, calendar; sets valid and, for an existing date, jdn. Inline, like
// the two below, so that a conversion costs one call into the calendar routines. A record of
// any other calendar code is invalid: the calendar library would read it as Julian, and a date
// must never be converted in a calendar nobody chose.
inline void DateToJDN(DateRec& rec, const DeeVariant& dee) {
  if (rec.calendar == kCalendarDee) {
    DeeDateToJDN(rec, dee);
  } else if (IsKnownCalendar(rec.calendar)) {
    euro_date_to_jdn(&rec);
  } else {
    rec.valid = 0;
  }
}

// Reads jdn and calendar; sets year, month, day. Never changes calendar or jdn. Another
// calendar code than the three known gives year, month and day 0 and valid 0.
inline void JDNToDate(DateRec& rec, const DeeVariant& dee) {
  if (rec.calendar == kCalendarDee) {
    DeeJDNToDate(rec, dee);
  } else if (IsKnownCalendar(rec.calendar)) {
    jdn_to_euro_date(&rec);
  } else {
    rec.year = rec.month = rec.day = rec.valid = 0;
  }
}

// The record of jdn in calendar, completed by JDNToDate:
// DateOfJDN(kCalendarGregorian, 2457349, dee) is 2015-11-22 whatever dee.
inline DateRec DateOfJDN(int32_t calendar, int32_t jdn, const DeeVariant& dee) {
  DateRec rec;
  rec.calendar = calendar;
  rec.jdn = jdn;
  JDNToDate(rec, dee);
  return rec;
}

// 0 = Sunday ... 6 = Saturday: (jdn + 1) mod 7, so JDN 0 is a Monday. Any int32_t.
int16_t DayOfWeek(int32_t jdn);

// JDN of the current local date (Gregorian).
int32_t TodayJDN();

}  // namespace clvt
