#include "support/text_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/scratch_dir.h"

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
      // An overlong "/" and an encoded surrogate are not UTF-8: the file is single-byte text.
      {"overlong form", "\xC0\xAF", false, U"\u00C0\u00AF"},
      {"above U+10FFFF", "\xF4\x90\x80\x80", false, U"\u00F4\uFFFD\u20AC\u20AC"},
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

TEST(ReadFileBytes, ReadsWholeFilesUpToTheLimitAndReportsEmptyOnes) {
  testing::ScratchDir dir;
  const FileRead read = ReadFileBytes(dir.Write("a.txt", std::string("x\0y", 3)));
  EXPECT_EQ(read.status, FileReadStatus::Ok);
  EXPECT_EQ(read.bytes, std::string("x\0y", 3));
  EXPECT_FALSE(read.truncated);

  EXPECT_EQ(ReadFileBytes(dir.Write("empty.txt", "")).status, FileReadStatus::Empty);

  const std::string path = dir.Write("ten.txt", "0123456789");
  const FileRead cut = ReadFileBytes(path, 4);
  EXPECT_EQ(cut.bytes, "0123");
  EXPECT_TRUE(cut.truncated);

  const FileRead exact = ReadFileBytes(path, 10);
  EXPECT_EQ(exact.bytes, "0123456789");
  EXPECT_FALSE(exact.truncated);
}

TEST(ReadFileBytes, FailuresCarryTheSystemErrorAndItsEnglishText) {
  testing::ScratchDir dir;
  struct Case {
    const char* name;
    std::string path;
    int number;
    const char* description;
  } const cases[] = {
      {"missing file", dir.Path("missing.txt"), 2, "No such file or directory"},
      {"directory", dir.Path(""), 21, "Is a directory"},
      {"path with a NUL", std::string("a\0b", 3), 22, "Invalid argument"},
      {"file name too long", dir.Path(std::string(5000, 'n')), 36, "File name too long"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const FileRead read = ReadFileBytes(c.path);
    EXPECT_EQ(read.status, FileReadStatus::Failed);
    EXPECT_EQ(read.errorNumber, c.number);
    EXPECT_EQ(read.errorDescription, c.description);
    EXPECT_TRUE(read.bytes.empty());
  }
}

TEST(ReadFileBytes, DeviceWithoutEndGivesABoundedRead) {
  const FileRead read = ReadFileBytes("/dev/zero", 1000);
  EXPECT_EQ(read.status, FileReadStatus::Ok);
  EXPECT_EQ(read.bytes.size(), 1000u);
  EXPECT_TRUE(read.truncated);
}

}  // namespace
}  // namespace clvt
