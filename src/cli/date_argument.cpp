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
#include "datetext/run_messages.h"
#include "datetext/text_helpers.h"
#include "platform/digit_grouping.h"
#include "platform/morvel/month_table.h"
#include "platform/utf8.h"
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

// What digit groups a Julian day number may be written with, besides the locale's symbol: those
// of a year-month-day DATE's year.
constexpr std::string_view kJdnGroupChars = ",.' ";

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
  if (word.size() < kAbbreviationLength) return 0;  // as every year-month-day DATE
  const std::string lower = LowerCase(word);
  for (int m = 1; m <= kMonthsPerYear; ++m) {
    const std::string name = LowerCase(MonthNames[static_cast<std::size_t>(m)]);
    if (lower == name || lower == name.substr(0, kAbbreviationLength)) return m;
  }
  return 0;
}

// What a --calendar value names (one of kCalendarOrWeekdayChoices, which the parser has
// checked): a calendar, or else the weekday 0 = Sunday ... 6 = Saturday to match.
struct CalendarOption {
  std::optional<Calendar> calendar;
  int weekday = 0;
};

CalendarOption ReadCalendarOption(std::string_view value) {
  const std::string lower = LowerCase(value);
  if (lower == "julian") return {Calendar::kJulian};
  if (lower == "dee") return {Calendar::kDee};
  for (int w = 0; w < 7; ++w) {
    if (lower == LowerCase(DayName(w))) return {std::nullopt, w};
  }
  return {Calendar::kGregorian};
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

bool Overlong(std::string_view text) {
  return static_cast<std::size_t>(CharacterCount(text)) > kDateMaxCharacters;
}

// what: "DATE: " or "".
DateInput OverlongUsage(std::string_view what) {
  return Usage(std::string(what) + "more than " + DecimalText(kDateMaxCharacters) + " characters");
}

// The input as the options left it, before a date is typed.
DateInput FromSetting(const DateSetting& setting) {
  DateInput input;
  input.controls = setting.controls;
  input.dee = setting.dee;
  input.rejection = setting.rejection;
  return input;
}

}  // namespace

std::vector<OptionSpec> DeeOptions(bool& dee) {
  return {FlagOption("--dee", "the Dee variant (1-1-1 D = JDN 1,721,425)", dee, true),
          FlagOption("--dee-cecil", "the Dee-Cecil variant (1-1-1 DC = JDN 1,721,426; the default)",
                     dee, false)};
}

std::vector<OptionSpec> DateOptionSpecs(DateOptions& options, std::string_view calendarChoices) {
  std::vector<OptionSpec> specs = {
      TextOption("--calendar", "CAL",
                 "the calendar DATE is in, as chosen before typing; without it a "
                 "year-month-day DATE follows its designator and a month, day, year DATE is "
                 "Gregorian",
                 options.calendar),
      TextOption("--plus", "AMOUNTS",
                 "add the amounts first: one or more of Ny, Nm, Nw, Nd (years, months, "
                 "weeks, days), blanks between, in one argument",
                 options.plus),
      TextOption("--minus", "AMOUNTS", "subtract the amounts first", options.minus),
  };
  specs[0].choices = calendarChoices;
  for (OptionSpec& spec : DeeOptions(options.dee)) specs.push_back(std::move(spec));
  return specs;
}

std::string ReadDateSetting(const DateOptions& options, DateSetting& setting) {
  setting.dee = options.dee ? kDeeVariant : kDeeCecilVariant;
  if (options.plus && options.minus) return "--plus and --minus cannot be used together";
  if (options.calendar) {
    const CalendarOption choice = ReadCalendarOption(*options.calendar);
    setting.calendarChosen = true;
    setting.weekday = !choice.calendar;
    setting.calendar = choice.calendar;
    setting.monthDayYearPosition = setting.weekday ? kCalendarPositionSunday + choice.weekday
                                                   : CalendarPosition(choice.calendar);
  }
  if (setting.weekday && (options.plus || options.minus)) {
    return "--plus and --minus do not apply when --calendar names a weekday";
  }
  InputControls& controls = setting.controls;
  controls.fraPlusMinusVisible = !setting.weekday;
  if (!options.plus && !options.minus) return "";
  controls.optPlus = options.plus.has_value();
  controls.optMinus = options.minus.has_value();
  return FillAmounts(TypedTextToUtf8(options.plus ? *options.plus : *options.minus), controls,
                     setting.rejection);
}

