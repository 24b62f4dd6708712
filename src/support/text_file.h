#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Decoding the bytes of a text file for display into characters. A file is taken as UTF-8 when
// its bytes are valid UTF-8 (IsValidUtf8 of platform/utf8.h; a leading byte-order mark is
// dropped) and as Windows-1252 otherwise, the code page plain-text files written on older
// Windows systems use. Nothing here throws.
namespace clvt {

// Enough for the largest text the viewer shows (65,530 characters of up to 4 bytes each) with
// room to spare, and small enough that a huge file costs nothing. Read with ReadFileBytes
// (platform/file_read.h).
inline constexpr std::size_t kMaxFileReadBytes = std::size_t{1} << 20;

// The characters of a file's bytes as the text box shows them: UTF-8 when valid (byte-order
// mark dropped, an incomplete last sequence dropped when cutEnd), Windows-1252 otherwise.
// Control characters other than tab, line feed and carriage return (NUL included), and bytes
// the code page leaves undefined, become U+FFFD, so a binary file shows as a text of the same
// length instead of being cut at its first NUL.
std::u32string DecodeText(std::string_view bytes, bool cutEnd = false);

}  // namespace clvt
