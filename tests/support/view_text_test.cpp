#include "support/view_text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/scratch_dir.h"

namespace clvt {
namespace {

const std::u32string kFirstNote =
    U"NOTE: This file is too large to display entirely in this textbox.\r\n"
    U"To view the entire contents of the file load it into NotePad,\r\n"
    U"WordPad or some other text editor.\r\n\r\n";
const std::u32string kSecondNote = U"NOTE: Entire contents of file have not been displayed.\r\n";
// 168 and 56 characters: the file keeps 65,530 - 224 = 65,306 of its own.

// A text whose characters tell their positions apart, so a slice taken from the wrong place
// shows.
std::u32string Numbered(std::size_t length) {
  std::u32string text(length, U' ');
  for (std::size_t i = 0; i < length; ++i) {
    text[i] = U'a' + char32_t(i % 26) + char32_t(i / 26 % 2) * 0x100;
  }
  return text;
}

// 65,529 characters show whole; from 65,530 on the file is cut between the two notes and
// joined to the second by two line ends: 65,534 characters, each CR and LF counting one. We
// used to join it with one line end.
TEST(TextForTextBox, ShowsUpToTheLimitAndCutsBetweenTheNotesFromIt) {
  EXPECT_EQ(TextForTextBox(U""), U"");
  EXPECT_EQ(TextForTextBox(Numbered(65529)), Numbered(65529));
  for (const std::size_t length : {std::size_t{65530}, std::size_t{300000}}) {
    SCOPED_TRACE(length);
    const std::u32string file = Numbered(length);
    const std::u32string shown = TextForTextBox(file);
    EXPECT_EQ(shown, kFirstNote + file.substr(0, 65306) + U"\r\n\r\n" + kSecondNote);
    EXPECT_EQ(shown.size(), 65534u);
  }
}

TEST(ReadViewerText, FileWithoutCharactersCountsAsEmpty) {
  testing::ScratchDir dir;
  for (const char* bytes : {"", "\xEF\xBB\xBF"}) {
    SCOPED_TRACE(bytes);
    const ViewerText read = ReadViewerText(dir.Write("empty.txt", bytes), "Title", "Empty");
    EXPECT_EQ(read.failure, (Message{"Empty", "Title", Icon::Exclamation, Buttons::Ok}));
    EXPECT_EQ(read.text, U"");
  }
}

TEST(ReadViewerText, HugeFileIsReadInPartAndCutBetweenTheNotes) {
  testing::ScratchDir dir;
  // 3 MB of three-byte characters, cut by the bounded read inside a character.
  std::string bytes;
  for (int i = 0; i < 1000000; ++i) bytes += "\xE2\x82\xAC";
  const ViewerText read = ReadViewerText(dir.Write("huge.txt", bytes), "Title", "Empty");
  EXPECT_FALSE(read.failure.has_value());
  EXPECT_EQ(read.text, kFirstNote + std::u32string(65306, U'\u20AC') + U"\r\n\r\n" + kSecondNote);
}

TEST(LayOutViewer, ButtonsFollowTheTextBoxAndSmallSizesSnapBack) {
  struct Case {
    const char* name;
    int32_t width, height, copyWidth;
    ViewerLayout expected;
  } const cases[] = {
      {"design size",
       11790,
       6990,
       3270,
       {11790, 6990, {105, 105, 11340, 5790}, {105, 5995, 3270, 375}, {9705, 5995, 1740, 375}}},
      {"below the minimum",
       7999,
       1999,
       3270,
       {8000, 2000, {105, 105, 7550, 800}, {105, 1005, 3270, 375}, {5915, 1005, 1740, 375}}},
      {"negative",
       -5,
       -70000,
       3270,
       {8000, 2000, {105, 105, 7550, 800}, {105, 1005, 3270, 375}, {5915, 1005, 1740, 375}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ViewerLayout layout = LayOutViewer(c.width, c.height, c.copyWidth);
    EXPECT_EQ(layout.outerWidth, c.expected.outerWidth);
    EXPECT_EQ(layout.outerHeight, c.expected.outerHeight);
    EXPECT_EQ(layout.text, c.expected.text);
    EXPECT_EQ(layout.copy, c.expected.copy);
    EXPECT_EQ(layout.close, c.expected.close);
  }
}

}  // namespace
}  // namespace clvt
