// The UTF-8 / Windows-1252 decoding behind the text viewer.
// UTF-8 well-formedness follows the Unicode Standard, chapter 3, table 3-7.
#include "support/text_file.h"

#include <array>
#include <cstdint>

#include "platform/file_read.h"

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

enum class Utf8Step { Char, Invalid, Incomplete };

// Decodes one UTF-8 sequence at bytes[pos]; on Char sets cp and length.
Utf8Step NextUtf8(std::string_view bytes, std::size_t pos, char32_t& cp, std::size_t& length) {
  const auto byte = [&](std::size_t i) { return static_cast<uint8_t>(bytes[i]); };
  const uint8_t lead = byte(pos);
  if (lead < 0x80) {
    cp = lead;
    length = 1;
    return Utf8Step::Char;
  }
  // Second-byte ranges narrower than 80..BF rule out overlong forms, surrogates and values
  // above U+10FFFF.
  uint8_t low = 0x80;
  uint8_t high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    cp = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    cp = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return Utf8Step::Invalid;
  }
  for (std::size_t i = 1; i < length; ++i) {
    if (pos + i >= bytes.size()) return Utf8Step::Incomplete;
    const uint8_t next = byte(pos + i);
    const uint8_t min = (i == 1) ? low : uint8_t{0x80};
    const uint8_t max = (i == 1) ? high : uint8_t{0xBF};
    if (next < min || next > max) return Utf8Step::Invalid;
    cp = (cp << 6) | (next & 0x3F);
  }
  return Utf8Step::Char;
}

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

bool IsValidUtf8(std::string_view bytes, bool cutEnd) {
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    char32_t cp = 0;
    std::size_t length = 0;
    switch (NextUtf8(bytes, pos, cp, length)) {
      case Utf8Step::Char: pos += length; break;
      case Utf8Step::Incomplete: return cutEnd;
      case Utf8Step::Invalid: return false;
    }
  }
  return true;
}

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
    if (NextUtf8(bytes, pos, cp, length) != Utf8Step::Char) break;  // only a cut end
    text.push_back(Displayable(cp));
    pos += length;
  }
  return text;
}

}  // namespace clvt