DateInput ReadDate(const DateSetting& setting, std::string_view date) {
  DateInput input = FromSetting(setting);
  InputControls& controls = input.controls;
  // Arguments and lines come in the locale's character set; the checks read UTF-8 as the
  // window's do.
  const std::string text = TrimBlanks(TypedTextToUtf8(date));
  if (text.empty()) return Usage("missing DATE");
  if (Overlong(text)) return OverlongUsage("DATE: ");
  const std::string firstWord = text.substr(0, text.find_first_not_of(kLetters));
  if (LowerCase(text) == "today") {
    if (setting.weekday) {
      return Usage("--calendar WEEKDAY needs a month, day, year DATE, not today");
    }
    // As the Today button with the month-day-year notation and this calendar chosen.
    controls.optInputDateWithoutAYN = true;
    controls.cboCalendar0 = setting.monthDayYearPosition;
    SetToday(controls, TodayJDN(), input.dee);
    input.notation = kInputWithoutAYN;
  } else if (MonthNumber(firstWord) != 0) {
    if (!FillMonthDayYear(text, controls)) return Usage(kMonthDayYearShape);
    controls.cboCalendar0 =
        setting.calendarChosen ? setting.monthDayYearPosition : kCalendarPositionGregorian;
    input.notation = kInputWithoutAYN;
  } else if (firstWord.size() >= kShortestMonthWord) {
    return Usage("DATE: unknown month '" + firstWord +
                 "' (January ... December, or their first three letters)");
  } else {
    if (setting.weekday) return Usage("--calendar WEEKDAY needs a month, day, year DATE");
    controls.optInputDateWithAYN = true;
    controls.txbYearCEJC = UpperCase(text);
    const bool dee = input.dee == kDeeVariant;
    if (dee) controls.txbYearCEJC = RewriteDeeDesignator(controls.txbYearCEJC, input.dee);
    const std::string symbol = DigitGroupingSymbol();
    controls.cboCalendar1 =
        CalendarPosition(setting.calendarChosen
                             ? setting.calendar
                             : ReadYmdDesignator(controls.txbYearCEJC, input.dee, symbol).calendar);
    input.deeDesignatorWithoutDee =
        !dee &&
        ReadYmdDesignator(controls.txbYearCEJC, kDeeVariant, symbol).calendar == Calendar::kDee;
    input.notation = kInputWithAYN;
  }
  input.ok = true;
  return input;
}

DateInput ReadJdn(const DateSetting& setting, std::string_view number) {
  if (setting.calendarChosen) {
    return Usage("--calendar does not apply to a Julian day number");
  }
  const std::string text = TrimBlanks(TypedTextToUtf8(number));
  const std::string plain = WithCommaGroups(text, DigitGroupingSymbol());
  const std::string digits = KeepChars(plain, "0123456789");
  if (digits.empty() || text.front() == '+' || !IsWholeNumber(plain, true, kJdnGroupChars)) {
    return Usage("JDN: expected a whole number such as 2,457,349, not '" + text + "'");
  }
  DateInput input = FromSetting(setting);
  const int64_t magnitude = DigitsValue(digits);
  const int64_t jdn = text.front() == '-' ? -magnitude : magnitude;
  // The days of the years the year-month-day box takes, in the Gregorian calendar.
  DateRec first{-static_cast<int32_t>(kLargestInputYear), 1, 1, kCalendarGregorian};
  DateRec last{static_cast<int32_t>(kLargestInputYear), kMonthsPerYear, kLongestMonth,
               kCalendarGregorian};
  DateToJDN(first, input.dee);
  DateToJDN(last, input.dee);
  if (jdn < first.jdn || jdn > last.jdn) {
    input.rejection = MakeMessage(kMsgInputOutOfRange, kTitleCalculate, Icon::Exclamation);
    input.ok = true;
    return input;
  }
  input.controls.optInputDateWithAYN = true;
  input.controls.cboCalendar1 = kCalendarPositionGregorian;
  SetToday(input.controls, static_cast<int32_t>(jdn), input.dee);
  input.notation = kInputWithAYN;
  input.ok = true;
  return input;
}

DateInput ReadDateLine(const DateSetting& setting, std::string_view line, bool cut) {
  if (cut || Overlong(line)) return OverlongUsage("");
  const std::string text = TrimBlanks(line);
  constexpr std::string_view kJdnWord = "jdn ";
  if (LowerCase(text.substr(0, kJdnWord.size())) == kJdnWord) {
    return ReadJdn(setting, std::string_view(text).substr(kJdnWord.size()));
  }
  return ReadDate(setting, text);
}

DateInput ReadDateInput(const DateOptions& options) {
  DateSetting setting;
  std::string error = ReadDateSetting(options, setting);
  if (error.empty() && options.jdn && !options.dateWords.empty()) {
    error = "--jdn and a DATE cannot be used together";
  }
  if (!error.empty()) return Usage(std::move(error));
  return options.jdn ? ReadJdn(setting, *options.jdn) : ReadDate(setting, Join(options.dateWords));
}

DateCommandStart StartDateCommand(const ParsedArguments& parsed, const CommandSyntax& syntax,
                                  DateOptions& options, std::ostream& out, Report& report) {
  options.dateWords = parsed.words;
  if (parsed.help && parsed.error.empty()) {
    out << HelpText(syntax);
    return {std::nullopt, kExitDone};
  }
  if (!parsed.error.empty()) return {std::nullopt, report.Usage(parsed.error)};
  DateInput input = ReadDateInput(options);
  if (!input.ok) return {std::nullopt, report.Usage(input.usageError)};
  if (input.rejection) {
    report.Show(*input.rejection);
    return {std::nullopt, kExitRejected};
  }
  return {std::move(input), kExitDone};
}

void NoteDateRejection(Report& report, const DateInput& input) {
  if (input.deeDesignatorWithoutDee) {
    report.Note("the designator D is the Dee calendar's and needs --dee");
  }
}

}  // namespace clvt::cli
