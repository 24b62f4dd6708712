#include "calendar/dee.h"

#include "base/floor_div.h"
#include "platform/morvel/month_table.h"

namespace clvt {
namespace {

// Within a cycle the years at zero-based positions 3, 7, ..., 31 are leap: eight groups of
// four years (1,461 days each, leap year last), then one common year at position 32.
constexpr int64_t kFourYears = 1461;
constexpr int64_t kLeapGroups = 8;

}  // namespace

int32_t DeeCyclePosition(int32_t year) {
  return static_cast<int32_t>(FloorMod(int64_t{year} - 1, kDeeCycleYears) + 1);  // [1, 33]
}

bool DeeIsLeapYear(int32_t year) { return DeeCyclePosition(year) % 4 == 0; }

int32_t DeeDaysInMonth(int32_t month, int32_t year) {
  return MonthLength(month, DeeIsLeapYear(year));
}

void DeeDateToJDN(DateRec& rec, const DeeVariant& dee) {
  if (!DayExists(rec.year, rec.month, rec.day, DeeIsLeapYear)) {
    rec.valid = 0;
    return;
  }
  const int64_t cycle = FloorDiv(int64_t{rec.year} - 1, kDeeCycleYears);  // |cycle| < 2^26
  const int64_t i = int64_t{rec.year} - 1 - kDeeCycleYears * cycle;       // [0, 32]
  const int64_t leapDay = (rec.month > 2 && DeeIsLeapYear(rec.year)) ? 1 : 0;
  const int64_t days =
      kDeeCycleDays * cycle + 365 * i + i / 4 + kDaysBeforeMonth[rec.month] + leapDay + rec.day - 1;
  const int64_t jdn = int64_t{dee.epochJdn} + days;
  if (!FitsInt32(jdn)) {
    rec.valid = 0;
    return;
  }
  rec.valid = 1;
  rec.jdn = static_cast<int32_t>(jdn);
}

void DeeJDNToDate(DateRec& rec, const DeeVariant& dee) {
  const int64_t d = int64_t{rec.jdn} - dee.epochJdn;  // |d| < 2^33
  const int64_t cycle = FloorDiv(d, kDeeCycleDays);
  const int64_t r = d - cycle * kDeeCycleDays;                                        // [0, 12052]
  const int64_t group = r / kFourYears < kLeapGroups ? r / kFourYears : kLeapGroups;  // [0, 8]
  const int64_t inGroup = r - group * kFourYears;                                     // [0, 1460]
  const int64_t yearInGroup = group == kLeapGroups ? 0 : (inGroup / 365 < 3 ? inGroup / 365 : 3);
  int64_t dayOfYear = inGroup - 365 * yearInGroup;  // [0, 365]
  const int64_t year = 1 + kDeeCycleYears * cycle + 4 * group + yearInGroup;
  const bool leap = group < kLeapGroups && yearInGroup == 3;

  int32_t month = 1;
  while (dayOfYear >= MonthLength(month, leap)) {
    dayOfYear -= MonthLength(month, leap);
    ++month;
  }
  rec.year = static_cast<int32_t>(year);
  rec.month = month;
  rec.day = static_cast<int32_t>(dayOfYear + 1);
  rec.valid = 1;
}

}  // namespace clvt
