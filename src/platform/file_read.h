#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Reading a whole data file of the program (program texts, settings, help text) without ever
// waiting on it: the file is opened without blocking and read only when it is a regular file,
// so a FIFO, socket or device in its place cannot hang the program, and at most a given number
// of bytes are read, so a huge file costs nothing. Nothing here throws.
namespace clvt {

enum class FileReadStatus {
  Ok,          // bytes holds the file's first bytes
  Empty,       // a regular file without bytes
  CannotOpen,  // missing, a folder, not a regular file, no permission, a bad path
  Failed,      // opened, but reading failed (or memory ran out)
};

struct FileRead {
  FileReadStatus status = FileReadStatus::Failed;
  std::string bytes;             // the bytes read, at most the limit asked for
  bool truncated = false;        // the file holds more bytes than were read
  int errorNumber = 0;           // the system's error number (errno) when not Ok or Empty
  std::string errorDescription;  // its English description when not Ok or Empty
};

// Reads at most maxBytes of the regular file at path. A folder gives CannotOpen with EISDIR
// (21, "Is a directory"), any other file that is not a regular file CannotOpen with ENXIO
// (6, "No such device or address", what opening a socket gives); a missing file CannotOpen
// with ENOENT. Reads until the end of the file rather than trusting its size, so a file that
// grows or shrinks meanwhile still gives a consistent prefix.
FileRead ReadFileBytes(const std::string& path, std::size_t maxBytes);

// bytes without a leading UTF-8 byte-order mark (EF BB BF); any other bytes unchanged. Every
// reader of the program's text files skips the mark this way, so a file saved by an editor that
// writes one reads the same as without it.
std::string_view WithoutByteOrderMark(std::string_view bytes);

// English description of a system error number ("Permission denied"); independent of the
// user's locale so that messages stay the same everywhere. Unknown numbers give
// "Unknown error".
std::string SystemErrorDescription(int errorNumber);

}  // namespace clvt
