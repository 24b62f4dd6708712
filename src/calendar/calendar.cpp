#include "calendar/calendar.h"

#include "platform/local_date.h"
#include "platform/morvel/morvel.h"

namespace clvt {

int16_t DayOfWeek(int32_t jdn) { return static_cast<int16_t>(euro_day_of_week(jdn)); }

int32_t TodayJDN() {
  const LocalDate today = CurrentLocalDate();
  DateRec rec;
  rec.year = today.year;
  rec.month = today.month;
  rec.day = today.day;
  rec.calendar = kCalendarGregorian;
  euro_date_to_jdn(&rec);
  return rec.jdn;
}

}  // namespace clvt
