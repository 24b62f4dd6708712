// Date, weekday, number and time-of-day texts: the worked examples, the year grouping threshold
// at 9,999 / 10,000 in both directions, the era styles, grouping symbols of more than one byte,
// and the minute boundaries of the equinox times.
#include "datetext/formatting.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>

#include "calendar/calendar.h"
#include "platform/digit_grouping.h"

namespace clvt {
namespace {

// Pins the grouping symbol to "," (the reference settings) and restores the locale's symbol
// afterwards.
class Formatting : public ::testing::Test {
 protected:
  void SetUp() override { OverrideNumberSymbols(","); }
  void TearDown() override { OverrideNumberSymbols(std::nullopt); }
};

struct Grouped {
  int32_t n;
  const char* comma;
  const char* narrowSpace;  // U+202F NARROW NO-BREAK SPACE, three bytes in UTF-8
  const char* period;
};

TEST_F(Formatting, GroupDigitsWithEachSymbol) {
  constexpr Grouped kRows[] = {
      {999, "999", "999", "999"},
      {1000, "1,000", "1\u202F000", "1.000"},
      {-999, "-999", "-999", "-999"},
      {-1000, "-1,000", "-1\u202F000", "-1.000"},
      {INT32_MAX, "2,147,483,647", "2\u202F147\u202F483\u202F647", "2.147.483.647"},
      {INT32_MIN, "-2,147,483,648", "-2\u202F147\u202F483\u202F648", "-2.147.483.648"},
  };
  for (const Grouped& r : kRows) {
    SCOPED_TRACE(r.n);
    EXPECT_EQ(GroupDigits(r.n), r.comma);
    OverrideNumberSymbols("\u202F", ",");
    EXPECT_EQ(GroupDigits(r.n), r.narrowSpace);
    OverrideNumberSymbols(".", ",");
    EXPECT_EQ(GroupDigits(r.n), r.period);
    OverrideNumberSymbols(",");
  }
}

TEST_F(Formatting, SeparateThousands) {
  struct Row {
    const char* text;
    const char* separator;
    const char* expected;
  };
  constexpr Row kRows[] = {
      {"-4999999", ",", "-4,999,999"},
      {"12345", "", "12345"},
      {"1234567", "\u202F", "1\u202F234\u202F567"},
      {"1234567", "'x", "1'x234'x567"},
      // We used to lose texts too long for the library's 20-byte buffer: 64-bit years.
      {"-9223372036854775808", ",", "-9,223,372,036,854,775,808"},
      {"1234567890123456", ",", "1,234,567,890,123,456"},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(std::string(r.text) + " with '" + r.separator + "'");
    EXPECT_EQ(SeparateThousands(r.text, r.separator), r.expected);
  }
}

TEST_F(Formatting, DayNameOutsideTheWeekIsEmpty) {
  EXPECT_EQ(DayName(0) + DayName(6), "SundaySaturday");
  EXPECT_EQ(DayName(7) + DayName(-1) + DayName(INT_MIN) + DayName(INT_MAX), "");
}

// Every year the program writes, in whichever text, is grouped by this one rule.
TEST_F(Formatting, YearTextGroupsOnlyBeyond9999) {
  struct Row {
    int64_t year;
    const char* symbol;
    const char* expected;
  };
  constexpr Row kRows[] = {
      {2015, ",", "2015"},
      {9999, ",", "9999"},
      {10000, ",", "10,000"},
      {-9999, ",", "-9999"},
      {-10000, ",", "-10,000"},
      {-12345, "\u202F", "-12\u202F345"},
      {INT32_MIN, ",", "-2,147,483,648"},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.expected);
    EXPECT_EQ(YearText(r.year, r.symbol), r.expected);
  }
  EXPECT_EQ(YearText(12345), "12,345");  // the user's symbol
  // The table's dates take the separator they are given, not the user's.
  EXPECT_EQ(DateText({10000, 3, 21, 'G', 0, 1}, "-", "."), "10.000-03-21");
}

// JDNs from published anchors: Gregorian 2000-01-01 is 2,451,545 and 1-1-1 is 1,721,426; the
// 400-year cycle has 146,097 days.
constexpr int32_t kJDN2015 = 2457349;
constexpr int32_t kGregorianYear0March1 = 1721120;  // 0-03-01
constexpr int32_t kGregorianMinus9999 = -1930999;   // -9999-01-01 = 2001-01-01 - 30 cycles
constexpr int32_t kGregorianMinus12345 = -2787858;  // -12345-01-01 = 1655-01-01 - 35 cycles

TEST_F(Formatting, TraditionalDateEraStyles) {
  struct Row {
    const char* name;
    Calendar calendar;
    int32_t jdn;
    int eraIn;
    int eraOut;
    const char* expected;
  };
  constexpr Row kRows[] = {
      {"nothing selected selects CE", Calendar::kGregorian, kJDN2015, -1, kEraCE,
       "November 22, 2015 CE"},
      {"empty item selects CE", Calendar::kGregorian, kJDN2015, 0, kEraCE, "November 22, 2015 CE"},
      {"BC gives AD for a year after 0", Calendar::kGregorian, kJDN2015, kEraBC, kEraBC,
       "November 22, 2015 AD"},
      {"BCE gives CE", Calendar::kGregorian, kJDN2015, kEraBCE, kEraBCE, "November 22, 2015 CE"},
      {"unknown position", Calendar::kGregorian, kJDN2015, 9, 9, "November 22, 2015 CE"},
      {"year 0 is 1 BCE", Calendar::kGregorian, kGregorianYear0March1, kEraCE, kEraCE,
       "March 1, 1 BCE"},
      {"-9999 is 10,000 BCE", Calendar::kGregorian, kGregorianMinus9999, kEraCE, kEraCE,
       "January 1, 10,000 BCE"},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.name);
    int era = r.eraIn;
    EXPECT_EQ(TraditionalDate(r.calendar, r.jdn, kDeeCecilVariant, era), r.expected);
    EXPECT_EQ(era, r.eraOut);
  }
}

