#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace clvt {

// The user's digit-grouping symbol from the numeric locale (LC_NUMERIC) in UTF-8, whatever
// the locale's character set (fr_FR.ISO-8859-1's no-break space is "\u00A0", two bytes).
// Where the locale defines none (the C/POSIX locale, pt_PT) or its symbol cannot be
// converted: ",", or the no-break space "\u00A0" where the decimal symbol is ",", so the two
// never coincide. May be longer than one byte (a narrow no-break space "\u202F" is three).
std::string DigitGroupingSymbol();

// The user's decimal separator from LC_NUMERIC in UTF-8, "." where the locale defines none.
std::string DecimalSymbol();

// text as a user of the numeric locale typed it (a command-line argument), in UTF-8: ASCII
// and well-formed UTF-8 characters (platform/utf8.h) pass unchanged, and each run of other bytes is
// read in the locale's character set, so that fr_FR.ISO-8859-1's grouping byte 0xA0 becomes the
// "\u00A0" that DigitGroupingSymbol() gives. Bytes the character set cannot read are kept as they
// are.
std::string TypedTextToUtf8(std::string_view text);

// Pins both symbols (tests, reproducible output), an empty grouping symbol standing for a
// locale that defines none; std::nullopt returns to the locale.
void OverrideNumberSymbols(std::optional<std::string> grouping,
                           std::optional<std::string> decimal = std::string("."));

}  // namespace clvt
