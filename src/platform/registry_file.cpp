// The settings file store: read, change one value, replace atomically under a folder lock.
#include "platform/registry_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/registry_text.h"

namespace clvt {
namespace {

// Far more than any settings file needs; a larger file is read only this far.
constexpr std::size_t kMaxFileBytes = 16u << 20;
constexpr mode_t kFolderMode = 0700;

uint32_t ErrorCodeFromErrno(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR: return kErrorPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS: return kErrorAccessDenied;
    case ENOSPC:
    case EDQUOT: return kErrorDiskFull;
    case ENAMETOOLONG: return kErrorBadPathname;
    default: return kErrorWriteFault;
  }
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// mkdir -p; 0 or an errno value.
int MakeFolders(const std::string& folder) {
  struct stat info {};
  if (stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
  const std::string parent = FolderOf(folder);
  if (parent != folder) {
    if (const int error = MakeFolders(parent); error != 0) return error;
  }
  if (mkdir(folder.c_str(), kFolderMode) != 0 && errno != EEXIST) return errno;
  return 0;
}

// The file's first kMaxFileBytes bytes; false when it cannot be opened (missing included).
bool ReadFileText(const std::string& path, std::string& text) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  std::vector<char> buffer(64 * 1024);
  text.clear();
  while (text.size() < kMaxFileBytes) {
    const ssize_t n = read(fd, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    text.append(buffer.data(), static_cast<std::size_t>(n));
  }
  close(fd);
  if (text.size() > kMaxFileBytes) text.resize(kMaxFileBytes);
  return true;
}

bool WriteAll(int fd, const std::string& contents) {
  std::size_t done = 0;
  while (done < contents.size()) {
    const ssize_t n = write(fd, contents.data() + done, contents.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Holds an exclusive lock on a folder for as long as it lives (best effort: without the lock
// a write is still atomic, only a concurrent writer's value may be lost).
class FolderLock {
 public:
  explicit FolderLock(const std::string& folder)
      : fd_(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd_ >= 0) {
      while (flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
      }
    }
  }
  ~FolderLock() {
    if (fd_ >= 0) close(fd_);
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  int fd_;
};

}  // namespace

std::string DefaultRegistryFilePath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (config != nullptr && config[0] == '/') {
    base = config;
  } else {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') return "";
    base = std::string(home) + "/.config";
  }
  return base + "/calvantis/registry.txt";
}

FileRegistry::FileRegistry(std::string path, RenameFunction rename)
    : path_(std::move(path)), rename_(std::move(rename)) {
  if (!rename_) rename_ = [](const char* from, const char* to) { return std::rename(from, to); };
}

RegistryApi::WriteResult FileRegistry::WriteValue(uint32_t root, const std::string& key,
                                                  const std::string& name,
                                                  const std::string& value) {
  WriteResult result;
  const std::optional<std::string> fullKey = FullKeyPath(root, key);
  if (!fullKey) {
    result.createError = kErrorInvalidHandle;
    return result;
  }
  if (!KeyPathWritable(key)) {
    result.createError = kErrorBadPathname;
    return result;
  }
  if (path_.empty()) {
    result.createError = kErrorPathNotFound;
    return result;
  }
  const std::string folder = FolderOf(path_);
  if (const int error = MakeFolders(folder); error != 0) {
    result.createError = ErrorCodeFromErrno(error);
    return result;
  }
  FolderLock lock(folder);
  std::string text;
  // An unreadable or damaged file counts as empty: this write replaces it with a good one
  // that keeps whatever could still be read.
  RegistryKeys keys = ReadFileText(path_, text) ? ParseRegistryText(text) : RegistryKeys{};
  const auto existing = keys.find(*fullKey);
  result.disposition = existing != keys.end() ? Disposition::Opened : Disposition::Created;
  keys[*fullKey][name] = value;
  result.writeError = ReplaceFile(RegistryText(keys));
  return result;
}

uint32_t FileRegistry::ReplaceFile(const std::string& contents) {
  std::string temporary = path_ + ".XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);  // mode 0600
  if (fd < 0) return ErrorCodeFromErrno(errno);
  int error = 0;
  errno = 0;
  if (fchmod(fd, S_IRUSR | S_IWUSR) != 0 || !WriteAll(fd, contents) || fsync(fd) != 0) {
    error = errno != 0 ? errno : EIO;
  }
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename_(temporary.c_str(), path_.c_str()) != 0) error = errno;
  if (error != 0) {
    unlink(temporary.c_str());
    return ErrorCodeFromErrno(error);
  }
  // Make the rename itself durable; failing that, the new file is still in place.
  const int folderFd = open(FolderOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    fsync(folderFd);
    close(folderFd);
  }
  return kErrorSuccess;
}

RegistryApi::ReadResult FileRegistry::ReadValue(uint32_t root, const std::string& key,
                                                const std::string& name) {
  ReadResult result;
  const std::optional<std::string> fullKey = FullKeyPath(root, key);
  std::string text;
  if (!fullKey || path_.empty() || !ReadFileText(path_, text)) return result;
  const RegistryKeys keys = ParseRegistryText(text);
  const auto found = keys.find(*fullKey);
  if (found == keys.end()) return result;
  result.keyFound = true;
  if (name.empty()) return result;
  const auto value = found->second.find(name);
  if (value == found->second.end()) {
    result.sizeError = kErrorFileNotFound;
    return result;
  }
  result.data = value->second;
  return result;
}

std::string FileRegistry::MessageText(uint32_t code) { return EnglishSystemMessage(code); }

std::unique_ptr<RegistryApi> MakePlatformRegistry() {
  return std::make_unique<FileRegistry>(DefaultRegistryFilePath());
}

}  // namespace clvt
