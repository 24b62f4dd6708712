// Bounded, non-blocking reading of regular files.
#include "platform/file_read.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <new>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace clvt {
namespace {

#ifdef _WIN32
// Windows' open() has neither flag below, and translates line ends unless told O_BINARY.
constexpr int kOpenFlags = O_RDONLY | O_BINARY;
#else
// O_NONBLOCK: a FIFO without a writer must not hang the program at open().
constexpr int kOpenFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;
#endif

FileRead Failure(FileReadStatus status, int errorNumber) {
  FileRead failure;
  failure.status = status;
  failure.errorNumber = errorNumber;
  failure.errorDescription = SystemErrorDescription(errorNumber);
  return failure;
}

// The error of a failed open. Windows refuses to open a folder with EACCES; it is reported as
// a folder, as POSIX systems report it, rather than as a permission the user could grant.
int OpenError([[maybe_unused]] const std::string& path, int error) {
#ifdef _WIN32
  std::error_code ignored;
  if (error == EACCES && std::filesystem::is_directory(path, ignored)) return EISDIR;
#endif
  return error;
}

// 0 when fd is a regular file, else the error number to report for it. size receives the
// file's size as the system gave it.
int RegularFileError(int fd, std::size_t& size) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return errno;
  if (S_ISDIR(info.st_mode)) return EISDIR;
  // A FIFO, socket or device may never end or never answer: only regular files are read.
  if (!S_ISREG(info.st_mode)) return ENXIO;
  size = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
  return 0;
}

// The room to read into next: the size the file had when opened and one byte more, which meets
// the end of a file that has not grown; doubled while the file goes on, never past maxBytes.
// Making room for maxBytes at once would zero a mebibyte for a settings file of a hundred bytes.
std::size_t NextRoom(std::size_t room, std::size_t fileSize, std::size_t maxBytes) {
  constexpr std::size_t kLeastRoom = 4096;
  if (room >= maxBytes / 2) return maxBytes;
  const std::size_t wanted = room == 0 ? std::min(fileSize, maxBytes - 1) + 1 : room * 2;
  return std::min(maxBytes, std::max(wanted, kLeastRoom));
}

}  // namespace

std::string SystemErrorDescription(int errorNumber) {
  // The C library's English texts, fixed here because strerror follows the user's language.
  switch (errorNumber) {
    case ENOENT: return "No such file or directory";
    case EACCES: return "Permission denied";
    case EPERM: return "Operation not permitted";
    case EISDIR: return "Is a directory";
    case ENOTDIR: return "Not a directory";
    case ENAMETOOLONG: return "File name too long";
    case ELOOP: return "Too many levels of symbolic links";
    case EMFILE: return "Too many open files";
    case ENFILE: return "Too many open files in system";
    case ENOMEM: return "Cannot allocate memory";
    case EIO: return "Input/output error";
    case EAGAIN: return "Resource temporarily unavailable";
    case EINVAL: return "Invalid argument";
    case ENXIO: return "No such device or address";
    default: return "Unknown error";
  }
}

std::string_view WithoutByteOrderMark(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    bytes.remove_prefix(kByteOrderMark.size());
  }
  return bytes;
}

FileRead ReadFileBytes(const std::string& path, std::size_t maxBytes) {
  // open() would read a path with an embedded NUL as a shorter, different path.
  if (path.find('\0') != std::string::npos) return Failure(FileReadStatus::CannotOpen, EINVAL);
  const int fd = ::open(path.c_str(), kOpenFlags);
  if (fd < 0) return Failure(FileReadStatus::CannotOpen, OpenError(path, errno));
  std::size_t fileSize = 0;
  if (const int error = RegularFileError(fd, fileSize); error != 0) {
    ::close(fd);
    return Failure(FileReadStatus::CannotOpen, error);
  }

  FileRead result;
  std::size_t filled = 0;
  while (filled < maxBytes) {
    if (filled == result.bytes.size()) {
      try {
        result.bytes.resize(NextRoom(result.bytes.size(), fileSize, maxBytes));
      } catch (const std::bad_alloc&) {
        ::close(fd);
        return Failure(FileReadStatus::Failed, ENOMEM);
      }
    }
    const ssize_t n = ::read(fd, result.bytes.data() + filled, result.bytes.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      return Failure(FileReadStatus::Failed, error);
    }
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  if (filled == maxBytes) {
    char probe = 0;
    ssize_t n = 0;
    do {
      n = ::read(fd, &probe, 1);
    } while (n < 0 && errno == EINTR);
    result.truncated = n > 0;
  }
  ::close(fd);
  result.bytes.resize(filled);
  result.status = filled == 0 ? FileReadStatus::Empty : FileReadStatus::Ok;
  return result;
}

}  // namespace clvt
