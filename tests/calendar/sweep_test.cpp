// Every day of the years -99,999 to 99,999 in the Gregorian, Julian, Dee and Dee-Cecil
// calendars: the date converts to the JDN one greater than the day before and back to itself,
// the weekday advances by one, the day after each month's last does not exist, the month
// lengths sum to the year length, and the Gregorian and Julian JDNs agree with an independent
// textbook formula.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "calendar/calendar.h"
#include "calendar/dee.h"
#include "platform/morvel/gregorian.h"
#include "platform/morvel/julian.h"

namespace clvt {
namespace {

constexpr int32_t kFirstYear = -99999;
constexpr int32_t kLastYear = 99999;
constexpr int32_t kMonthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Division rounding toward minus infinity, written here rather than borrowed from the code
// under test.
int64_t Floor(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

// Fliegel and Van Flandern, "A Machine Algorithm for Processing Calendar Dates" (1968), for
// the Gregorian calendar; with floor divisions it holds for every year, not only years after
// -4800. The month shift (m - 14) / 12 truncates on purpose: -1 for January and February.
int64_t TextbookGregorianJDN(int64_t y, int64_t m, int64_t d) {
  const int64_t a = (m - 14) / 12;
  return Floor(1461 * (y + 4800 + a), 4) + Floor(367 * (m - 2 - 12 * a), 12) -
         Floor(3 * Floor(y + 4900 + a, 100), 4) + d - 32075;
}

// The same authors' Julian-calendar form; (m - 9) / 7 is -1 for January and February.
int64_t TextbookJulianJDN(int64_t y, int64_t m, int64_t d) {
  const int64_t a = (m - 9) / 7;
  return 367 * y - Floor(7 * (y + 5001 + a), 4) + (275 * m) / 9 + d + 1729777;
}

bool GregorianLeap(int64_t y) { return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0); }
bool JulianLeap(int64_t y) { return y % 4 == 0; }
bool DeeLeap(int64_t y) { return (((y - 1) % 33 + 33) % 33 + 1) % 4 == 0; }

struct Calendar {
  int32_t code;
  bool (*leap)(int64_t);
  int32_t (*daysInMonth)(int32_t, int32_t);
  int64_t (*textbook)(int64_t, int64_t, int64_t);  // null for the Dee calendar
};

constexpr Calendar kGregorian{kCalendarGregorian, GregorianLeap, GregorianDaysInMonth,
                              TextbookGregorianJDN};
constexpr Calendar kJulian{kCalendarJulian, JulianLeap, JulianDaysInMonth, TextbookJulianJDN};
constexpr Calendar kDee{kCalendarDee, DeeLeap, DeeDaysInMonth, nullptr};

// Collects the first few mismatches instead of flooding the output with millions.
class Faults {
 public:
  void Add(const char* what, int64_t y, int64_t m, int64_t d) {
    if (++count_ <= 5) {
      text_ += std::string(what) + " at " + std::to_string(y) + "-" + std::to_string(m) + "-" +
               std::to_string(d) + "\n";
    }
  }
  int64_t count() const { return count_; }
  const std::string& text() const { return text_; }

 private:
  int64_t count_ = 0;
  std::string text_;
};

// Walks every day from kFirstYear-01-01, whose JDN is firstJDN, to kLastYear-12-31.
// dee is the variant of the Dee walks; the calendar library ignores it.
void WalkEveryDay(const Calendar& cal, int64_t firstJDN, const DeeVariant& dee) {
  Faults faults;
  int64_t jdn = firstJDN;
  int16_t weekday = DayOfWeek(static_cast<int32_t>(jdn - 1));
  for (int64_t y = kFirstYear; y <= kLastYear; ++y) {
    const int64_t yearStart = jdn;
    int32_t monthSum = 0;
    for (int32_t m = 1; m <= 12; ++m) {
      const int32_t length = kMonthDays[m] + (m == 2 && cal.leap(y) ? 1 : 0);
      monthSum += cal.daysInMonth(m, static_cast<int32_t>(y));
      for (int32_t d = 1; d <= length; ++d, ++jdn) {
        DateRec rec{static_cast<int32_t>(y), m, d, cal.code, -1, 0};
        DateToJDN(rec, dee);
        if (rec.valid != 1 || rec.jdn != jdn) faults.Add("date to JDN", y, m, d);
        DateRec back{0, 0, 0, cal.code, static_cast<int32_t>(jdn), 0};
        JDNToDate(back, dee);
        if (back.year != y || back.month != m || back.day != d) faults.Add("JDN to date", y, m, d);
        const int16_t next = DayOfWeek(static_cast<int32_t>(jdn));
        if (next != (weekday + 1) % 7) faults.Add("weekday", y, m, d);
        weekday = next;
        if (cal.textbook != nullptr && cal.textbook(y, m, d) != jdn) {
          faults.Add("textbook formula", y, m, d);
        }
      }
      DateRec past{static_cast<int32_t>(y), m, length + 1, cal.code, -1, 0};
      DateToJDN(past, dee);
      if (past.valid != 0) faults.Add("day after month end exists", y, m, length + 1);
    }
    if (monthSum != jdn - yearStart) faults.Add("month lengths", y, 0, 0);
  }
  EXPECT_EQ(faults.count(), 0) << faults.text();
}

// JDN of Dee kFirstYear-01-01: the epoch less the lengths of the years kFirstYear to 0.
int64_t DeeFirstJDN(int32_t epoch) {
  int64_t jdn = epoch;
  for (int64_t y = kFirstYear; y <= 0; ++y) jdn -= DeeLeap(y) ? 366 : 365;
  return jdn;
}

TEST(Sweep, GregorianEveryDay) {
  WalkEveryDay(kGregorian, TextbookGregorianJDN(kFirstYear, 1, 1), kDeeCecilVariant);
}

TEST(Sweep, JulianEveryDay) {
  WalkEveryDay(kJulian, TextbookJulianJDN(kFirstYear, 1, 1), kDeeCecilVariant);
}

TEST(Sweep, DeeEveryDay) { WalkEveryDay(kDee, DeeFirstJDN(kDeeVariant.epochJdn), kDeeVariant); }

TEST(Sweep, DeeCecilEveryDay) {
  WalkEveryDay(kDee, DeeFirstJDN(kDeeCecilVariant.epochJdn), kDeeCecilVariant);
}

}  // namespace
}  // namespace clvt
