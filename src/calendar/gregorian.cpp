// Era-based conversion after H. Hinnant, "chrono-Compatible Low-Level Date Algorithms"
// (days_from_civil / civil_from_days): a 400-year era of 146,097 days, years counted from
// 1 March so that the leap day falls at the end of the year.
#include "calendar/gregorian.h"

#include "calendar/floor_div.h"
#include "calendar/month_table.h"

namespace clvt {
namespace {

constexpr int64_t kDaysPerEra = 146097;          // 400 Gregorian years
constexpr int64_t kJdnOfMarch1Year0 = 1721120;   // JDN of Gregorian 0000-03-01

// Day of the year counted from 1 March: [0, 365].
constexpr int64_t DayOfMarchYear(int64_t month, int64_t day) {
  return (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
}

}  // namespace

bool GregorianIsLeapYear(int32_t year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int32_t GregorianDaysInMonth(int32_t month, int32_t year) {
  return MonthLength(month, GregorianIsLeapYear(year));
}

void GregorianDateToJDN(DateRec& rec) {
  const int32_t length = GregorianDaysInMonth(rec.month, rec.year);
  if (rec.day < 1 || rec.day > length) {
    rec.valid = 0;
    return;
  }
  const int64_t y = int64_t{rec.year} - (rec.month <= 2 ? 1 : 0);
  const int64_t era = FloorDiv(y, 400);
  const int64_t yoe = y - era * 400;                                  // [0, 399]
  const int64_t doy = DayOfMarchYear(rec.month, rec.day);             // [0, 365]
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;          // [0, 146096]
  const int64_t jdn = era * kDaysPerEra + doe + kJdnOfMarch1Year0;    // |jdn| < 2^42
  if (!FitsInt32(jdn)) {
    rec.valid = 0;
    return;
  }
  rec.jdn = static_cast<int32_t>(jdn);
  rec.valid = 1;
}

void GregorianJDNToDate(DateRec& rec) {
  const int64_t z = int64_t{rec.jdn} - kJdnOfMarch1Year0;
  const int64_t era = FloorDiv(z, kDaysPerEra);
  const int64_t doe = z - era * kDaysPerEra;                                  // [0, 146096]
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
  const int64_t mp = (5 * doy + 2) / 153;                                     // [0, 11]
  const int64_t month = mp < 10 ? mp + 3 : mp - 9;                            // [1, 12]
  rec.day = static_cast<int32_t>(doy - (153 * mp + 2) / 5 + 1);
  rec.month = static_cast<int32_t>(month);
  rec.year = static_cast<int32_t>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace clvt
