#pragma once

#include <functional>
#include <string>

#include "platform/registry.h"

// The registry where there is none (POSIX systems): one text file (format in registry_text.h),
// by default $XDG_CONFIG_HOME/calvantis/registry.txt. Every write reads the file, changes one
// value and replaces the file atomically: a temporary file in the same folder, written with
// mode 0600, flushed to disk, then renamed over the old one, so a crash or a full disk leaves
// either the old file or the new one, never half of one. Concurrent writers are serialised by
// a lock on the folder. A missing or damaged file reads as keys and values not found.
namespace clvt {

// $XDG_CONFIG_HOME/calvantis/registry.txt when XDG_CONFIG_HOME is an absolute path, else
// $HOME/.config/calvantis/registry.txt; "" when neither variable gives one.
std::string DefaultRegistryFilePath();

class FileRegistry : public RegistryApi {
 public:
  // rename(2) by default; tests hand in one that fails. Returns 0, or -1 with errno set.
  using RenameFunction = std::function<int(const char* from, const char* to)>;

  // path: the settings file; its folder is created (mode 0700) on the first write.
  explicit FileRegistry(std::string path, RenameFunction rename = {});

  WriteResult WriteValue(uint32_t root, const std::string& key, const std::string& name,
                         const std::string& value) override;
  ReadResult ReadValue(uint32_t root, const std::string& key, const std::string& name) override;
  std::string MessageText(uint32_t code) override;

  const std::string& Path() const { return path_; }

 private:
  uint32_t ReplaceFile(const std::string& contents);

  std::string path_;
  RenameFunction rename_;
};

}  // namespace clvt
