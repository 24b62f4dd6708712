// Decimal digits, ASCII case and control bytes: the edges of int64_t, and bytes outside A-Z / a-z
// (UTF-8 sequences, whose bytes must never be touched) passing unchanged.
#include "base/ascii_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace clvt {
namespace {

TEST(DecimalText, PlainDigitsWithASignOnly) {
  struct Row {
    int64_t n;
    const char* expected;
  };
  constexpr Row kRows[] = {
      {0, "0"},
      {-500, "-500"},
      {2457349, "2457349"},
      {std::numeric_limits<int64_t>::max(), "9223372036854775807"},
      {std::numeric_limits<int64_t>::min(), "-9223372036854775808"},
  };
  for (const Row& r : kRows) EXPECT_EQ(DecimalText(r.n), r.expected);
}

TEST(AsciiCase, ChangesOnlyTheLettersAToZ) {
  struct Row {
    const char* text;
    const char* upper;
    const char* lower;
  };
  constexpr Row kRows[] = {
      {"2015-11-22 dc", "2015-11-22 DC", "2015-11-22 dc"},
      {"Help.TXT", "HELP.TXT", "help.txt"},
      {"@[`{", "@[`{", "@[`{"},  // the neighbours of A, Z, a and z
      {"\xC3\xA9t\xC3\xA9", "\xC3\xA9T\xC3\xA9", "\xC3\xA9t\xC3\xA9"},  // "été"
      {"", "", ""},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(UpperCase(r.text), r.upper);
    EXPECT_EQ(LowerCase(r.text), r.lower);
  }
}

TEST(IsAsciiControl, Bytes0To31And127) {
  for (const char c : std::string("\0\t\n\r\x1F\x7F", 6)) EXPECT_TRUE(IsAsciiControl(c)) << int(c);
  for (const char c : std::string(" ~\x80\xA0\xFF")) EXPECT_FALSE(IsAsciiControl(c)) << int(c);
}

}  // namespace
}  // namespace clvt
