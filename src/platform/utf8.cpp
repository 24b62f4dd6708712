#include "platform/utf8.h"

namespace clvt {

Utf8Step NextUtf8(std::string_view bytes, std::size_t pos, char32_t& cp, std::size_t& length) {
  const auto byte = [&](std::size_t i) { return static_cast<uint8_t>(bytes[i]); };
  const uint8_t lead = byte(pos);
  if (lead < 0x80) {
    cp = lead;
    length = 1;
    return Utf8Step::kChar;
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
    return Utf8Step::kInvalid;
  }
  for (std::size_t i = 1; i < length; ++i) {
    if (pos + i >= bytes.size()) return Utf8Step::kIncomplete;
    const uint8_t next = byte(pos + i);
    const uint8_t min = (i == 1) ? low : uint8_t{0x80};
    const uint8_t max = (i == 1) ? high : uint8_t{0xBF};
    if (next < min || next > max) return Utf8Step::kInvalid;
    cp = (cp << 6) | (next & 0x3F);
  }
  return Utf8Step::kChar;
}

std::size_t Utf8CharacterBytes(std::string_view bytes, std::size_t pos) {
  char32_t cp = 0;
  std::size_t length = 0;
  return NextUtf8(bytes, pos, cp, length) == Utf8Step::kChar ? length : 1;
}

bool IsValidUtf8(std::string_view bytes, bool cutEnd) {
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    char32_t cp = 0;
    std::size_t length = 0;
    switch (NextUtf8(bytes, pos, cp, length)) {
      case Utf8Step::kChar: pos += length; break;
      case Utf8Step::kIncomplete: return cutEnd;
      case Utf8Step::kInvalid: return false;
    }
  }
  return true;
}

int64_t CharacterCount(std::string_view text) {
  int64_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += Utf8CharacterBytes(text, pos)) ++count;
  return count;
}

}  // namespace clvt
