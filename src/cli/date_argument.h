#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "cli/arguments.h"
#include "cli/report.h"
#include "datetext/input_controls.h"

// Turning clvt's DATE words and options into the main window's input controls, so that the
// tool runs exactly the checks and conversions the window runs.
namespace clvt::cli {

// The longest DATE (and batch line) clvt reads, in characters: far more than any date the
// window's boxes and lists can hold ("September 30, 99,999 BCE" has 24), and short enough
// that a line of standard input is never buffered without bound.
inline constexpr std::size_t kDateMaxCharacters = 64;

// Options shared by the subcommands that take a DATE.
struct DateOptions {
  std::vector<std::string> dateWords;   // DATE, as one or several arguments
  std::optional<std::string> calendar;  // --calendar CAL
  std::optional<std::string> plus;      // --plus AMOUNTS
  std::optional<std::string> minus;     // --minus AMOUNTS
  std::optional<std::string> jdn;       // --jdn N (clvt convert), in place of DATE
  bool dee = false;                     // --dee (default Dee-Cecil)
};

// --dee and --dee-cecil, which set dee to true and to false.
std::vector<OptionSpec> DeeOptions(bool& dee);

// The options of a DATE subcommand: --calendar CAL (one of calendarChoices), --dee,
// --dee-cecil, --plus AMOUNTS and --minus AMOUNTS.
std::vector<OptionSpec> DateOptionSpecs(DateOptions& options, std::string_view calendarChoices);

// The choices of --calendar: the three calendars, and for clvt convert the weekdays.
inline constexpr std::string_view kCalendarChoices = "gregorian julian dee";
inline constexpr std::string_view kCalendarOrWeekdayChoices =
    "gregorian julian dee sunday monday tuesday wednesday thursday friday saturday";

// What the options make of the window before any date is typed: the calendar chosen, the
// amount boxes and the Dee variant, the same for every DATE of a run.
struct DateSetting {
  InputControls controls;
  DeeVariant dee;
  bool calendarChosen = false;       // --calendar given
  bool weekday = false;              // --calendar names a weekday
  std::optional<Calendar> calendar;  // the calendar --calendar names
  int monthDayYearPosition = 0;      // its position in cboCalendar(0), weekdays included
  std::optional<Message> rejection;  // an amount the window's box check rejects
};

// Reads CAL and AMOUNTS into setting as a user fills the window: each amount gets the check
// of leaving its box. Returns a usage error text (an AMOUNTS that is no list of Ny, Nm, Nw,
// Nd; amounts with a weekday; --plus with --minus), "" when well formed.
std::string ReadDateSetting(const DateOptions& options, DateSetting& setting);

struct DateInput {
  bool ok = false;
  std::string usageError;            // set when the words cannot be a DATE at all
  std::optional<Message> rejection;  // an amount the window's box check rejects
  InputControls controls;
  Notation notation = kInputIncomplete;
  DeeVariant dee;
  bool deeDesignatorWithoutDee = false;  // a year-month-day DATE with the designator "D"
                                         // while Dee-Cecil ("DC") is in force
};

// Fills setting's controls from DATE ("2015-11-22 CE", "November 22, 2015 AD", "today") as a
// user would fill the window. A year-month-day text is upper-cased; with --dee its " DC"
// becomes " D", as when the user clicks the Dee option after typing. Without CAL its
// calendar follows its designator as ReadYmdDesignator reads it, and is left unchosen when
// the designator names none. A DATE of more than kDateMaxCharacters characters, and one
// beginning with a word of three or more letters that is no month name, is a usage error.
// The checks of the typed date are left to the window's own InputDateOK and GetJDN.
DateInput ReadDate(const DateSetting& setting, std::string_view date);

// The day with Julian day number N ("2457349", "2,457,349", "-5"; digit groups as in a
// year-month-day DATE) as a Gregorian year-month-day date typed into the window, as the
// Today button puts today's date there: amounts then apply as to that date. N beyond the
// days of the years the box takes (-99,999 to 99,999) gets the window's out-of-range
// message; N with --calendar, and N that is no whole number, is a usage error.
DateInput ReadJdn(const DateSetting& setting, std::string_view number);

// One line of clvt convert's standard input: "JDN N" (the word in any case) as ReadJdn reads
// N, anything else as ReadDate. A line of more than kDateMaxCharacters characters, or one the
// reader cut, is a usage error.
DateInput ReadDateLine(const DateSetting& setting, std::string_view line, bool cut);

// ReadDateSetting, then ReadDate of the DATE words or ReadJdn of --jdn. Neither or both of
// them is a usage error.
DateInput ReadDateInput(const DateOptions& options);

// What a DATE subcommand has read: the input when it goes on, otherwise the exit status.
struct DateCommandStart {
  std::optional<DateInput> input;
  int status = 0;
};

// The start every DATE subcommand shares once ParseArguments has read its arguments with
// syntax into options: the usage for --help (status 0), a usage error (status 2), an
// amount's rejection as the window words it (status 1), or the input to run.
DateCommandStart StartDateCommand(const ParsedArguments& parsed, const CommandSyntax& syntax,
                                  DateOptions& options, std::ostream& out, Report& report);

// The line clvt adds under the window's message when a DATE was rejected and the reason is
// plain from the arguments alone ("the designator D is the Dee calendar's and needs
// --dee"); nothing otherwise.
void NoteDateRejection(Report& report, const DateInput& input);

}  // namespace clvt::cli
