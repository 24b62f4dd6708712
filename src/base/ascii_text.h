#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

// Text helpers that need nothing but ASCII: the decimal digits of an integer, the case of the
// letters A-Z and the control bytes. Every layer writes numbers into messages and compares
// designators, so they live at the bottom, once. Bytes outside A-Z / a-z (UTF-8 sequences included)
// pass unchanged.
namespace clvt {

// Plain decimal digits of n, "-" in front of a negative number, no grouping, independent of
// the locale: DecimalText(-500) == "-500", DecimalText(INT64_MIN) == "-9223372036854775808".
inline std::string DecimalText(int64_t n) {
  char buffer[24];  // 19 digits, a sign and room to spare
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
  return std::string(buffer, result.ptr);
}

// c with a-z raised to A-Z; any other byte unchanged.
constexpr char UpperCaseLetter(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// c with A-Z lowered to a-z; any other byte unchanged.
constexpr char LowerCaseLetter(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// True for the ASCII control bytes: 0 to 31 (tab, line feed and carriage return included)
// and 127. Bytes from 128 up are not ASCII, and not controls here.
constexpr bool IsAsciiControl(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u < 0x20 || u == 0x7F;
}

// text with a-z raised: "2015-11-22 dc" -> "2015-11-22 DC".
inline std::string UpperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperCaseLetter(c);
  return out;
}

// text with A-Z lowered: "Help.TXT" -> "help.txt".
inline std::string LowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerCaseLetter(c);
  return out;
}

}  // namespace clvt
