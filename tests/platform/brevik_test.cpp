// The program text stand-in: every load result, the text length limit, the line-end and byte
// handling, and that gt never writes past its buffer.
#include "platform/brevik/brevik.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

std::string WriteFile(const std::string& name, const std::string& content) {
  const std::string path = ::testing::TempDir() + "brevik_" + name;
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

int32_t LoadText(const std::string& name, const std::string& content) {
  return lt(WriteFile(name, content).c_str(), 0);
}

// Text `number` through a roomy buffer; "<none>" when gt reports no text.
std::string Text(int32_t number) {
  std::array<char, 2048> buffer{};
  const int32_t n = gt(number, 0, buffer.data(), 1024, 1);
  if (n < 1) return "<none>";
  EXPECT_EQ(buffer[static_cast<std::size_t>(n)], '\0');
  return std::string(buffer.data(), static_cast<std::size_t>(n));
}

std::string CommentLines(int count) {
  std::string lines;
  for (int i = 0; i < count; ++i) lines += "# comment\n";
  return lines;
}

TEST(Brevik, LoadResultCodes) {
  struct Row {
    const char* name;
    std::string content;
    int32_t expected;
  };
  const std::string tooLong = "1 " + std::string(1024, 'x') + "\n";
  const Row rows[] = {
      {"empty file", "", -6},
      {"number without text", "13\n", -501},
      {"number and blanks only, line 2", "# c\n13 \t \r\n", -502},
      {"text of 1024 bytes on line 1", tooLong, -1001},
      {"duplicate on line 3", "13 a\n# c\n13 b\n", -1503},
      {"word instead of number", "Help file\n", -4},
      {"plus sign", "+13 Help\n", -4},
      {"number beyond 16 bits", "32768 x\n", -4},
      // No control character may reach a caption or the settings path.
      {"zero byte in text", std::string("13 a\0b\n", 7), -4},
      {"tab inside text", "13 Help\tfile\n", -4},
      {"lone CR ends a line", "# c\r13\r", -502},
      {"CR, then CR LF: two line ends", "# c\r\r\n13 a\r13 b\n", -1504},
      // Codes for lines past 500 would read as other faults ("-1001" is also "too long at
      // line 1"), so such lines get the code that names no line.
      {"missing text on line 500", CommentLines(499) + "13\n", -1000},
      {"missing text on line 501", CommentLines(500) + "13\n", -4},
      {"duplicate on line 2002", "7 a\n" + CommentLines(2000) + "7 b\n", -3502},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(LoadText("codes.dat", row.content), row.expected);
    EXPECT_EQ(Text(1), "<none>") << "a failed load leaves no text";
  }
}

TEST(Brevik, CannotOpen) {
  EXPECT_EQ(lt(nullptr, 0), -1);
  EXPECT_EQ(lt((::testing::TempDir() + "brevik_no_such_file.dat").c_str(), 0), -1);
  EXPECT_EQ(lt(::testing::TempDir().c_str(), 0), -1) << "a folder";
#ifndef _WIN32
  // A FIFO used to block the program's start for good; a device was read as a file.
  const std::string fifo = ::testing::TempDir() + "brevik_fifo.dat";
  std::remove(fifo.c_str());
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(lt(fifo.c_str(), 0), -1) << "a FIFO";
  std::remove(fifo.c_str());
  EXPECT_EQ(lt("/dev/zero", 0), -1) << "a device";
#endif
}

TEST(Brevik, TooMuchText) {
  EXPECT_EQ(LoadText("huge.dat", std::string(1024 * 1024 + 1, '#')), -3);

  std::string texts;
  for (int number = 0; number < 10000; ++number) texts += std::to_string(number) + " t\n";
  EXPECT_EQ(LoadText("many.dat", texts), 10000);
  EXPECT_EQ(LoadText("too_many.dat", texts + "-1 t\n"), -3);
}

// A file from an editor that ends lines with CR alone used to load as one text holding CR
// bytes, which blanked captions and moved the settings elsewhere.
TEST(Brevik, LoadsTextsAsWritten) {
  // A byte order mark, CR LF, lone CR and LF ends, a tab or blanks after the number, leading
  // blanks, a negative number, non-ASCII bytes kept as bytes, a last line without an end.
  const std::string content =
      "\xEF\xBB\xBF# texts\r\n"
      "13\tHelp file\r\r"
      "  18   Copy result to clipboard  \r\n"
      "-5 minus\r"
      "17 Gr\xC3\xB6\xC3\x9F"
      "e \xFF\xFE\n"
      "36 ~\r\n"
      "310 Vostrel Systems";
  ASSERT_EQ(LoadText("texts.dat", content), 6);
  EXPECT_EQ(Text(13), "Help file");
  EXPECT_EQ(Text(18), "Copy result to clipboard  ") << "trailing blanks belong to the text";
  EXPECT_EQ(Text(-5), "minus");
  EXPECT_EQ(Text(17),
            "Gr\xC3\xB6\xC3\x9F"
            "e \xFF\xFE");
  EXPECT_EQ(Text(36), "~") << "the empty-text marker is the caller's business";
  EXPECT_EQ(Text(310), "Vostrel Systems");
  EXPECT_EQ(Text(14), "<none>");
}

TEST(Brevik, GetNeverWritesPastSize) {
  ASSERT_EQ(LoadText("longest.dat", "1 " + std::string(1023, 'y') + "\n7 abcdef\n"), 2);
  struct Row {
    int32_t number, size, expected;
    std::string text;
  };
  const Row rows[] = {{1, 1024, 1023, std::string(1023, 'y')},
                      {7, 1, 0, ""},
                      {7, 4, 3, "abc"},
                      {7, 7, 6, "abcdef"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.size);
    std::array<char, 1100> buffer;
    buffer.fill('#');
    EXPECT_EQ(gt(row.number, 0, buffer.data(), row.size, 1), row.expected);
    EXPECT_EQ(std::string(buffer.data()), row.text);
    EXPECT_EQ(buffer[static_cast<std::size_t>(row.size)], '#');
  }
  std::array<char, 8> buffer;
  buffer.fill('#');
  EXPECT_EQ(gt(7, 1, buffer.data(), 8, 1), 0) << "only language 0 exists";
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(gt(7, 0, buffer.data(), -5, 1), 0);
  EXPECT_EQ(gt(7, 0, nullptr, 8, 1), 0);
}

TEST(Brevik, ALoadReplacesTheTextsBefore) {
  ASSERT_EQ(LoadText("first.dat", "1 one\n2 two\n"), 2);
  ASSERT_EQ(LoadText("second.dat", "2 zwei\n"), 1);
  EXPECT_EQ(Text(1), "<none>");
  EXPECT_EQ(Text(2), "zwei");
}

}  // namespace
