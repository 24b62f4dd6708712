// The text helpers the input checks build on: every worked example, empty texts and sets,
// start positions outside the text, non-ASCII bytes and texts far longer than a date.
#include "datetext/text_helpers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace clvt {
namespace {

constexpr const char* kDigitGroupSet = "0123456789,.' ";

TEST(RemoveChars, RemovesEverySetCharacter) {
  struct Row {
    const char* text;
    const char* set;
    const char* expected;
  };
  constexpr Row kRows[] = {
      {"2015-11-22 CE", "CDEJ,.' ", "2015-11-22"},
      {"1,300,290", ",", "1300290"},
      {"", "abc", ""},
      {"\xC3\xA9t\xC3\xA9 2015", kDigitGroupSet, "\xC3\xA9t\xC3\xA9"},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(std::string(r.text) + " set '" + r.set + "'");
    std::string text = r.text;
    RemoveChars(text, r.set);
    EXPECT_EQ(text, r.expected);
  }
}

TEST(SplitFields, Fields) {
  struct Row {
    const char* name;
    const char* text;
    std::vector<std::string> expected;
  };
  const Row kRows[] = {
      {"date", "2015-11-22", {"2015", "11", "22"}},
      {"one leading delimiter dropped", "-2015-11-22", {"2015", "11", "22"}},
      {"trailing delimiter", "2015-11-22-", {"2015", "11", "22"}},
      {"empty middle field", "2015--22", {"2015", "", "22"}},
      {"trimmed", " 1 - 2 ", {"1", "2"}},
      {"empty", "", {}},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(SplitFields(r.text, "-"), r.expected);
  }
}

TEST(RemoveLeading, RepeatedPrefixes) {
  struct Row {
    const char* text;
    const char* prefix;
    const char* expected;
  };
  constexpr Row kRows[] = {
      {"000120", "0", "120"},
      {"abab c ab", "ab", " c ab"},
      {"xyxy", "xy", ""},
      {"120", "", "120"},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(std::string(r.text) + " prefix '" + r.prefix + "'");
    std::string text = r.text;
    RemoveLeading(text, r.prefix);
    EXPECT_EQ(text, r.expected);
  }
}

TEST(IsWholeNumber, DigitsExtraCharactersAndOneSign) {
  struct Row {
    const char* text;
    bool allowSign;
    const char* extra;
    bool expected;
  };
  constexpr Row kRows[] = {
      {"   ", true, "", false},
      {"", false, "", false},
      {"1,234", false, ",. ", true},
      {"1'234", false, ",. ", false},
      {"5-", true, "", false},
      {"-", true, "", true},
      {"-5", false, "", false},
      {"--5", true, "", false},
      {"\xD9\xA1\xD9\xA2", false, "", false},  // Arabic-Indic digits one and two
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(std::string("'") + r.text + "' extra '" + r.extra + "'");
    EXPECT_EQ(IsWholeNumber(r.text, r.allowSign, r.extra), r.expected);
  }
  EXPECT_TRUE(IsWholeNumber(std::string(100000, '9'), false, ""));
}

TEST(LeadingNumber, NumberAtTheStart) {
  struct Row {
    const char* text;
    double expected;
  };
  constexpr double kInf = std::numeric_limits<double>::infinity();
  constexpr Row kRows[] = {
      {"1,000", 1},  {" 2.5x", 2.5}, {"abc", 0}, {"1e999", kInf}, {"-1e999", -kInf},
      {"1e-999", 0}, {"1e+", 1},     {"", 0},    {"-", 0},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(LeadingNumber(r.text), r.expected);
  }
}

TEST(DigitsValue, SaturatesInsteadOfOverflowing) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  EXPECT_EQ(DigitsValue("0042"), 42);
  EXPECT_EQ(DigitsValue("-1,300.290"), 1300290);  // signs and group characters skipped
  EXPECT_EQ(DigitsValue("9223372036854775807"), kMax);
  EXPECT_EQ(DigitsValue("9223372036854775808"), kMax);
  EXPECT_EQ(DigitsValue(std::string(1000, '9')), kMax);
}

// clvt's columns keep a wide text whole; the copied result cuts it. Both count characters:
// a three-byte grouping symbol used to be counted as three columns.
TEST(PadToColumns, CountsCharactersAndCutsOrKeepsOverflow) {
  struct Row {
    const char* text;
    std::size_t columns;
    ColumnOverflow overflow;
    const char* expected;
  };
  constexpr Row kRows[] = {
      {"Julian:", 10, ColumnOverflow::kCut, "Julian:   "},
      {"Julian:", 10, ColumnOverflow::kOneBlank, "Julian:   "},
      {"1\u202F000", 6, ColumnOverflow::kCut, "1\u202F000 "},
      {"abcdef", 3, ColumnOverflow::kCut, "abc"},
      {"ab\u202Fdef", 3, ColumnOverflow::kCut, "ab\u202F"},
      {"abcdef", 3, ColumnOverflow::kOneBlank, "abcdef "},
      {"abc", 3, ColumnOverflow::kCut, "abc"},
      {"abc", 3, ColumnOverflow::kOneBlank, "abc "},
      {"", 0, ColumnOverflow::kOneBlank, " "},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(PadToColumns(row.text, row.columns, row.overflow), row.expected);
  }
}

}  // namespace
}  // namespace clvt
