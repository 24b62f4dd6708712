// The calendar library stand-in through its C interface: published anchors, every int32_t
// extreme of the JDN, dates beyond the int32_t range, and digit grouping into its fixed
// 20-byte buffer with hostile input.
#include "platform/morvel/morvel.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr int32_t G = 'G';
constexpr int32_t J = 'J';

TEST(EuroDateToJDN, PublishedAnchors) {
  struct Row { int32_t year, month, day, calendar, jdn; };
  constexpr Row kRows[] = {
      {2015, 11, 22, G, 2457349}, {2015, 11, 22, J, 2457362},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(std::to_string(r.year) + " calendar " + std::to_string(r.calendar));
    DateRec rec{r.year, r.month, r.day, r.calendar, 0, 0};
    euro_date_to_jdn(&rec);
    EXPECT_EQ(rec.valid, 1);
    EXPECT_EQ(rec.jdn, r.jdn);
  }
}

TEST(EuroDate, Int32ExtremesRoundTrip) {
  constexpr int32_t kJDNs[] = {INT32_MIN, INT32_MIN + 366, -1, 0, INT32_MAX - 366, INT32_MAX};
  for (int32_t calendar : {G, J}) {
    for (int32_t jdn : kJDNs) {
      SCOPED_TRACE("calendar " + std::to_string(calendar) + " JDN " + std::to_string(jdn));
      DateRec rec{0, 0, 0, calendar, jdn, 0};
      jdn_to_euro_date(&rec);
      ASSERT_GE(rec.month, 1);
      ASSERT_LE(rec.month, 12);
      ASSERT_GE(rec.day, 1);
      ASSERT_LE(rec.day, 31);
      rec.jdn = 12345;
      euro_date_to_jdn(&rec);
      EXPECT_EQ(rec.valid, 1);
      EXPECT_EQ(rec.jdn, jdn);
    }
  }
}

// A date whose JDN would not fit in int32_t does not exist for the library: valid 0, jdn kept.
TEST(EuroDateToJDN, DatesBeyondInt32AreInvalid) {
  for (int32_t calendar : {G, J}) {
    SCOPED_TRACE("calendar " + std::to_string(calendar));
    DateRec last{0, 0, 0, calendar, INT32_MAX, 0};
    jdn_to_euro_date(&last);
    DateRec first{0, 0, 0, calendar, INT32_MIN, 0};
    jdn_to_euro_date(&first);
    // The last date is 31 December or not, so step a whole year on to be sure to leave.
    const DateRec kBeyond[] = {
        {last.year + 1, last.month, 1, calendar, 77, 1},
        {first.year - 1, first.month, 1, calendar, 77, 1},
        {INT32_MAX, 12, 31, calendar, 77, 1},
        {INT32_MIN, 1, 1, calendar, 77, 1},
        {INT32_MAX, 2, 29, calendar, 77, 1},
    };
    for (DateRec rec : kBeyond) {
      SCOPED_TRACE(rec.year);
      euro_date_to_jdn(&rec);
      EXPECT_EQ(rec.valid, 0);
      EXPECT_EQ(rec.jdn, 77);
    }
  }
}

TEST(EuroDateToJDN, DayAfterTheLastRepresentableDayIsInvalid) {
  for (int32_t calendar : {G, J}) {
    SCOPED_TRACE("calendar " + std::to_string(calendar));
    DateRec rec{0, 0, 0, calendar, INT32_MAX, 0};
    jdn_to_euro_date(&rec);
    // Step one day on by hand; the next day is either in the same month or the 1st of the next.
    DateRec next = rec;
    next.day += 1;
    euro_date_to_jdn(&next);
    if (next.valid == 0) {
      next = DateRec{rec.month == 12 ? rec.year + 1 : rec.year, rec.month % 12 + 1, 1, calendar,
                     77, 1};
      euro_date_to_jdn(&next);
    }
    EXPECT_EQ(next.valid, 0);
  }
}

TEST(EuroDate, NullRecordsAreIgnored) {
  EXPECT_EQ(euro_date_to_jdn(nullptr), 0);
  EXPECT_EQ(jdn_to_euro_date(nullptr), 0);
}

TEST(EuroDayOfWeek, ExtremesAndAnchors) {
  EXPECT_EQ(euro_day_of_week(2457349), 0);  // Sunday 22 November 2015
  EXPECT_EQ(euro_day_of_week(-1), 0);
  EXPECT_EQ(euro_day_of_week(INT32_MAX), 2);  // 2^31 = 2 (mod 7)
  EXPECT_EQ(euro_day_of_week(INT32_MIN), 6);
}

// Runs separate_thousands on a heap buffer of exactly 20 bytes, so that AddressSanitizer
// reports any write past it, and returns what stands before the first zero byte.
std::string Separate(const char* text, int32_t separator) {
  auto buffer = std::make_unique<char[]>(20);
  std::memset(buffer.get(), ' ', 20);
  separate_thousands(text, separator, buffer.get());
  const void* zero = std::memchr(buffer.get(), '\0', 20);
  EXPECT_NE(zero, nullptr) << "no terminating zero byte inside the buffer";
  return zero == nullptr ? std::string(buffer.get(), 20) : std::string(buffer.get());
}

TEST(SeparateThousands, GroupsByThreeFromTheRight) {
  struct Row { const char* text; int32_t separator; const char* expected; };
  constexpr Row kRows[] = {
      {"-4999999", ',', "-4,999,999"},
      {"999", ',', "999"},
      {"1000", '.', "1.000"},
      {"-1000", ',', "-1,000"},
      {"", ',', ""},
      {"-2147483648", ',', "-2,147,483,648"},
      // 19 characters fill the buffer up to its zero byte.
      {"123456789012345", ',', "123,456,789,012,345"},
      {"-12345678901234", ',', "-12,345,678,901,234"},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(Separate(r.text, r.separator), r.expected);
  }
}

TEST(SeparateThousands, TextTooLongForTheBufferGivesTheEmptyText) {
  const std::string longDigits(100000, '7');
  const std::string longNegative = "-" + std::string(15, '9');
  for (const std::string& text :
       {std::string("1234567890123456"), longNegative, longDigits}) {
    SCOPED_TRACE(text.size());
    EXPECT_EQ(Separate(text.c_str(), ','), "");
  }
}

TEST(SeparateThousands, NullArgumentsDoNotCrash) {
  EXPECT_EQ(Separate(nullptr, ','), "");
  EXPECT_EQ(separate_thousands("12345", ',', nullptr), 0);
}

}  // namespace
