// The UTF-8 / Windows-1252 decoding behind the text viewer.
#include "support/text_file.h"

#include <array>
#include <cstdint>

#include "platform/file_read.h"
#include "platform/utf8.h"

namespace clvt {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Windows-1252 bytes 0x80 to 0x9F; 0 marks the five the code page leaves undefined.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 0x88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 0x98
};

// Characters the text box cannot show sensibly become U+FFFD; tab and line ends stay.
char32_t Displayable(char32_t cp) {
  const bool c0 = cp < 0x20 && cp != '\t' && cp != '\n' && cp != '\r';
  const bool c1 = cp >= 0x7F && cp <= 0x9F;
  return (c0 || c1) ? kReplacement : cp;
}

char32_t FromCp1252(uint8_t byte) {
  if (byte >= 0x80 && byte <= 0x9F) {
    const char32_t cp = kCp1252High[byte - 0x80];
    return cp == 0 ? kReplacement : cp;
  }
  return Displayable(byte);
}

}  // namespace

std::u32string DecodeText(std::string_view bytes, bool cutEnd) {
  std::u32string text;
  text.reserve(bytes.size());
  if (!IsValidUtf8(bytes, cutEnd)) {
    for (const char c : bytes) text.push_back(FromCp1252(static_cast<uint8_t>(c)));
    return text;
  }
  bytes = WithoutByteOrderMark(bytes);
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    char32_t cp = 0;
    std::size_t length = 0;
    if (NextUtf8(bytes, pos, cp, length) != Utf8Step::kChar) break;  // only a cut end
    text.push_back(Displayable(cp));
    pos += length;
  }
  return text;
}

}  // namespace clvt
