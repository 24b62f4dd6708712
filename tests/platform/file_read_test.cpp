#include "platform/file_read.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "support/scratch_dir.h"

namespace clvt {
namespace {

TEST(ReadFileBytes, ReadsWholeFilesUpToTheLimitAndReportsEmptyOnes) {
  testing::ScratchDir dir;
  const FileRead read = ReadFileBytes(dir.Write("a.txt", std::string("x\0y", 3)), 100);
  EXPECT_EQ(read.status, FileReadStatus::Ok);
  EXPECT_EQ(read.bytes, std::string("x\0y", 3));
  EXPECT_FALSE(read.truncated);

  EXPECT_EQ(ReadFileBytes(dir.Write("empty.txt", ""), 100).status, FileReadStatus::Empty);

  const std::string path = dir.Write("ten.txt", "0123456789");
  const FileRead cut = ReadFileBytes(path, 4);
  EXPECT_EQ(cut.bytes, "0123");
  EXPECT_TRUE(cut.truncated);

  const FileRead exact = ReadFileBytes(path, 10);
  EXPECT_EQ(exact.bytes, "0123456789");
  EXPECT_FALSE(exact.truncated);

#ifdef __linux__
  // The system gives the size of a /proc file as 0; the read still goes on to its end.
  const FileRead unsized = ReadFileBytes("/proc/self/smaps", 1 << 20);
  EXPECT_EQ(unsized.status, FileReadStatus::Ok);
  EXPECT_GT(unsized.bytes.size(), 4096U);
  EXPECT_EQ(unsized.bytes.back(), '\n');
  EXPECT_FALSE(unsized.truncated);
#endif
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
#ifdef _WIN32
      // The Windows C library reports a name beyond the path length limit as missing.
      {"file name too long", dir.Path(std::string(5000, 'n')), 2, "No such file or directory"},
#else
      {"file name too long", dir.Path(std::string(5000, 'n')), 36, "File name too long"},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const FileRead read = ReadFileBytes(c.path, 100);
    EXPECT_EQ(read.status, FileReadStatus::CannotOpen);
    EXPECT_EQ(read.errorNumber, c.number);
    EXPECT_EQ(read.errorDescription, c.description);
    EXPECT_TRUE(read.bytes.empty());
  }
}

#ifndef _WIN32
// A FIFO without a writer used to block the program at open() for good, and a device without
// end was read as if it were a file.
TEST(ReadFileBytes, RefusesWhatIsNotARegularFileWithoutWaiting) {
  testing::ScratchDir dir;
  const std::string fifo = dir.Path("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo, std::string("/dev/zero")}) {
    SCOPED_TRACE(path);
    const FileRead read = ReadFileBytes(path, 1000);
    EXPECT_EQ(read.status, FileReadStatus::CannotOpen);
    EXPECT_EQ(read.errorDescription, "No such device or address");
    EXPECT_TRUE(read.bytes.empty());
  }
}
#endif

TEST(WithoutByteOrderMark, DropsOneLeadingMarkOnly) {
  struct Row {
    const char* name;
    std::string_view bytes, expected;
  };
  const Row kRows[] = {
      {"mark and text", "\xEF\xBB\xBFHelp", "Help"},
      {"mark alone", "\xEF\xBB\xBF", ""},
      {"only the first of two", "\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF"},
      {"part of a mark", "\xEF\xBBx", "\xEF\xBBx"},
      {"mark not at the start", "x\xEF\xBB\xBF", "x\xEF\xBB\xBF"},
      {"empty", "", ""},
  };
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(WithoutByteOrderMark(r.bytes), r.expected);
  }
}

}  // namespace
}  // namespace clvt
