#include "platform/shell.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/scratch_dir.h"

namespace clvt {
namespace {

// A stand-in opener: records its arguments, one a line, then exits with the given status.
std::string WriteOpener(const testing::ScratchDir& dir, int exitStatus) {
  const std::string log = dir.Path("arguments.log");
  const std::string path = dir.Write(
      "opener", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> '" + log +
                    "'; done\nexit " + std::to_string(exitStatus) + "\n");
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  return path;
}

std::string Arguments(const testing::ScratchDir& dir) {
  std::ifstream in(dir.Path("arguments.log"));
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(SystemShell, MapsTheOpenersExitStatusOntoShellCodes) {
  struct Case {
    int exitStatus;
    int expected;
  } const cases[] = {
      {0, kShellSucceeded}, {2, kShellFileNotFound}, {3, kShellNoAssociation},
      {4, kShellNoAssociation}, {77, kShellBadFormat},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.exitStatus);
    testing::ScratchDir dir;
    SystemShell shell(WriteOpener(dir, c.exitStatus));
    EXPECT_EQ(shell.Open("http://www.x.com/"), c.expected);
  }
}

TEST(SystemShell, PassesTheTargetAsOneArgumentWithoutACommandShell) {
  testing::ScratchDir dir;
  SystemShell shell(WriteOpener(dir, 0));
  const std::string target = "http://www.x.com/a b?c=1&d=$(touch pwned);e='`x`'";
  EXPECT_EQ(shell.Open(target), kShellSucceeded);
  EXPECT_EQ(Arguments(dir), target + "\n");
  EXPECT_FALSE(std::filesystem::exists("pwned"));
}

TEST(SystemShell, MissingOpenerOrFileIsFileNotFound) {
  testing::ScratchDir dir;
  EXPECT_EQ(SystemShell(dir.Path("no-such-opener")).Open("http://www.x.com/"),
            kShellFileNotFound);

  SystemShell shell(WriteOpener(dir, 0));
  EXPECT_EQ(shell.Open(dir.Path("missing.txt")), kShellFileNotFound);
  EXPECT_EQ(shell.Open(""), kShellFileNotFound);
  EXPECT_EQ(Arguments(dir), "");  // the opener was never started
}

TEST(SystemShell, FileNameLikeAnOptionIsNotTakenForOne) {
  testing::ScratchDir dir;
  SystemShell shell(WriteOpener(dir, 0));
  dir.Write("--manual", "x");
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path(""));
  EXPECT_EQ(shell.Open("--manual"), kShellSucceeded);
  std::filesystem::current_path(previous);
  EXPECT_EQ(Arguments(dir), "./--manual\n");
}

}  // namespace
}  // namespace clvt
