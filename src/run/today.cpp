// Today's date into the main window's input; see today.h.
#include "run/today.h"

#include "calendar/calendar.h"
#include "datetext/input_check.h"

namespace clvt {

namespace {

// SetTodayCalendar: the notation in use decides which list leads; the other follows. Returns
// the calendar both lists then show.
Calendar SetTodayCalendar(InputControls& c) {
  if (c.optInputDateWithoutAYN) {
    if (c.cboCalendar0 == 0 || c.cboCalendar0 >= kCalendarPositionSunday) {
      c.cboCalendar0 = kCalendarPositionGregorian;
    }
    c.cboCalendar1 = c.cboCalendar0;
  } else {
    if (c.cboCalendar1 == 0) c.cboCalendar1 = kCalendarPositionGregorian;
    c.cboCalendar0 = c.cboCalendar1;
  }
  return CalendarAtPosition(c.cboCalendar1).value_or(Calendar::kGregorian);
}

}  // namespace

TodayResult SetToday(InputControls& controls, int32_t todayJDN, const DeeVariant& dee) {
  TodayResult result;
  if (!controls.optInputDateWithoutAYN && !controls.optInputDateWithAYN) {
    controls.optInputDateWithoutAYN = true;
  }
  DateRec& rec = result.recOutputDate;
  rec.calendar = DateRecCode(SetTodayCalendar(controls));
  rec.jdn = todayJDN;
  JDNToDate(rec, dee);
  rec.valid = 1;
  DisplayInputDateWithoutAYN(rec, controls);
  DisplayInputDateWithAYN(rec, controls, dee);
  return result;
}

}  // namespace clvt
