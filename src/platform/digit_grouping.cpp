#include "platform/digit_grouping.h"

#include <clocale>

namespace clvt {
namespace {

std::optional<std::string> groupingOverride;
std::optional<std::string> decimalOverride;

}  // namespace

std::string DigitGroupingSymbol() {
  if (groupingOverride) return *groupingOverride;
  const std::lconv* conv = std::localeconv();
  if (conv == nullptr || conv->thousands_sep == nullptr || conv->thousands_sep[0] == '\0') {
    return ",";
  }
  return conv->thousands_sep;
}

std::string DecimalSymbol() {
  if (decimalOverride) return *decimalOverride;
  const std::lconv* conv = std::localeconv();
  if (conv == nullptr || conv->decimal_point == nullptr || conv->decimal_point[0] == '\0') {
    return ".";
  }
  return conv->decimal_point;
}

void OverrideNumberSymbols(std::optional<std::string> grouping,
                           std::optional<std::string> decimal) {
  groupingOverride = std::move(grouping);
  decimalOverride = groupingOverride ? std::move(decimal) : std::nullopt;
}

}  // namespace clvt
