// The desktop's opener for addresses and files. Elsewhere than on Windows the opener runs as a
// child process that is started and then left alone: the event loop goes on while it works,
// and Poll collects its exit status later.
#include "platform/shell.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#else
#include <cerrno>
#include <utility>

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// POSIX leaves declaring environ to the program.
extern char** environ;  // NOLINT(readability-redundant-declaration)
#endif

namespace clvt {

SystemShell::SystemShell(std::string opener, std::chrono::milliseconds answerWait)
    : opener_(std::move(opener)), answerWait_(answerWait) {}

int ShellCodeForStartError(int error) {
#ifdef _WIN32
  (void)error;
  return kShellNoAssociation;
#else
  switch (error) {
    case ENOENT:
    case ENOTDIR:
    case EACCES:
    case ENOEXEC: return kShellNoAssociation;
    case ENOMEM:
    case EAGAIN: return kShellOutOfMemory;
    default: return kShellBadFormat;
  }
#endif
}

namespace {

// The code for a target no opener is given, 0 for one that may be opened: nothing to open, or
// a text with a NUL, which the opener would read as a shorter target and open something else.
int RefusedTargetCode(const std::string& target) {
  if (target.empty()) return kShellFileNotFound;
  if (target.find('\0') != std::string::npos) return kShellBadFormat;
  return 0;
}

}  // namespace

#ifdef _WIN32

void SystemShell::Open(const std::string& target, Done done) {
  if (const int refused = RefusedTargetCode(target)) return done(refused);
  const HINSTANCE r =
      ShellExecuteA(nullptr, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  done(static_cast<int>(reinterpret_cast<INT_PTR>(r)));
}

bool SystemShell::Poll() { return false; }

#else

namespace {

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

}  // namespace

int ShellCodeForWaitStatus(int status) {
  if (!WIFEXITED(status)) return kShellBadFormat;
  switch (WEXITSTATUS(status)) {
    case 0: return kShellSucceeded;
    case 2: return kShellFileNotFound;
    case 3:
    case 4: return kShellNoAssociation;
    default: return kShellBadFormat;
  }
}

void SystemShell::Open(const std::string& target, Done done) {
  if (const int refused = RefusedTargetCode(target)) return done(refused);
  std::string argument = target;
  if (!HasUrlScheme(target)) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) return done(kShellFileNotFound);
    // xdg-open takes an argument beginning with "-" for an option of its own.
    if (argument.front() == '-') argument.insert(0, "./");
  }

  std::vector<char*> argv = {opener_.data(), argument.data(), nullptr};
  pid_t pid = 0;
  // glibc reports a failed exec of the child here, so a missing opener is known at once.
  const int spawnError =
      ::posix_spawnp(&pid, opener_.c_str(), nullptr, nullptr, argv.data(), environ);
  if (spawnError != 0) return done(ShellCodeForStartError(spawnError));
  running_.push_back({pid, std::chrono::steady_clock::now(), std::move(done)});
}

bool SystemShell::Poll() {
  // Outcomes are handed on after the list is settled: a done that shows a modal message runs
  // an event loop, which may poll again.
  std::vector<std::pair<Done, int>> outcomes;
  const auto now = std::chrono::steady_clock::now();
  std::vector<Running> stillRunning;
  for (Running& r : running_) {
    int status = 0;
    const pid_t ended = ::waitpid(r.pid, &status, WNOHANG);
    if (ended == 0) {
      if (r.done && now - r.started >= answerWait_) {
        outcomes.emplace_back(std::move(r.done), kShellSucceeded);
        r.done = nullptr;
      }
      stillRunning.push_back(std::move(r));
      continue;
    }
    if (!r.done) continue;
    // ended < 0: reaped elsewhere and its status lost; it did start, so count it a success.
    outcomes.emplace_back(std::move(r.done),
                          ended == r.pid ? ShellCodeForWaitStatus(status) : kShellSucceeded);
  }
  running_ = std::move(stillRunning);
  const bool anyRunning = !running_.empty();
  for (auto& [done, code] : outcomes) done(code);
  return anyRunning;
}

#endif

}  // namespace clvt
