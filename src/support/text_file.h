#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Reading a text file for display: a bounded read of its bytes, then their decoding into
// characters. A file is taken as UTF-8 when its bytes are valid UTF-8 (a leading byte-order
// mark is dropped) and as Windows-1252 otherwise, the code page plain-text files written on
// older Windows systems use. Nothing here throws; a file that cannot be read is a value.
namespace clvt {

enum class FileReadStatus { Ok, Empty, Failed };

struct FileRead {
  FileReadStatus status = FileReadStatus::Failed;
  std::string bytes;             // the bytes read, at most the limit asked for
  bool truncated = false;        // the file holds more bytes than were read
  int errorNumber = 0;           // the system's error number (errno) when Failed
  std::string errorDescription;  // its English description when Failed
};

// Enough for the largest text the viewer shows (65,530 characters of up to 4 bytes each) with
// room to spare, and small enough that a huge file or a device that never ends costs nothing.
inline constexpr std::size_t kMaxFileReadBytes = std::size_t{1} << 20;

// Reads at most maxBytes of the file at path. A file without bytes gives Empty; a missing file,
// a directory or a read error gives Failed with errno and its description
// (2, "No such file or directory"). Reads until the end of the file rather than trusting its
// size, so a file that grows or shrinks meanwhile still gives a consistent prefix.
FileRead ReadFileBytes(const std::string& path, std::size_t maxBytes = kMaxFileReadBytes);

// English description of a system error number ("Permission denied"); independent of the
// user's locale so that messages stay the same everywhere. Unknown numbers give
// "Unknown error".
std::string SystemErrorDescription(int errorNumber);

// True when bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF). With cutEnd, an incomplete sequence at the very end is accepted: the bytes are a
// prefix of a longer file.
bool IsValidUtf8(std::string_view bytes, bool cutEnd = false);

// The characters of a file's bytes as the text box shows them: UTF-8 when valid (byte-order
// mark dropped, an incomplete last sequence dropped when cutEnd), Windows-1252 otherwise.
// Control characters other than tab, line feed and carriage return (NUL included), and bytes
// the code page leaves undefined, become U+FFFD, so a binary file shows as a text of the same
// length instead of being cut at its first NUL.
std::u32string DecodeText(std::string_view bytes, bool cutEnd = false);

}  // namespace clvt
