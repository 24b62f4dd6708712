// The desktop's opener for addresses and files. xdg-open's exit codes (its manual, EXIT CODES):
// 0 success, 1 bad command line, 2 a file passed did not exist, 3 a required tool was not
// found, 4 the action failed. 3 and 4 mean that nothing could open the target, which is what
// the Windows shell calls "no association" (31).
#include "platform/shell.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#else
#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace clvt {

SystemShell::SystemShell(std::string opener) : opener_(std::move(opener)) {}

#ifdef _WIN32

int SystemShell::Open(const std::string& target) {
  const HINSTANCE r =
      ShellExecuteA(nullptr, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return static_cast<int>(reinterpret_cast<INT_PTR>(r));
}

#else

namespace {

using std::chrono::milliseconds;
constexpr milliseconds kOpenerWait{2000};
constexpr milliseconds kPollInterval{20};

// Openers still running when Open stopped waiting; reaped on later calls so that none of them
// stays a zombie for long.
std::vector<pid_t>& PendingOpeners() {
  static std::vector<pid_t> pending;
  return pending;
}

void ReapFinishedOpeners() {
  auto& pending = PendingOpeners();
  std::erase_if(pending, [](pid_t pid) {
    int status = 0;
    return ::waitpid(pid, &status, WNOHANG) != 0;
  });
}

// "scheme:" as in RFC 3986: a letter, then letters, digits, "+", "-" or ".".
bool HasUrlScheme(const std::string& target) {
  const auto colon = target.find(':');
  if (colon == std::string::npos || colon < 2) return false;
  const auto isAlpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (!isAlpha(target[0])) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const char c = target[i];
    if (!isAlpha(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

int SpawnFailureCode(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
    case EACCES: return kShellFileNotFound;
    case ENOMEM:
    case EAGAIN: return kShellOutOfMemory;
    default: return kShellBadFormat;
  }
}

int ExitStatusCode(int status) {
  if (!WIFEXITED(status)) return kShellBadFormat;
  switch (WEXITSTATUS(status)) {
    case 0: return kShellSucceeded;
    case 2: return kShellFileNotFound;
    case 3:
    case 4: return kShellNoAssociation;
    default: return kShellBadFormat;
  }
}

}  // namespace

int SystemShell::Open(const std::string& target) {
  ReapFinishedOpeners();
  if (target.empty()) return kShellFileNotFound;
  if (target.find('\0') != std::string::npos) return kShellBadFormat;
  std::string argument = target;
  if (!HasUrlScheme(target)) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) return kShellFileNotFound;
    // xdg-open takes an argument beginning with "-" for an option of its own.
    if (argument.front() == '-') argument.insert(0, "./");
  }

  std::vector<char*> argv = {opener_.data(), argument.data(), nullptr};
  pid_t pid = 0;
  const int spawnError = ::posix_spawnp(&pid, opener_.c_str(), nullptr, nullptr, argv.data(),
                                        environ);
  if (spawnError != 0) return SpawnFailureCode(spawnError);

  const auto deadline = std::chrono::steady_clock::now() + kOpenerWait;
  while (std::chrono::steady_clock::now() < deadline) {
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid) return ExitStatusCode(status);
    if (done < 0 && errno != EINTR) return kShellSucceeded;  // reaped elsewhere
    std::this_thread::sleep_for(kPollInterval);
  }
  PendingOpeners().push_back(pid);
  return kShellSucceeded;
}

#endif

}  // namespace clvt
