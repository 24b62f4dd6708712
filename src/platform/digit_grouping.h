#pragma once

#include <optional>
#include <string>

namespace clvt {

// The user's digit-grouping symbol from the numeric locale (LC_NUMERIC), or "," where the
// locale defines none (the C/POSIX locale). May be longer than one byte (a UTF-8 narrow
// no-break space, for example).
std::string DigitGroupingSymbol();

// The user's decimal separator from LC_NUMERIC, "." where the locale defines none.
std::string DecimalSymbol();

// Pins both symbols (tests, reproducible output); std::nullopt returns to the locale.
void OverrideNumberSymbols(std::optional<std::string> grouping,
                           std::optional<std::string> decimal = std::string("."));

}  // namespace clvt
