// The settings a run leaves behind and the plan a start-up restores from them.
#include "run/settings.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "base/ascii_text.h"
#include "calendar/calendar.h"
#include "datetext/input_check.h"
#include "datetext/input_controls.h"
#include "datetext/text_helpers.h"

namespace clvt {
namespace {

constexpr uint32_t kMaxColor = 0xFFFFFF;

std::string JDNValueText(std::string_view txbJDN, std::string_view groupingSymbol) {
  if (txbJDN.empty()) return "0";
  std::string text = ReplaceAll(txbJDN, groupingSymbol, "");
  RemoveChars(text, ",.' ");
  return text;
}

std::string CalNdxValueText(const SettingsState& state) {
  if (state.notation == kInputWithAYN) return "-" + DecimalText(state.cboCalendar1);
  if (state.notation != kInputWithoutAYN) return "0";
  int position = state.cboCalendar0;
  if (position >= kCalendarPositionSunday) {
    if (state.lblGregorianBold) {
      position = kCalendarPositionGregorian;
    } else if (state.lblJulianBold) {
      position = kCalendarPositionJulian;
    }
  }
  return DecimalText(position);
}

// The four values, by their place in SettingNames().
enum SettingValue : std::size_t { kJDNValue, kCalNdxValue, kDeeValue, kBackColorValue };

// The names of the four values, in the order they are written and read.
const std::vector<std::string>& SettingNames() {
  static const std::vector<std::string> names = {"JDN", "CalNdx", "Dee", "BackColor"};
  return names;
}

// A value's text when its restore status is "0 OK".
std::optional<std::string> ReadOK(const RestoredValue& restored) {
  if (restored.status != kRestoreOK) return std::nullopt;
  return restored.value;
}

}  // namespace

std::optional<std::string> SettingsKeyPath(std::string_view text273, std::string_view companyName,
                                           std::string_view projectName) {
  if (text273.empty() || companyName.empty() || projectName.empty()) return std::nullopt;
  std::string key(text273);
  key += '\\';
  key += companyName;
  key += '\\';
  key += projectName;
  return key;
}

Message SettingsKeyMissingMessage() {
  return {
      "The program text file lacks the texts that name the settings key (273 and 310), "
      "so settings are neither restored nor saved.",
      "Settings", Icon::Exclamation, Buttons::Ok};
}

SettingsValues SettingsToSave(const SettingsState& state, std::string_view groupingSymbol) {
  return {JDNValueText(state.txbJDN, groupingSymbol), CalNdxValueText(state),
          state.strDeeCalendarDesignation, DecimalText(state.lngBackColor)};
}

void SaveSettings(RegistryApi& registry, const std::string& key, const SettingsState& state,
                  std::string_view groupingSymbol) {
  const SettingsValues values = SettingsToSave(state, groupingSymbol);
  const std::vector<std::string>& names = SettingNames();
  registry.WriteValues(kHKeyCurrentUser, key,
                       {{names[kJDNValue], values.jdn},
                        {names[kCalNdxValue], values.calNdx},
                        {names[kDeeValue], values.dee},
                        {names[kBackColorValue], values.backColor}});
}

std::optional<int64_t> StoredNumber(std::string_view text, int64_t first, int64_t last) {
  const double number = LeadingNumber(text);
  // Compare as doubles first: converting an out-of-range double to an integer is undefined.
  if (!std::isfinite(number) || number < static_cast<double>(first) - 0.5 ||
      number > static_cast<double>(last) + 0.5) {
    return std::nullopt;
  }
  const auto whole = static_cast<int64_t>(std::nearbyint(number));
  if (whole < first || whole > last) return std::nullopt;
  return whole;
}

RestorePlan PlanRestore(RegistryApi& registry, const std::string& key) {
  RestorePlan plan;
  // One reading of the key: the values belong to one save, and a large file is read once.
  const std::vector<RestoredValue> stored =
      RestoreValuesFromRegistry(registry, kHKeyCurrentUser, key, SettingNames());
  if (const std::optional<std::string> color = ReadOK(stored[kBackColorValue])) {
    const int64_t c = StoredNumber(*color, 0, kMaxColor).value_or(0);
    plan.lngBackColor = c == 0 ? kDefaultBackColor : static_cast<uint32_t>(c);
  }
  const std::optional<std::string> dee = ReadOK(stored[kDeeValue]);
  if (dee) plan.dee = *dee == kDeeVariant.designation ? kDeeVariant : kDeeCecilVariant;
  const std::optional<std::string> calNdx = ReadOK(stored[kCalNdxValue]);
  const int64_t position =
      calNdx ? StoredNumber(*calNdx, -kCalendarPositionDee, kCalendarPositionDee).value_or(0) : 0;
  const std::optional<Calendar> calendar =
      CalendarAtPosition(static_cast<int>(std::llabs(position)));
  if (!calendar) return plan;
  const bool ymd = calNdx->front() == '-';
  plan.input = RestoredInput{ymd ? kInputWithAYN : kInputWithoutAYN, *calendar, std::nullopt};
  const std::optional<std::string> jdnText = ReadOK(stored[kJDNValue]);
  const std::optional<int64_t> jdn =
      jdnText ? StoredNumber(*jdnText, kFirstRestorableJDN, kLastRestorableJDN) : std::nullopt;
  if (plan.dee && jdn && *jdn != 0) {
    // Dee dates in the restored variant.
    const DateRec date = DateOfJDN(DateRecCode(*calendar), static_cast<int32_t>(*jdn), *plan.dee);
    // Near the ends of the JDN range the Julian or Dee year can lie past what the input
    // accepts; putting it there would greet the user with an out-of-range message, so the
    // date counts as not saved.
    const int64_t lowestYear = ymd ? -kLargestInputYear : 1 - kLargestInputYear;
    if (date.year >= lowestYear && date.year <= kLargestInputYear) plan.input->date = date;
  }
  return plan;
}

}  // namespace clvt
