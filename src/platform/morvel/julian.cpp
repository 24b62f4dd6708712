// Julian month lengths; leap years and the conversions are inline in julian.h.
#include "platform/morvel/julian.h"

namespace clvt {

int32_t JulianDaysInMonth(int32_t month, int32_t year) {
  return MonthLength(month, JulianIsLeapYear(year));
}

}  // namespace clvt