TEST_F(Formatting, TraditionalDateOfTheFirstJDN) {
  // 1 - INT32_MIN does not fit in int32_t; the year must still come out whole.
  int era = kEraCE;
  const std::string text = TraditionalDate(Calendar::kJulian, INT32_MIN, kDeeCecilVariant, era);
  EXPECT_TRUE(text.ends_with(" BCE")) << text;
  EXPECT_NE(text.find(",8"), std::string::npos) << text;
}

// The golden transcripts of clvt convert show the worked dates in every calendar and variant.
TEST_F(Formatting, AYNDateOfYear0AndOfGroupedNegativeYears) {
  EXPECT_EQ(AYNDate(Calendar::kGregorian, 1721425, kDeeCecilVariant), "0-12-31 CE");
  EXPECT_EQ(AYNDate(Calendar::kGregorian, kGregorianMinus12345, kDeeCecilVariant),
            "-12,345-01-01 CE");
  OverrideNumberSymbols("\u202F", ",");
  EXPECT_EQ(AYNDate(Calendar::kGregorian, kGregorianMinus12345, kDeeCecilVariant),
            "-12\u202F345-01-01 CE");
}

// Ties are exact in whole numbers: std::to_chars rounded 15.625 to even, "15.62", and so
// did the equinox summary of 5 of 32 years.
TEST_F(Formatting, PercentTextRoundsHalfAwayFromZero) {
  const std::tuple<int32_t, int32_t, int, const char*> rows[] = {
      {5, 32, 2, "15.63"},
      {5, 8, 0, "63"},
      {1, 8, 2, "12.50"},
      {2, 3, 2, "66.67"},
      {1, 64, 2, "1.56"},
      {0, 7, 2, "0.00"},
      {-5, 8, 0, "-63"},
      {-1, 800, 0, "0"},
      {3, 3, 2, "100.00"},
      {1, 0, 2, ""},
      {40, 3, 0, "1,333"},
      {1, 3, 9, "33.333333"},
      {INT32_MAX, 1, 0, "214,748,364,700"},
  };
  for (const auto& [count, total, decimals, expected] : rows) {
    SCOPED_TRACE(std::to_string(count) + " of " + std::to_string(total));
    EXPECT_EQ(PercentText(count, total, decimals), expected);
  }
  OverrideNumberSymbols(".", ",");
  EXPECT_EQ(PercentText(2, 3, 2), "66,67");
}

TEST(TimeOfDayText, HoursAndMinutes) {
  struct Row {
    const char* name;
    double x;
    const char* expected;
  };
  const Row kRows[] = {
      {"10/24 is not 09:59", 10.0 / 24.0, "10:00"},
      {"noon", 0.5, "12:00"},
      {"day number kept out", 2457349.25, "06:00"},
      {"negative day number", -0.25, "18:00"},
      {"last second of the day", 86399.0 / 86400.0, "23:59"},
      {"a second shown as no minute", 59.0 / 86400.0, "00:00"},
      {"NaN", std::numeric_limits<double>::quiet_NaN(), "00:00"},
      {"infinity", std::numeric_limits<double>::infinity(), "00:00"},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(TimeOfDayText(r.x), r.expected);
  }
}

TEST(RoundToMinute, ThirtySecondsRoundDown) {
  constexpr double kDay = 2460389.0;
  struct Row {
    const char* name;
    double x;
    double expected;
  };
  const auto at = [](int h, int m, int s) { return kDay + (h * 3600 + m * 60 + s) / 86400.0; };
  const Row kRows[] = {
      {"12:00:30 -> 12:00", at(12, 0, 30), kDay + 720.0 / 1440.0},
      {"12:00:31 -> 12:01", at(12, 0, 31), kDay + 721.0 / 1440.0},
      {"23:59:45 -> next day", at(23, 59, 45), kDay + 1.0},
      {"23:59:30 stays in the day", at(23, 59, 30), kDay + 1439.0 / 1440.0},
      {"negative day", -1.0 + 0.75, -0.25},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.name);
    double x = r.x;
    RoundToMinute(x);
    EXPECT_DOUBLE_EQ(x, r.expected);
  }
}

TEST(RoundToMinute, LeavesNonFiniteValuesAlone) {
  double inf = std::numeric_limits<double>::infinity();
  double nan = std::numeric_limits<double>::quiet_NaN();
  RoundToMinute(inf);
  RoundToMinute(nan);
  EXPECT_TRUE(std::isinf(inf) && std::isnan(nan));
}

}  // namespace
}  // namespace clvt
