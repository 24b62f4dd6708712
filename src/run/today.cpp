// Today's date into the main window's input; see today.h.
#include "run/today.h"

#include "calendar/calendar.h"
#include "datetext/input_check.h"

namespace clvt {

namespace {

// SetTodayCalendar: the notation in use decides which list leads; the other follows.
int32_t SetTodayCalendar(InputControls& c) {
  if (c.optInputDateWithoutAYN) {
    if (c.cboCalendar0 == 0 || c.cboCalendar0 >= kCalendarPositionSunday) {
      c.cboCalendar0 = kCalendarPositionGregorian;
    }
    c.cboCalendar1 = c.cboCalendar0;
  } else {
    if (c.cboCalendar1 == 0) c.cboCalendar1 = kCalendarPositionGregorian;
    c.cboCalendar0 = c.cboCalendar1;
  }
  switch (c.cboCalendar1) {
    case kCalendarPositionJulian: return kCalendarJulian;
    case kCalendarPositionDee: return kCalendarDee;
    default: return kCalendarGregorian;
  }
}

}  // namespace

TodayResult SetToday(InputControls& controls, int32_t todayJDN, const DeeVariant& dee) {
  TodayResult result;
  if (!controls.optInputDateWithoutAYN && !controls.optInputDateWithAYN) {
    controls.optInputDateWithoutAYN = true;
  }
  DateRec& rec = result.recOutputDate;
  rec.calendar = SetTodayCalendar(controls);
  rec.jdn = todayJDN;
  JDNToDate(rec, dee);
  rec.valid = 1;
  DisplayInputDateWithoutAYN(rec, controls);
  DisplayInputDateWithAYN(rec, controls, dee);
  return result;
}

}  // namespace clvt
