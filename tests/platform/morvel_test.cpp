// The calendar library stand-in through its C interface where the calendar tests do not reach:
// the ends of the int32_t JDN range, null records, and digit grouping into its fixed 20-byte
// buffer with hostile input. Anchors and weekdays go through it in the calendar tests.
#include "platform/morvel/morvel.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace {

// The first and last JDNs (and a year inside either end) round-trip; a date past either end,
// or in an extreme year, does not exist for the library: valid 0, jdn kept.
TEST(EuroDate, RangeEndsWhereTheJDNLeavesInt32) {
  for (const int32_t calendar : {'G', 'J'}) {
    SCOPED_TRACE(calendar);
    for (const int32_t jdn : {INT32_MIN, INT32_MIN + 366, INT32_MAX - 366, INT32_MAX}) {
      SCOPED_TRACE(jdn);
      DateRec rec{0, 0, 0, calendar, jdn, 0};
      jdn_to_euro_date(&rec);
      rec.jdn = 12345;
      euro_date_to_jdn(&rec);
      EXPECT_EQ(rec.valid, 1);
      EXPECT_EQ(rec.jdn, jdn);
    }
    DateRec last{0, 0, 0, calendar, INT32_MAX, 0};
    jdn_to_euro_date(&last);
    DateRec first{0, 0, 0, calendar, INT32_MIN, 0};
    jdn_to_euro_date(&first);
    // The day after the last: the next day of its month, or else the 1st of the next month.
    DateRec next{last.year, last.month, last.day + 1, calendar, 77, 1};
    euro_date_to_jdn(&next);
    EXPECT_EQ(next.valid, 0);
    next = {last.month == 12 ? last.year + 1 : last.year, last.month % 12 + 1, 1, calendar, 77, 1};
    const DateRec kBeyond[] = {
        next,
        {first.year - 1, first.month, 1, calendar, 77, 1},
        {INT32_MAX, 12, 31, calendar, 77, 1},
        {INT32_MIN, 1, 1, calendar, 77, 1},
        {INT32_MAX, 2, 29, calendar, 77, 1},
    };
    for (DateRec rec : kBeyond) {
      SCOPED_TRACE(std::to_string(rec.year) + "-" + std::to_string(rec.month));
      euro_date_to_jdn(&rec);
      EXPECT_EQ(rec.valid, 0);
      EXPECT_EQ(rec.jdn, 77);
    }
  }
  EXPECT_EQ(euro_date_to_jdn(nullptr), 0);
  EXPECT_EQ(jdn_to_euro_date(nullptr), 0);
}

// Runs separate_thousands on a heap buffer of exactly 20 bytes, so that AddressSanitizer
// reports any write past it, and returns what stands before the first zero byte.
std::string Separate(const char* text, int32_t separator = ',') {
  auto buffer = std::make_unique<char[]>(20);
  std::memset(buffer.get(), ' ', 20);
  separate_thousands(text, separator, buffer.get());
  const void* zero = std::memchr(buffer.get(), '\0', 20);
  EXPECT_NE(zero, nullptr) << "no terminating zero byte inside the buffer";
  return zero == nullptr ? std::string(buffer.get(), 20) : std::string(buffer.get());
}

TEST(SeparateThousands, GroupsByThreeFromTheRightWithinTheBuffer) {
  const std::string longDigits(100000, '7');
  struct Row {
    const char* text;
    const char* expected;
  };
  const Row kRows[] = {
      {"999", "999"},
      {"-1000", "-1,000"},
      {"", ""},
      {"-2147483648", "-2,147,483,648"},
      // 19 characters fill the buffer up to its zero byte; one more gives the empty text.
      {"123456789012345", "123,456,789,012,345"},
      {"-12345678901234", "-12,345,678,901,234"},
      {"1234567890123456", ""},
      {"-999999999999999", ""},
      {longDigits.c_str(), ""},
      {nullptr, ""},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.text == nullptr ? "null" : std::string(r.text).substr(0, 20));
    EXPECT_EQ(Separate(r.text), r.expected);
  }
  EXPECT_EQ(Separate("1000", '.'), "1.000");
  EXPECT_EQ(separate_thousands("12345", ',', nullptr), 0);
}

}  // namespace
