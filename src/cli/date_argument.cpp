// clvt's DATE, CAL and AMOUNTS become the main window's input controls, filled the way a user
// fills them, so that every check, message and normalisation is the window's own. Only what
// the window's lists and buttons make impossible (an unknown month name, a day outside the
// day list, a missing era) is a usage error here.
#include "cli/date_argument.h"

#include <array>
#include <ostream>

#include "base/ascii_text.h"
#include "calendar/calendar.h"
#include "cli/commands.h"
#include "datetext/formatting.h"
#include "datetext/input_check.h"
#include "datetext/text_helpers.h"
#include "platform/digit_grouping.h"
#include "platform/morvel/month_table.h"
#include "run/conversion.h"
#include "run/live_input.h"
#include "run/today.h"

namespace clvt::cli {
namespace {

constexpr int64_t kLongestMonth = 31;
constexpr std::size_t kAbbreviationLength = 3;
// Every year-month-day designator has one or two letters, every month name three or more: a
// DATE that starts with a longer word of letters can only be meant as a month name.
constexpr std::size_t kShortestMonthWord = kAbbreviationLength;
constexpr const char* kMonthDayYearShape =
    "DATE: expected MONTH DAY, YEAR ERA (e.g. \"November 22, 2015 AD\"), "
    "YEAR-MONTH-DAY DESIGNATOR (e.g. \"2015-11-22 CE\") or today";

constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

bool IsLetter(char c) { return kLetters.find(c) != std::string_view::npos; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Join(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) {
    if (!text.empty()) text += ' ';
    text += word;
  }
  return text;
}

// Month number of an English month name or its first three letters, any case; 0 if none.
int MonthNumber(std::string_view word) {
  const std::string lower = LowerCase(word);
  for (int m = 1; m <= kMonthsPerYear; ++m) {
    const std::string name = LowerCase(MonthNames[static_cast<std::size_t>(m)]);
    if (lower == name || lower == name.substr(0, kAbbreviationLength)) return m;
  }
  return 0;
}

// What a --calendar value names: a calendar, or else the weekday 0 = Sunday ... 6 = Saturday
// to match.
struct CalendarOption {
  std::optional<Calendar> calendar;
  int weekday = 0;
};

// None when the value names neither.
std::optional<CalendarOption> ReadCalendarOption(std::string_view value) {
  const std::string lower = LowerCase(value);
  if (lower == "gregorian") return CalendarOption{Calendar::kGregorian};
  if (lower == "julian") return CalendarOption{Calendar::kJulian};
  if (lower == "dee") return CalendarOption{Calendar::kDee};
  for (int w = 0; w < 7; ++w) {
    if (lower == LowerCase(DayName(w))) return CalendarOption{std::nullopt, w};
  }
  return std::nullopt;
}

// "November 22, 2015 AD" into the month, day, year controls; false when it has not that shape.
bool FillMonthDayYear(const std::string& text, InputControls& controls) {
  std::size_t i = 0;
  while (i < text.size() && IsLetter(text[i])) ++i;
  const int month = MonthNumber(std::string_view(text).substr(0, i));
  while (i < text.size() && text[i] == ' ') ++i;
  const std::size_t dayStart = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  const int64_t day = DigitsValue(std::string_view(text).substr(dayStart, i - dayStart));
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && text[i] == ',') ++i;

  const std::string rest = TrimBlanks(std::string_view(text).substr(i));
  const std::size_t eraStart = rest.rfind(' ');
  if (month == 0 || day < 1 || day > kLongestMonth || eraStart == std::string::npos) {
    return false;
  }
  const int era = YearDesignatorIndex(UpperCase(rest.substr(eraStart + 1)));
  if (era < 1) return false;
  controls.optInputDateWithoutAYN = true;
  controls.cboMonthNames = month;
  controls.cboDayNumbers = static_cast<int>(day);
  controls.txbYearADBCetc = TrimBlanks(rest.substr(0, eraStart));
  controls.cboYearDesADBCetc = era;
  return true;
}

// "1y 2m 3w 4d" into the four amount boxes; a usage error text or "".
std::string FillAmounts(const std::string& amounts, InputControls& controls,
                        std::optional<Message>& rejection) {
  constexpr std::string_view kUnits = "ymwd";
  std::array<bool, 4> seen{};
  std::size_t count = 0;
  std::size_t i = 0;
  while (i < amounts.size()) {
    while (i < amounts.size() && amounts[i] == ' ') ++i;
    const std::size_t start = i;
    while (i < amounts.size() && amounts[i] != ' ') ++i;
    if (start == i) break;
    const std::string token = amounts.substr(start, i - start);
    const std::size_t unit = kUnits.find(LowerCase(token.substr(token.size() - 1)));
    if (token.size() < 2 || unit == std::string_view::npos || seen[unit]) {
      return "AMOUNTS: expected one or more of Ny, Nm, Nw, Nd separated by blanks, each "
             "unit once, e.g. \"1y 2m\"";
    }
    seen[unit] = true;
    ++count;
    controls.txbArith[unit] = token.substr(0, token.size() - 1);
    ArithBoxCheck check = CheckArithBox(controls.txbArith[unit], DigitGroupingSymbol());
    if (check.message && !rejection) rejection = std::move(check.message);
  }
  if (count == 0) return "AMOUNTS: expected one or more of Ny, Nm, Nw, Nd, e.g. \"1y 2m\"";
  return "";
}

DateInput Usage(std::string error) {
  DateInput input;
  input.usageError = std::move(error);
  return input;
}

}  // namespace

std::vector<OptionSpec> DeeOptions(bool& dee) {
  return {FlagOption("--dee", dee, true), FlagOption("--dee-cecil", dee, false)};
}

