#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/registry.h"

// The registry where there is none (POSIX systems): one text file (format in registry_text.h),
// by default $XDG_CONFIG_HOME/calvantis/registry.txt. Every write, of one value or several,
// is one transaction under a lock on the folder: read the file once, change the values, write
// a temporary file in the same folder (mode 0600), flush it to disk, rename it over the old
// one and flush the folder, so a crash, a kill or a full disk leaves either the old file or
// the new one, never half of one or a mix of two writers' values. Temporary files a killed
// write left behind are removed by the next write. The lock is waited for at most
// kRegistryLockWait; a writer that cannot have it by then writes without it (the replacement is
// atomic all the same), so nothing another program does to the folder can hang a save. A
// settings file that is a symbolic link stays one: the file the link names is replaced, in its
// own folder, and created there when it does not exist yet. A link loop fails the write. A
// missing or damaged file reads as keys and values not found; so does a file that is not a
// regular file (it is never waited on) or one larger than kMaxRegistryFileBytes.
namespace clvt {

// A settings file holds a few hundred bytes; one beyond this is damaged and is not read, so a
// huge or endless file cannot slow the start or the end of the program.
inline constexpr std::size_t kMaxRegistryFileBytes = std::size_t{64} * 1024;

// How long a write waits for the folder's lock. Another copy's save holds it for milliseconds;
// a holder that keeps it longer is stuck or foreign, and the program is quitting meanwhile.
inline constexpr std::chrono::milliseconds kRegistryLockWait{2000};

// $XDG_CONFIG_HOME/calvantis/registry.txt when XDG_CONFIG_HOME is an absolute path, else
// $HOME/.config/calvantis/registry.txt; "" when neither variable gives one.
std::string DefaultRegistryFilePath();

class FileRegistry : public RegistryApi {
 public:
  // rename(2) by default; tests hand in one that fails. Returns 0, or -1 with errno set.
  using RenameFunction = std::function<int(const char* from, const char* to)>;

  // path: the settings file; its folder is created (mode 0700) on the first write.
  explicit FileRegistry(std::string path, RenameFunction rename = {},
                        std::chrono::milliseconds lockWait = kRegistryLockWait);

  WriteResult WriteValue(uint32_t root, const std::string& key, const std::string& name,
                         const std::string& value) override;
  WriteResult WriteValues(uint32_t root, const std::string& key,
                          const std::vector<NamedValue>& values) override;
  ReadResult ReadValue(uint32_t root, const std::string& key, const std::string& name) override;
  std::vector<ReadResult> ReadValues(uint32_t root, const std::string& key,
                                     const std::vector<std::string>& names) override;

  const std::string& Path() const { return path_; }

 private:
  // Replaces file (the settings file, or the file its link names) with contents.
  uint32_t ReplaceFile(const std::string& file, const std::string& contents);

  std::string path_;
  RenameFunction rename_;
  std::chrono::milliseconds lockWait_;
};

}  // namespace clvt
