#pragma once

#include <string>

// Opening an address or a file with the program the desktop associates with it. Results keep
// the meaning of the Windows shell's: above 32 is success, 32 or less an error code, of which
// 2, 8 and 31 have their own explanation for the user. Windows use the shell itself; other
// systems start xdg-open with an argument vector (never through a command shell) and map its
// failures onto those codes.
namespace clvt {

inline constexpr int kShellFileNotFound = 2;    // the target file, or the opener, is missing
inline constexpr int kShellOutOfMemory = 8;     // no memory or process slots to start it
inline constexpr int kShellBadFormat = 11;      // the opener refused the target, or failed oddly
inline constexpr int kShellNoAssociation = 31;  // no program is associated with the target
inline constexpr int kShellSucceeded = 42;      // any value above 32 means success

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens target (a web address or a file path); returns a code as described above.
  virtual int Open(const std::string& target) = 0;
};

// The desktop's own opener. On systems other than Windows, opener names the program to start
// (xdg-open by default; tests pass a script). Open waits for it at most about two seconds: an
// opener still running then is taken to have started the browser in the foreground.
class SystemShell : public Shell {
 public:
  explicit SystemShell(std::string opener = "xdg-open");
  int Open(const std::string& target) override;

 private:
  std::string opener_;
};

}  // namespace clvt
