// The Julian calendar in the same shape as the Gregorian one (gregorian.cpp), after
// H. Hinnant's julian.h: a 4-year era of 1,461 days, years counted from 1 March.
#include "calendar/julian.h"

#include "calendar/floor_div.h"
#include "calendar/month_table.h"

namespace clvt {
namespace {

constexpr int64_t kFourYears = 1461;
constexpr int64_t kJdnOfMarch1Year0 = 1721118;  // JDN of Julian 0000-03-01

constexpr int64_t DayOfMarchYear(int64_t month, int64_t day) {
  return (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
}

}  // namespace

bool JulianIsLeapYear(int32_t year) { return year % 4 == 0; }

int32_t JulianDaysInMonth(int32_t month, int32_t year) {
  return MonthLength(month, JulianIsLeapYear(year));
}

void JulianDateToJDN(DateRec& rec) {
  const int32_t length = JulianDaysInMonth(rec.month, rec.year);
  if (rec.day < 1 || rec.day > length) {
    rec.valid = 0;
    return;
  }
  const int64_t y = int64_t{rec.year} - (rec.month <= 2 ? 1 : 0);
  const int64_t era = FloorDiv(y, 4);
  const int64_t yoe = y - era * 4;                                 // [0, 3]
  const int64_t doe = yoe * 365 + DayOfMarchYear(rec.month, rec.day);  // [0, 1460]
  const int64_t jdn = era * kFourYears + doe + kJdnOfMarch1Year0;
  if (!FitsInt32(jdn)) {
    rec.valid = 0;
    return;
  }
  rec.jdn = static_cast<int32_t>(jdn);
  rec.valid = 1;
}

void JulianJDNToDate(DateRec& rec) {
  const int64_t z = int64_t{rec.jdn} - kJdnOfMarch1Year0;
  const int64_t era = FloorDiv(z, kFourYears);
  const int64_t doe = z - era * kFourYears;            // [0, 1460]
  const int64_t yoe = (doe - doe / 1460) / 365;        // [0, 3]
  const int64_t doy = doe - 365 * yoe;                 // [0, 365]
  const int64_t mp = (5 * doy + 2) / 153;              // [0, 11]
  const int64_t month = mp < 10 ? mp + 3 : mp - 9;     // [1, 12]
  rec.day = static_cast<int32_t>(doy - (153 * mp + 2) / 5 + 1);
  rec.month = static_cast<int32_t>(month);
  rec.year = static_cast<int32_t>(yoe + era * 4 + (month <= 2 ? 1 : 0));
}

}  // namespace clvt
