#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Small text operations the input checks and listings build on. Characters are bytes and
// comparisons exact; a "set" is a text whose characters are its members ("0123456789,.' ").
// No operation fails or reads past the end of a text.
namespace clvt {

// Removes in place every character of set; the others keep their order.
// RemoveChars("12a4", "0123456789") leaves "a".
void RemoveChars(std::string& text, std::string_view set);

// The characters of text that are in set, in order: ("-4,999", "0123456789-") -> "-4999".
std::string KeepChars(std::string_view text, std::string_view set);

// text split at delimiter into fields without leading and trailing blanks. One leading
// delimiter is dropped; a trailing one ends the last field; empty fields between delimiters
// count. An empty text, or a delimiter alone, gives no field. "2015--22" -> {"2015", "", "22"}.
std::vector<std::string> SplitFields(std::string_view text, std::string_view delimiter);

// While text begins with prefix, removes it; an empty prefix does nothing.
void RemoveLeading(std::string& text, std::string_view prefix);

// text without its trailing characters that are in set: ("days", "s") -> "day".
std::string TrimTrailingChars(std::string_view text, std::string_view set);

// After trimming blanks: not empty, an optional sign when allowSign, and otherwise only
// digits and characters of extraChars. A lone sign passes: ("-", true, "") is true.
bool IsWholeNumber(std::string_view text, bool allowSign, std::string_view extraChars);

// text without leading and trailing blanks (the space character only).
std::string TrimBlanks(std::string_view text);

// Every occurrence of from replaced by to, left to right, case-sensitive, in one pass (time
// linear in the length of text); an empty from changes nothing. ("2015-11-22 DC", " DC", " D")
// -> "2015-11-22 D"; ("12\u202F345", "\u202F", "") -> "12345".
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// text with every occurrence of groupingSymbol (the locale's digit-grouping symbol, of any
// number of bytes) written as ",", so that a check taking ",.' " as digit-group characters
// takes the symbol the same way: ("12\u202F345", "\u202F") -> "12,345". An empty symbol
// changes nothing.
std::string WithCommaGroups(std::string_view text, std::string_view groupingSymbol);

// What PadToColumns does with a text already as wide as the column or wider.
enum class ColumnOverflow {
  kCut,       // cut after the column's last character: a fixed-width field
  kOneBlank,  // keep it whole and add one blank, so that the next column stands apart
};

// text padded with blanks to `columns` characters (as CharacterCount of platform/utf8.h counts
// them, so a multi-byte character takes one column). PadToColumns("Julian:", 10, kCut) -> "Julian:
// "; PadToColumns("abcdef", 3, kCut) -> "abc"; PadToColumns("abcdef", 3, kOneBlank) -> "abcdef ".
std::string PadToColumns(std::string_view text, std::size_t columns, ColumnOverflow overflow);

// The number written at the start of text: blanks skipped, an optional sign, digits, a
// decimal part and an exponent, up to the first character that cannot belong to it; 0 when
// there is none. "1,000" -> 1, " 2.5x" -> 2.5, "abc" -> 0, "1e300" -> 1e300, "1e999" -> inf.
// Independent of the C locale. Callers range-check before converting to an integer.
double LeadingNumber(std::string_view text);

// Value of the decimal digits of text, in order, any other character skipped, saturating at
// INT64_MAX: "1,300,290" -> 1300290, "" -> 0.
int64_t DigitsValue(std::string_view digits);

}  // namespace clvt
