#include "platform/shell.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#ifndef _WIN32
#include <signal.h>
#endif

#include "support/scratch_dir.h"

namespace clvt {
namespace {

// A stand-in opener: records its arguments, one a line, then exits with the given status.
std::string WriteOpener(const testing::ScratchDir& dir, const std::string& body) {
  const std::string log = dir.Path("arguments.log");
  const std::string path =
      dir.Write("opener", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> '" + log +
                              "'; done\n" + body + "\n");
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  return path;
}

std::string Arguments(const testing::ScratchDir& dir) {
  std::ifstream in(dir.Path("arguments.log"));
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Opens target and polls until its outcome arrives (bounded, so a fault cannot hang the test).
std::optional<int> OpenAndWait(Shell& shell, const std::string& target) {
  std::optional<int> code;
  shell.Open(target, [&code](int c) { code = c; });
  for (int i = 0; i < 1000 && !code; ++i) {
    shell.Poll();
    if (!code) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return code;
}

TEST(SystemShell, MapsTheOpenersOutcomeOntoShellCodes) {
  struct Case {
    const char* body;
    int expected;
  } const cases[] = {
      {"exit 0", kShellSucceeded},     {"exit 2", kShellFileNotFound},
      {"exit 3", kShellNoAssociation}, {"exit 4", kShellNoAssociation},
      {"exit 77", kShellBadFormat},    {"kill -9 $$", kShellBadFormat},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    testing::ScratchDir dir;
    SystemShell shell(WriteOpener(dir, c.body));
    EXPECT_EQ(OpenAndWait(shell, "http://www.x.com/"), c.expected);
  }
  // Failures to start the opener at all.
  EXPECT_EQ(ShellCodeForStartError(ENOENT), kShellNoAssociation);
  EXPECT_EQ(ShellCodeForStartError(EACCES), kShellNoAssociation);
  EXPECT_EQ(ShellCodeForStartError(EAGAIN), kShellOutOfMemory);
  EXPECT_EQ(ShellCodeForStartError(E2BIG), kShellBadFormat);
}

TEST(SystemShell, PassesTheTargetAsOneArgumentWithoutACommandShell) {
  testing::ScratchDir dir;
  SystemShell shell(WriteOpener(dir, "exit 0"));
  const std::string target = "http://www.x.com/a b?c=1&d=$(touch pwned);e='`x`'";
  EXPECT_EQ(OpenAndWait(shell, target), kShellSucceeded);
  EXPECT_EQ(Arguments(dir), target + "\n");
  EXPECT_FALSE(std::filesystem::exists("pwned"));
}

// Without xdg-open nothing can open a link: retrying cannot help, so it is not "file not found"
// (we used to tell such users to try once more). Known at once, without polling.
TEST(SystemShell, MissingOpenerMeansNothingCanOpenTheTarget) {
  testing::ScratchDir dir;
  SystemShell shell(dir.Path("no-such-opener"));
  std::optional<int> code;
  shell.Open("http://www.x.com/", [&code](int c) { code = c; });
  EXPECT_EQ(code, kShellNoAssociation);
  EXPECT_FALSE(shell.Poll());
}

// Also on Windows, where the shell itself opens targets: a missing file, nothing to open, or a
// target cut short by a NUL never reaches the opener.
TEST(SystemShell, MissingEmptyOrCutTargetIsRefused) {
  testing::ScratchDir dir;
  SystemShell shell(WriteOpener(dir, "exit 0"));
  const std::string missing = dir.Path("missing.txt");
  EXPECT_EQ(OpenAndWait(shell, missing), kShellFileNotFound);
  EXPECT_EQ(OpenAndWait(shell, ""), kShellFileNotFound);
  EXPECT_EQ(OpenAndWait(shell, missing + std::string(1, '\0') + ".html"), kShellBadFormat);
  EXPECT_EQ(Arguments(dir), "");  // the opener was never started
}

TEST(SystemShell, FileNameLikeAnOptionIsNotTakenForOne) {
  testing::ScratchDir dir;
  SystemShell shell(WriteOpener(dir, "exit 0"));
  dir.Write("--manual", "x");
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path(""));
  EXPECT_EQ(OpenAndWait(shell, "--manual"), kShellSucceeded);
  std::filesystem::current_path(previous);
  EXPECT_EQ(Arguments(dir), "./--manual\n");
}

#ifndef _WIN32
// An opener that keeps running (a slow xdg-open, or a browser it runs in the foreground) must
// not hold up the caller: Open returns while it still runs, and its outcome comes from a poll.
TEST(SystemShell, OpenReturnsWhileASlowOpenerStillRuns) {
  for (const bool answerAtOnce : {false, true}) {
    SCOPED_TRACE(answerAtOnce);
    testing::ScratchDir dir;
    const std::string release = dir.Path("release");
    SystemShell shell(WriteOpener(dir, "echo $$ > '" + dir.Path("pid") + "'\nwhile [ ! -e '" +
                                           release + "' ]; do sleep 0.02; done\nexit 4"),
                      answerAtOnce ? std::chrono::milliseconds(0) : std::chrono::hours(1));
    std::optional<int> code;
    shell.Open("http://www.x.com/", [&code](int c) { code = c; });
    EXPECT_FALSE(code);

    // The opener is alive and waits for us.
    pid_t pid = 0;
    for (int i = 0; i < 1000 && pid == 0; ++i) {
      std::ifstream(dir.Path("pid")) >> pid;
      if (pid == 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_NE(pid, 0);
    EXPECT_EQ(::kill(pid, 0), 0);
    EXPECT_TRUE(shell.Poll());
    // Past the answer wait a running opener counts as a browser started in the foreground.
    EXPECT_EQ(code, answerAtOnce ? std::optional<int>(kShellSucceeded) : std::nullopt);

    dir.Write("release", "");
    for (int i = 0; i < 1000 && shell.Poll(); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_FALSE(shell.Poll());  // reaped
    EXPECT_EQ(code, answerAtOnce ? kShellSucceeded : kShellNoAssociation);
  }
}
#endif  // a POSIX process stands in for the opener

}  // namespace
}  // namespace clvt
