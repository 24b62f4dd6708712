#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// Opening an address or a file with the program the desktop associates with it. Results keep
// the meaning of the Windows shell's: above 32 is success, 32 or less an error code, of which
// 2, 8 and 31 have their own explanation for the user. Windows use the shell itself; other
// systems start xdg-open with an argument vector (never through a command shell) and map its
// failures onto those codes.
namespace clvt {

inline constexpr int kShellFileNotFound = 2;    // the target file is missing
inline constexpr int kShellOutOfMemory = 8;     // no memory or process slots to start it
inline constexpr int kShellBadFormat = 11;      // the opener refused the target, or failed oddly
inline constexpr int kShellNoAssociation = 31;  // nothing can open the target
inline constexpr int kShellSucceeded = 42;      // any value above 32 means success

class Shell {
 public:
  // Receives the result code of one Open.
  using Done = std::function<void(int code)>;

  virtual ~Shell() = default;
  // Starts opening target (a web address or a file path) and returns without waiting for the
  // program that opens it. done is called exactly once with the code described above: from
  // inside Open when the outcome is known at once, otherwise from a later Poll.
  virtual void Open(const std::string& target, Done done) = 0;
  // Hands the outcome of every opener that has ended since the last call to its done; never
  // waits. True while an opener is still running, so the caller should poll again later.
  virtual bool Poll() = 0;
};

// The desktop's own opener. On systems other than Windows, opener names the program to start
// (xdg-open by default, looked up in PATH). An opener still running answerWait after its start
// is taken to have started the browser in the foreground and reported as a success; it is
// still reaped by later polls when it ends.
class SystemShell : public Shell {
 public:
  explicit SystemShell(std::string opener = "xdg-open",
                       std::chrono::milliseconds answerWait = std::chrono::seconds(2));
  void Open(const std::string& target, Done done) override;
  bool Poll() override;

 private:
  struct Running {
    int pid = 0;
    std::chrono::steady_clock::time_point started;
    Done done;  // empty once reported
  };

  std::string opener_;
  std::chrono::milliseconds answerWait_;
  std::vector<Running> running_;
};

// The code for an opener that could not be started (errno of the failed start). A missing or
// unusable opener means that nothing can open the target.
int ShellCodeForStartError(int error);

#ifndef _WIN32
// The code for an opener's wait status, as waitpid reports it. xdg-open's exit codes (its
// manual, EXIT CODES): 0 success, 1 bad command line, 2 a file passed did not exist, 3 a
// required tool was not found, 4 the action failed; 3 and 4 mean that nothing could open the
// target. Windows' shell reports its codes itself.
int ShellCodeForWaitStatus(int status);
#endif

}  // namespace clvt
