#include "support/text_file.h"

#include <gtest/gtest.h>

#include <string>

namespace clvt {
namespace {

struct DecodeCase {
  const char* name;
  std::string bytes;
  bool cutEnd;
  std::u32string expected;
};

TEST(DecodeText, ChoosesUtf8OrWindows1252AndKeepsEveryCharacter) {
  const DecodeCase cases[] = {
      {"UTF-8 two, three and four bytes", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", false,
       U"caf\u00E9 \u20AC \U0001F600"},
      {"UTF-8 byte-order mark dropped", "\xEF\xBB\xBFHelp", false, U"Help"},
      {"lone Latin-1 byte means Windows-1252", "caf\xE9", false, U"caf\u00E9"},
      {"Windows-1252 euro and curly quotes", "\x80 \x93x\x94", false, U"\u20AC \u201Cx\u201D"},
      {"Windows-1252 undefined bytes", "\x81\x8D\x8F\x90\x9D", false,
       U"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
      // An encoded surrogate is not UTF-8 (platform/utf8.h): the file is single-byte text.
      {"encoded surrogate", "\xED\xA0\x80", false, U"\u00ED\u00A0\u20AC"},
      // Binary files used to stop at their first NUL; every byte must still show.
      {"NUL and control bytes in ASCII", std::string("a\0b\x01\x1B\x7F", 6), false,
       U"a\uFFFDb\uFFFD\uFFFD\uFFFD"},
      {"cut sequence at the end of a prefix", "ab\xE2\x82", true, U"ab"},
      {"cut sequence at the end of a whole file", "ab\xE2\x82", false, U"ab\u00E2\u201A"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DecodeText(c.bytes, c.cutEnd), c.expected);
  }
}

}  // namespace
}  // namespace clvt
