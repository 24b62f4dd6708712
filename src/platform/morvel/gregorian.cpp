// Gregorian month lengths; leap years and the conversions are inline in gregorian.h.
#include "platform/morvel/gregorian.h"

namespace clvt {

int32_t GregorianDaysInMonth(int32_t month, int32_t year) {
  return MonthLength(month, GregorianIsLeapYear(year));
}

}  // namespace clvt
