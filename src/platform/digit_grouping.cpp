// The numeric locale's symbols, always as UTF-8. localeconv() gives them in the character set
// of the LC_NUMERIC locale: a no-break space is the one byte 0xA0 in fr_FR.ISO-8859-1 but
// the two bytes C2 A0 in fr_FR.UTF-8. The program writes, measures and reads every text as
// UTF-8, so a symbol is converted here, in this one place, before anything uses it.
#include "platform/digit_grouping.h"

#include <clocale>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#include <langinfo.h>
#endif

#include "platform/utf8.h"

namespace clvt {
namespace {

std::optional<std::string> groupingOverride;
std::optional<std::string> decimalOverride;

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

#ifdef _WIN32

// The code page of a Windows locale name such as "French_France.1252"; the ANSI code page
// when the name carries none.
unsigned CodePageOf(const char* localeName) {
  const std::string_view name = localeName != nullptr ? localeName : "";
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return CP_ACP;
  const std::string_view page = name.substr(dot + 1);
  if (page == "utf8" || page == "UTF-8" || page == "UTF8") return CP_UTF8;
  unsigned value = 0;
  for (char c : page) {
    if (c < '0' || c > '9' || value > 100000) return CP_ACP;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  return value;
}

std::optional<std::string> ToUtf8(const std::string& text, const char* localeName) {
  const unsigned page = CodePageOf(localeName);
  const int size = static_cast<int>(text.size());
  const int wideLength =
      MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (wideLength <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), wideLength);
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::nullopt;
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, out.data(), length, nullptr, nullptr);
  return out;
}

#else

// The character set of the LC_NUMERIC locale, named localeName; LC_CTYPE may be another one,
// as in clvt, which sets only LC_NUMERIC from the environment. glibc names it directly
// (its newlocale() also leaks the search path when LOCPATH is set).
std::string NumericCodeset([[maybe_unused]] const char* localeName) {
#ifdef __GLIBC__
  const char* codeset = nl_langinfo(_NL_NUMERIC_CODESET);
  return codeset != nullptr ? codeset : "";
#else
  if (localeName == nullptr) return "";
  const locale_t locale = newlocale(LC_CTYPE_MASK, localeName, static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return "";
  const char* codeset = nl_langinfo_l(CODESET, locale);
  std::string result = codeset != nullptr ? codeset : "";
  freelocale(locale);
  return result;
#endif
}

std::optional<std::string> ToUtf8(const std::string& text, const char* localeName) {
  const std::string codeset = NumericCodeset(localeName);
  if (codeset.empty()) return std::nullopt;
  if (codeset == "UTF-8") return text;
  const iconv_t converter = iconv_open("UTF-8", codeset.c_str());
  // iconv_open reports failure as (iconv_t)-1, an integer made a pointer by the API itself.
  // NOLINTNEXTLINE(performance-no-int-to-ptr)
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string in = text;
  std::string out(text.size() * 4 + 4, '\0');  // UTF-8 needs at most 4 bytes a character
  char* inPtr = in.data();
  std::size_t inLeft = in.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  const std::size_t converted = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(converter);
  if (converted == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

#endif

// A symbol from localeconv() in UTF-8; fallback when the locale has none or it cannot be
// converted. Non-ASCII symbols are converted once per locale and symbol.
std::string LocaleSymbol(const char* raw, std::string_view fallback) {
  if (raw == nullptr || raw[0] == '\0') return std::string(fallback);
  std::string text = raw;
  if (IsAscii(text)) return text;
  struct Converted {
    std::string localeName, raw;
    std::optional<std::string> utf8;
  };
  thread_local Converted last;
  const char* name = std::setlocale(LC_NUMERIC, nullptr);
  const std::string localeName = name != nullptr ? name : "";
  if (last.localeName != localeName || last.raw != text) {
    last = {localeName, text, ToUtf8(text, name)};
  }
  return last.utf8.value_or(std::string(fallback));
}

// The grouping symbol of a locale that defines none (the C locale, and pt_PT, bg_BG and
// others in glibc): ",", or a no-break space where the decimal symbol is itself ",", so that
// a Julian date never reads 2,460,389,6295.
std::string GroupingFallback(std::string_view decimal) { return decimal == "," ? "\u00A0" : ","; }

// A byte of another character set: not ASCII, and no start of a well-formed UTF-8 character.
bool IsOtherByte(std::string_view text, std::size_t i) {
  return static_cast<unsigned char>(text[i]) >= 0x80 && Utf8CharacterBytes(text, i) == 1;
}

}  // namespace

std::string TypedTextToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  const char* name = std::setlocale(LC_NUMERIC, nullptr);
  std::size_t i = 0;
  while (i < text.size()) {
    if (!IsOtherByte(text, i)) {
      const std::size_t length = Utf8CharacterBytes(text, i);
      out += text.substr(i, length);
      i += length;
      continue;
    }
    std::size_t end = i + 1;
    while (end < text.size() && IsOtherByte(text, end)) ++end;
    const std::string run(text.substr(i, end - i));
    out += ToUtf8(run, name).value_or(run);
    i = end;
  }
  return out;
}

std::string DigitGroupingSymbol() {
  if (groupingOverride) {
    return groupingOverride->empty() ? GroupingFallback(DecimalSymbol()) : *groupingOverride;
  }
  const std::lconv* conv = std::localeconv();
  return LocaleSymbol(conv != nullptr ? conv->thousands_sep : nullptr,
                      GroupingFallback(DecimalSymbol()));
}

std::string DecimalSymbol() {
  if (decimalOverride) return *decimalOverride;
  const std::lconv* conv = std::localeconv();
  return LocaleSymbol(conv != nullptr ? conv->decimal_point : nullptr, ".");
}

void OverrideNumberSymbols(std::optional<std::string> grouping,
                           std::optional<std::string> decimal) {
  groupingOverride = std::move(grouping);
  decimalOverride = groupingOverride ? std::move(decimal) : std::nullopt;
}

}  // namespace clvt
