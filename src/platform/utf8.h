#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// UTF-8, read one way wherever the program judges or counts it: the text viewer's choice of
// character set, the JSON writer, the reading of typed text in the locale's character set,
// and the columns and lengths counted in characters. Well-formed as the Unicode Standard
// defines it (chapter 3, table 3-7): no overlong forms, no encoded surrogates (U+D800 to
// U+DFFF), nothing above U+10FFFF.
namespace clvt {

enum class Utf8Step { kChar, kInvalid, kIncomplete };

// Decodes the sequence that starts at bytes[pos], pos < bytes.size(). kChar sets cp and
// length (1 to 4); kInvalid: the byte at pos starts no well-formed sequence; kIncomplete: a
// well-formed start that bytes end before it is complete. "\xE2\x82\xAC" -> U+20AC, 3 bytes;
// "\xC0\xAF" (an overlong "/") and "\xED\xA0\x80" (a surrogate) are kInvalid.
Utf8Step NextUtf8(std::string_view bytes, std::size_t pos, char32_t& cp, std::size_t& length);

// The bytes of the character at bytes[pos], pos < bytes.size(): a well-formed sequence's
// length, or 1 for a byte that starts none (read as a character of its own).
std::size_t Utf8CharacterBytes(std::string_view bytes, std::size_t pos);

// True when bytes are well-formed UTF-8. With cutEnd, an incomplete sequence at the very end is
// accepted: the bytes are a prefix of a longer text.
bool IsValidUtf8(std::string_view bytes, bool cutEnd = false);

// Characters of a text, as Utf8CharacterBytes steps through it: a digit-grouping symbol of
// several bytes ("\xE2\x80\xAF", U+202F) counts one, and so does each byte that is no UTF-8.
int64_t CharacterCount(std::string_view text);

}  // namespace clvt
