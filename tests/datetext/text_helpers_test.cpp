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

TEST(FindFirstOf, PositionAndMatchIndex) {
  struct Row {
    const char* text;
    int64_t start;
    const char* set;
    int32_t position, matchIndex;
  };
  constexpr Row kRows[] = {
      {"2015-11-22 CE", 1, "EC", 12, 2},
      {"2015-11-22 CE", -4, "-", 5, 1},
      {"2015-11-22 CE", 14, "E", 0, -1},
      {"abc", 1, "", 0, -1},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(std::string(r.text) + " from " + std::to_string(r.start) + " set " + r.set);
    int32_t matchIndex = -1;
    EXPECT_EQ(FindFirstOf(r.text, r.start, r.set, matchIndex), r.position);
    EXPECT_EQ(matchIndex, r.matchIndex);
  }
}

TEST(RemoveChars, RemovesEverySetCharacterFromStart) {
  struct Row {
    const char* text;
    const char* set;
    int64_t start;
    const char* expected;
  };
  constexpr Row kRows[] = {
      {"2015-11-22 CE", "CDEJ,.' ", 1, "2015-11-22"},
      {"1,300,290", ",", 3, "1,300290"},
      {"1,300,290", ",", -7, "1300290"},
      {"", "abc", 1, ""},
      {"\xC3\xA9t\xC3\xA9 2015", kDigitGroupSet, 1, "\xC3\xA9t\xC3\xA9"},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(std::string(r.text) + " set '" + r.set + "'");
    std::string text = r.text;
    RemoveChars(text, r.set, r.start);
    EXPECT_EQ(text, r.expected);
  }
}

TEST(IntegerText, DigitsWithAnAllowedLeadingSign) {
  struct Row {
    const char* text;
    bool allowMinus, allowPlus;
    const char* expected;
  };
  constexpr Row kRows[] = {
      {"1,300,290", false, false, "1300290"},
      {"-12", false, false, "12"},
      {"-12", true, false, "-12"},
      {"+12", false, true, "+12"},
      {"--5", true, false, "-5"},
      {"5-3", true, false, "53"},
      {"abc", false, false, ""},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(std::string(r.text) + (r.allowMinus ? " minus" : "") +
                 (r.allowPlus ? " plus" : ""));
    EXPECT_EQ(IntegerText(r.text, r.allowMinus, r.allowPlus), r.expected);
  }
}

TEST(SplitFields, Fields) {
  struct Row {
    const char* name;
    const char* text;
    const char* delimiter;
    int64_t start;
    bool trim;
    int16_t maxFields, minLength;
    std::vector<std::string> expected;
  };
  const Row kRows[] = {
      {"date", "2015-11-22", "-", 1, false, 0, 0, {"2015", "11", "22"}},
      {"one leading delimiter dropped", "-2015-11-22", "-", 1, false, 0, 0, {"2015", "11", "22"}},
      {"empty middle field", "2015--22", "-", 1, false, 0, 0, {"2015", "", "22"}},
      {"trimmed", " 1 , 2 ", ",", 1, true, 0, 0, {"1", "2"}},
      {"at most two", "a-b-c", "-", 1, false, 2, 0, {"a", "b"}},
      {"short fields skipped", "a-bb-c-dd", "-", 1, false, 0, 2, {"bb", "dd"}},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.name);
    std::vector<std::string> fields = {"stale", "stale", "stale", "stale"};
    const int16_t count =
        SplitFields(r.text, r.delimiter, r.start, fields, r.trim, r.maxFields, r.minLength);
    EXPECT_EQ(count, static_cast<int16_t>(r.expected.size()));
    EXPECT_EQ(fields, r.expected);
  }
}

TEST(SplitFields, NothingToSplitLeavesTheFieldsUntouched) {
  std::vector<std::string> fields = {"keep"};
  EXPECT_EQ(SplitFields("", "-", 1, fields, false), 0);
  EXPECT_EQ(SplitFields("2015", "-", 5, fields, false), 0);
  EXPECT_EQ(SplitFields("1-2", "-", 1, fields, false, 0, 2), 0);  // every field too short
  EXPECT_EQ(fields, std::vector<std::string>{"keep"});
}

TEST(SplitFields, CountStopsAtTheLargest16BitValue) {
  std::string text;
  for (int i = 0; i < 40000; ++i) text += "a-";
  std::vector<std::string> fields;
  EXPECT_EQ(SplitFields(text, "-", 1, fields, false), INT16_MAX);
  EXPECT_EQ(fields.size(), static_cast<std::size_t>(INT16_MAX));
}

TEST(RemoveLeadingAndTrailing, RepeatedAffixes) {
  struct Row {
    const char* text;
    const char* affix;
    const char* withoutLeading;
    const char* withoutTrailing;
  };
  constexpr Row kRows[] = {
      {"000120", "0", "120", "00012"},
      {"abab c ab", "ab", " c ab", "abab c "},
      {"xyxy", "xy", "", ""},
      {"120", "", "120", "120"},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(std::string(r.text) + " affix '" + r.affix + "'");
    std::string leading = r.text;
    RemoveLeading(leading, r.affix);
    EXPECT_EQ(leading, r.withoutLeading);
    std::string trailing = r.text;
    RemoveTrailing(trailing, r.affix);
    EXPECT_EQ(trailing, r.withoutTrailing);
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
  EXPECT_TRUE(IsWholeNumberPlain("-1,234", true, true));
  EXPECT_FALSE(IsWholeNumberPlain("1,234", false, false));
  EXPECT_TRUE(IsWholeNumberPlain(std::string(100000, '9'), false, false));
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
