// The copied result's fixed columns. Columns are counted in characters, not bytes, so that
// a non-ASCII date text still lines up in a fixed-width editor.
#include "run/copy_result.h"

#include <string_view>

#include "datetext/text_helpers.h"

namespace clvt {
namespace {

constexpr std::size_t kHeadingColumns = 20;
constexpr std::size_t kDateColumns = 28;
constexpr std::string_view kLineEnd = "\r\n";

// text cut to its first `columns` characters, or padded with blanks to that many.
std::string FixedColumns(std::string_view text, std::size_t columns) {
  return PadToColumns(text, columns, ColumnOverflow::kCut);
}

void AppendDateLine(std::string& text, std::string_view heading, std::string_view traditional,
                    std::string_view yearMonthDay) {
  text += FixedColumns(heading, kHeadingColumns);
  text += FixedColumns(traditional, kDateColumns);
  text += FixedColumns(yearMonthDay, kDateColumns);
  text += kLineEnd;
}

void AppendValueLine(std::string& text, std::string_view heading, std::string_view value) {
  text += FixedColumns(heading, kHeadingColumns);
  text += value;
  text += kLineEnd;
}

}  // namespace

std::string CopyResultText(const OutputDates& outputs) {
  std::string text;
  AppendDateLine(text, "Gregorian Calendar:", outputs.txbOutputGC, outputs.txbOutputGCwithAYN);
  AppendDateLine(text, "Julian Calendar:", outputs.txbOutputJC, outputs.txbOutputJCwithAYN);
  AppendValueLine(text, "Julian day number:", outputs.txbJDN);
  AppendValueLine(text, "Day of week:", outputs.txbDayOfWeek);
  text += kLineEnd;
  return text;
}

}  // namespace clvt
