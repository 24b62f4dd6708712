// The settings file store: read once, change the values, replace atomically, all under a
// folder lock.
#include "platform/registry_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <thread>

#include "platform/file_read.h"
#include "platform/registry_text.h"

namespace clvt {
namespace {

constexpr mode_t kFolderMode = 0700;
// A save's temporary file is "<file>.clvt-tmp." and six letters or digits (mkostemp replaces
// the X): a name nobody gives a file of their own, so removing the leftovers of killed saves
// never touches a user's "registry.txt.backup".
constexpr std::string_view kTemporaryMark = ".clvt-tmp.";
constexpr std::string_view kTemporaryRandom = "XXXXXX";

uint32_t ErrorCodeFromErrno(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR: return kErrorPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS: return kErrorAccessDenied;
    case ENOSPC:
    case EDQUOT: return kErrorDiskFull;
    case ENAMETOOLONG:
    case ELOOP: return kErrorBadPathname;
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

// The keys of the settings file at path; none when it is missing, not a regular file,
// unreadable or larger than kMaxRegistryFileBytes.
RegistryKeys ReadKeys(const std::string& path) {
  if (path.empty()) return {};
  const FileRead read = ReadFileBytes(path, kMaxRegistryFileBytes);
  if (read.status != FileReadStatus::Ok || read.truncated) return {};
  return ParseRegistryText(read.bytes);
}

// True for "<base>.clvt-tmp.XXXXXX" with the X letters or digits: a temporary file of this
// store.
bool IsTemporaryOf(std::string_view name, std::string_view base) {
  if (name.size() != base.size() + kTemporaryMark.size() + kTemporaryRandom.size()) return false;
  if (!name.starts_with(base) || !name.substr(base.size()).starts_with(kTemporaryMark)) {
    return false;
  }
  const std::string_view tail = name.substr(base.size() + kTemporaryMark.size());
  return std::all_of(tail.begin(), tail.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  });
}

// Turns path, when it is a symbolic link, into the file the link finally names, which need not
// exist yet; a relative target counts from the link's folder. A save replaces that file, so a
// settings file linked into a folder of dotfiles stays a link and its target gets the values.
// Returns 0, or ELOOP when the links go round (as the system counts: 40 links at most).
int FollowLinks(std::string& path) {
  namespace fs = std::filesystem;
  constexpr int kMaxLinks = 40;
  for (int links = 0; links < kMaxLinks; ++links) {
    std::error_code notALink;
    const fs::path target = fs::read_symlink(path, notALink);
    if (notALink) return 0;  // a file, a folder, or nothing yet: this is the one to write
    path = target.is_absolute() ? target.string() : (fs::path(FolderOf(path)) / target).string();
  }
  return ELOOP;
}

// Removes the temporary files that killed saves of file left in its folder. Only while the
// lock is held: no other writer can be writing one of these just now.
void RemoveStaleTemporaries(const std::string& file) {
  namespace fs = std::filesystem;
  const std::string base = fs::path(file).filename().string();
  std::error_code error;
  for (fs::directory_iterator entry(FolderOf(file), error), end; !error && entry != end;
       entry.increment(error)) {
    std::error_code statusError;
    if (IsTemporaryOf(entry->path().filename().string(), base) &&
        entry->symlink_status(statusError).type() == fs::file_type::regular) {
      std::error_code ignored;
      fs::remove(entry->path(), ignored);
    }
  }
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

// Holds an exclusive lock on a folder for as long as it lives, if it can have it within wait.
// Best effort: without the lock a write is still atomic, only a concurrent writer's value may
// be lost, which is better than a quit that hangs while another program (or a copy of this
// one, stopped half-way through its save) holds the lock.
class FolderLock {
 public:
  FolderLock(const std::string& folder, std::chrono::milliseconds wait)
      : fd_(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd_ < 0) return;
    // flock has no time limit of its own: try without blocking until the time is up.
    constexpr std::chrono::milliseconds kRetry{20};
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
      if (errno != EWOULDBLOCK && errno != EINTR) return;
      if (std::chrono::steady_clock::now() >= deadline) return;
      std::this_thread::sleep_for(kRetry);
    }
    held_ = true;
  }
  ~FolderLock() {
    if (fd_ >= 0) close(fd_);
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool Held() const { return held_; }

 private:
  int fd_;
  bool held_ = false;
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

FileRegistry::FileRegistry(std::string path, RenameFunction rename,
                           std::chrono::milliseconds lockWait)
    : path_(std::move(path)), rename_(std::move(rename)), lockWait_(lockWait) {
  if (!rename_) rename_ = [](const char* from, const char* to) { return std::rename(from, to); };
}

RegistryApi::WriteResult FileRegistry::WriteValue(uint32_t root, const std::string& key,
                                                  const std::string& name,
                                                  const std::string& value) {
  return WriteValues(root, key, {{name, value}});
}

RegistryApi::WriteResult FileRegistry::WriteValues(uint32_t root, const std::string& key,
                                                   const std::vector<NamedValue>& values) {
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
  if (const int error = MakeFolders(FolderOf(path_)); error != 0) {
    result.createError = ErrorCodeFromErrno(error);
    return result;
  }
  std::string file = path_;
  if (const int error = FollowLinks(file); error != 0) {
    result.createError = ErrorCodeFromErrno(error);
    return result;
  }
  // One lock around the whole read-change-replace, so a second copy saving at the same moment
  // waits and then starts from this copy's file instead of mixing values with it.
  FolderLock lock(FolderOf(file), lockWait_);
  if (lock.Held()) RemoveStaleTemporaries(file);
  // An unreadable or damaged file counts as empty: this write replaces it with a good one
  // that keeps whatever could still be read.
  RegistryKeys keys = ReadKeys(file);
  RegistryValues& keyValues = keys[*fullKey];
  for (const NamedValue& named : values) keyValues[named.name] = named.value;
  result.writeError = ReplaceFile(file, RegistryText(keys));
  return result;
}

// The temporary file goes into file's own folder: rename replaces a file only within one file
// system, and only the file itself, never a link that names it.
uint32_t FileRegistry::ReplaceFile(const std::string& file, const std::string& contents) {
  std::string temporary = file + std::string(kTemporaryMark) + std::string(kTemporaryRandom);
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);  // mode 0600
  if (fd < 0) return ErrorCodeFromErrno(errno);
  int error = 0;
  errno = 0;
  if (fchmod(fd, S_IRUSR | S_IWUSR) != 0 || !WriteAll(fd, contents) || fsync(fd) != 0) {
    error = errno != 0 ? errno : EIO;
  }
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename_(temporary.c_str(), file.c_str()) != 0) error = errno;
  if (error != 0) {
    unlink(temporary.c_str());
    return ErrorCodeFromErrno(error);
  }
  // Make the rename itself durable; failing that, the new file is still in place.
  const int folderFd = open(FolderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    fsync(folderFd);
    close(folderFd);
  }
  return kErrorSuccess;
}

RegistryApi::ReadResult FileRegistry::ReadValue(uint32_t root, const std::string& key,
                                                const std::string& name) {
  return ReadValues(root, key, {name}).front();
}

std::vector<RegistryApi::ReadResult> FileRegistry::ReadValues(
    uint32_t root, const std::string& key, const std::vector<std::string>& names) {
  std::vector<ReadResult> results(names.size());
  const std::optional<std::string> fullKey = FullKeyPath(root, key);
  if (!fullKey) return results;
  const RegistryKeys keys = ReadKeys(path_);
  const auto found = keys.find(*fullKey);
  if (found == keys.end()) return results;
  for (std::size_t i = 0; i < names.size(); ++i) {
    ReadResult& result = results[i];
    result.keyFound = true;
    if (names[i].empty()) continue;
    const auto value = found->second.find(names[i]);
    if (value == found->second.end()) {
      result.sizeError = kErrorFileNotFound;
    } else {
      result.data = value->second;
    }
  }
  return results;
}

std::unique_ptr<RegistryApi> MakePlatformRegistry() {
  return std::make_unique<FileRegistry>(DefaultRegistryFilePath());
}

}  // namespace clvt