std::string ParseDateArguments(const std::vector<std::string>& args, DateOptions& options,
                               std::vector<OptionSpec> ownOptions) {
  CommandSyntax syntax;
  syntax.options = DeeOptions(options.dee);
  syntax.options.push_back(TextOption("--calendar", options.calendar));
  syntax.options.push_back(TextOption("--plus", options.plus));
  syntax.options.push_back(TextOption("--minus", options.minus));
  for (OptionSpec& option : ownOptions) syntax.options.push_back(std::move(option));
  ParsedArguments parsed = ParseArguments(args, syntax);
  options.dateWords = std::move(parsed.words);
  options.help = parsed.help;
  if (!parsed.error.empty()) return parsed.error;
  if (options.plus && options.minus) return "--plus and --minus cannot be used together";
  return "";
}

DateCommandStart StartDateCommand(const std::vector<std::string>& args, const DateCommand& command,
                                  std::ostream& out, std::ostream& err) {
  DateOptions options;
  const std::string usageError = ParseDateArguments(args, options, command.ownOptions);
  if (options.help && usageError.empty()) {
    out << command.usage;
    return {std::nullopt, kExitDone};
  }
  if (!usageError.empty()) return {std::nullopt, PrintUsageError(err, command.name, usageError)};
  DateInput input = ReadDateInput(options);
  if (!input.ok) return {std::nullopt, PrintUsageError(err, command.name, input.usageError)};
  if (input.rejection) {
    PrintMessage(err, *input.rejection);
    return {std::nullopt, kExitRejected};
  }
  return {std::move(input), kExitDone};
}

int PrintUsageError(std::ostream& err, std::string_view command, std::string_view error) {
  err << "clvt " << command << ": " << error << "\nRun 'clvt " << command
      << " --help' for usage.\n";
  return kExitUsage;
}

DateInput ReadDateInput(const DateOptions& options) {
  DateInput input;
  input.dee = options.dee ? kDeeVariant : kDeeCecilVariant;
  InputControls& controls = input.controls;

  std::optional<CalendarOption> choice;
  if (options.calendar) {
    choice = ReadCalendarOption(*options.calendar);
    if (!choice) {
      return Usage("unknown calendar '" + *options.calendar +
                   "' (gregorian, julian, dee, or sunday ... saturday)");
    }
  }
  const bool weekday = choice && !choice->calendar;
  // cboCalendar(0) as the choice leaves it: 0 (none), a calendar, or a weekday.
  const int position = weekday ? kCalendarPositionSunday + choice->weekday
                               : CalendarPosition(choice ? choice->calendar : std::nullopt);
  if (weekday && (options.plus || options.minus)) {
    return Usage("--plus and --minus do not apply when --calendar names a weekday");
  }

  // Arguments come in the locale's character set; the checks read UTF-8 as the window's do.
  const std::string text = TrimBlanks(TypedTextToUtf8(Join(options.dateWords)));
  if (text.empty()) return Usage("missing DATE");
  const std::string firstWord = text.substr(0, text.find_first_not_of(kLetters));
  if (LowerCase(text) == "today") {
    if (weekday) return Usage("--calendar WEEKDAY needs a month, day, year DATE, not today");
    // As the Today button with the month-day-year notation and this calendar chosen.
    controls.optInputDateWithoutAYN = true;
    controls.cboCalendar0 = position;
    SetToday(controls, TodayJDN(), input.dee);
    input.notation = kInputWithoutAYN;
  } else if (MonthNumber(firstWord) != 0) {
    if (!FillMonthDayYear(text, controls)) return Usage(kMonthDayYearShape);
    controls.cboCalendar0 = position == 0 ? kCalendarPositionGregorian : position;
    input.notation = kInputWithoutAYN;
  } else if (firstWord.size() >= kShortestMonthWord) {
    return Usage("DATE: unknown month '" + firstWord +
                 "' (January ... December, or their first three letters)");
  } else {
    if (weekday) return Usage("--calendar WEEKDAY needs a month, day, year DATE");
    controls.optInputDateWithAYN = true;
    controls.txbYearCEJC = UpperCase(text);
    if (options.dee) {
      controls.txbYearCEJC = RewriteDeeDesignator(controls.txbYearCEJC, input.dee);
    }
    const std::string symbol = DigitGroupingSymbol();
    controls.cboCalendar1 = CalendarPosition(
        choice ? choice->calendar
               : ReadYmdDesignator(controls.txbYearCEJC, input.dee, symbol).calendar);
    input.deeDesignatorWithoutDee =
        !options.dee &&
        ReadYmdDesignator(controls.txbYearCEJC, kDeeVariant, symbol).calendar == Calendar::kDee;
    input.notation = kInputWithAYN;
  }

  controls.fraPlusMinusVisible = !weekday;
  if (options.plus || options.minus) {
    controls.optPlus = options.plus.has_value();
    controls.optMinus = options.minus.has_value();
    const std::string error = FillAmounts(
        TypedTextToUtf8(options.plus ? *options.plus : *options.minus), controls, input.rejection);
    if (!error.empty()) return Usage(error);
  }
  input.ok = true;
  return input;
}

void PrintMessage(std::ostream& err, const Message& message) {
  err << ReplaceAll(message.text, "\r\n", "\n") << '\n';
}

void PrintDateNote(std::ostream& err, std::string_view command, const DateInput& input) {
  if (input.deeDesignatorWithoutDee) {
    err << "clvt " << command << ": the designator D is the Dee calendar's and needs --dee\n";
  }
}

}  // namespace clvt::cli
