// clvt equinox: the vernal equinox table exactly as one run of the window's "Do it" writes it
// into an empty table. The start year comes from a bare YEAR or from a DATE read as the main
// window reads its input; like the window's Vernal equinoxes button, it must lie in 1..4000.
// A run that stops at year 4000 still prints its summary and succeeds; a run stopped by the
// table's capacity prints its lines and fails, since its table is incomplete. --json prints
// the values the table's lines were written from, with the same outcome.
#include <charconv>
#include <optional>
#include <ostream>
#include <string_view>

#include "calendar/calendar.h"
#include "cli/commands.h"
#include "cli/date_argument.h"
#include "cli/json_writer.h"
#include "cli/report.h"
#include "datetext/input_check.h"
#include "equinox/equinox_table.h"
#include "platform/digit_grouping.h"
#include "run/conversion.h"

namespace clvt::cli {
namespace {

constexpr std::string_view kSummary =
    "Tabulates the March equinox for N years from the year of DATE, or from YEAR, which\n"
    "must lie in 1 through 4000: the Julian date, the Gregorian date and time at London and\n"
    "the Dee date and time at 'Washington'.\n";

constexpr std::string_view kNotes =
    "DATE is written as for 'clvt convert': 2024-03-20 CE, March 20, 2024 AD, today.\n";

constexpr int kFirstDegree = 70;
constexpr int kLastDegree = 79;
constexpr int kLastMinute = 59;

struct EquinoxArguments {
  std::string years = "12";
  EquinoxSettings settings;
  bool json = false;
  DateOptions date;  // DATE-or-YEAR and the Dee variant; no other DATE option applies
};

// One or two decimal digits; a sign or anything else is no number here.
std::optional<int> SmallNumber(std::string_view digits) {
  int value = 0;
  if (digits.empty() || digits.size() > 2 ||
      digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc() || ptr != digits.data() + digits.size()) return std::nullopt;
  return value;
}

// "77d0m" -> 77 degrees, 0 minutes; letters in either case. std::nullopt outside 70..79 and
// 0..59 or for any other shape.
std::optional<std::pair<int, int>> ParseLongitude(std::string_view text) {
  const std::size_t d = text.find_first_of("dD");
  if (d == std::string_view::npos || text.size() < d + 2) return std::nullopt;
  if (text.back() != 'm' && text.back() != 'M') return std::nullopt;
  const std::optional<int> degrees = SmallNumber(text.substr(0, d));
  const std::optional<int> minutes = SmallNumber(text.substr(d + 1, text.size() - d - 2));
  if (!degrees || !minutes || *degrees < kFirstDegree || *degrees > kLastDegree ||
      *minutes > kLastMinute) {
    return std::nullopt;
  }
  return std::pair{*degrees, *minutes};
}

CommandSyntax EquinoxSyntax(EquinoxArguments& arguments) {
  EquinoxSettings& settings = arguments.settings;
  CommandSyntax syntax{
      "equinox",
      "tabulate the March equinox for a run of years",
      {"DATE", "YEAR"},
      kSummary,
      {TextOption("--years", "N", "the number of years, 1 to 800 (default 12)", arguments.years),
       {"--longitude", "DdMm", "",
        "western longitude of 'Washington', 70d0m to 79d59m (default 77d0m)",
        [&settings](const std::string& value) {
          const auto longitude = ParseLongitude(value);
          if (!longitude) return "--longitude takes DdMm, 70d0m to 79d59m, not '" + value + "'";
          settings.degrees = longitude->first;
          settings.minutes = longitude->second;
          return std::string();
        }},
       FlagOption("--mean", "mean solar time (default: apparent, mean time less 8 minutes)",
                  settings.apparent, false)},
      kNotes};
  for (OptionSpec& spec : DeeOptions(arguments.date.dee)) syntax.options.push_back(std::move(spec));
  syntax.options.push_back(
      FlagOption("--json", "print one JSON object instead of the table", arguments.json));
  return syntax;
}

// A bare year: an optional "-" and digits only. Years beyond int32_t are out of range anyway,
// so they read as INT32_MAX.
std::optional<int32_t> BareYear(const std::vector<std::string>& words) {
  if (words.size() != 1) return std::nullopt;
  std::string_view text = words.front();
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  int32_t year = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), year);
  if (ec != std::errc()) return INT32_MAX;
  return negative ? -year : year;
}

struct StartYear {
  std::optional<int32_t> year;
  int status = kExitDone;
};

// The year of DATE as the Vernal equinoxes button takes it, with the window's messages.
StartYear DateYear(const EquinoxArguments& arguments, Report& report) {
  DateInput input = ReadDateInput(arguments.date);
  if (!input.ok) return {std::nullopt, report.Usage(input.usageError)};
  const PressStart start = VernalEquinoxesStart(input.controls, input.notation,
                                                arguments.settings.dee, 0, DigitGroupingSymbol());
  for (const Message& message : start.messages) report.Show(message);
  if (start.inputRejected) NoteDateRejection(report, input);
  if (!start.ok) return {std::nullopt, kExitRejected};
  return {start.year, kExitDone};
}

void WritePlace(JsonWriter& json, const DateRec& date, std::string_view ymd,
                std::string_view time) {
  json.BeginObject();
  WriteDateMembers(json, date);
  json.Key("ymd").String(ymd).Key("time").String(time).EndObject();
}

void WriteYear(JsonWriter& json, const EquinoxLine& line) {
  json.BeginObject()
      .Key("year")
      .Number(line.year)
      .Key("julian_date")
      .Fixed(line.julianDate, 4)
      .Key("delta_t_seconds")
      .Fixed(line.deltaTMinutes * 60.0, 1)
      .Key("london");
  WritePlace(json, line.london, line.londonDate, line.londonTime);
  json.Key("washington");
  WritePlace(json, line.washington, line.washingtonDate, line.washingtonTime);
  json.Key("cycle_position")
      .Number(line.cyclePosition)
      .Key("dee_leap_year")
      .Bool(line.deeLeapYear)
      .Key("marked")
      .Bool(line.marked)
      .EndObject();
}

// The run as one object: how it was made, the years the table shows (the Julian date with the
// table's four decimals), the count and line of its summary, and why it stopped short.
void PrintJson(std::ostream& out, const EquinoxArguments& arguments, const EquinoxRun& run) {
  const EquinoxSettings& settings = arguments.settings;
  JsonWriter json;
  json.BeginObject()
      .Key("variant")
      .String(settings.dee.name)
      .Key("longitude")
      .BeginObject()
      .Key("degrees")
      .Number(settings.degrees)
      .Key("minutes")
      .Number(settings.minutes)
      .EndObject()
      .Key("time")
      .String(settings.apparent ? "apparent" : "mean")
      .Key("years_requested")
      .Number(run.number)
      .Key("years")
      .BeginArray();
  for (const EquinoxLine& line : run.lines) WriteYear(json, line);
  std::optional<std::string_view> stopped;
  if (run.stoppedFull) {
    stopped = "capacity";
  } else if (run.stoppedOutOfRange) {
    stopped = "year_range";
  }
  PrintRunEnd(out, json, "marked_count", run.markedCount, run.summary, stopped);
}

int Equinox(const std::vector<std::string>& args, EquinoxArguments& arguments, std::ostream& out,
            Report& report) {
  const CommandSyntax syntax = EquinoxSyntax(arguments);
  const ParsedArguments parsed = ParseArguments(args, syntax);
  std::vector<std::string>& words = arguments.date.dateWords;
  words = parsed.words;
  arguments.settings.dee = arguments.date.dee ? kDeeVariant : kDeeCecilVariant;
  if (parsed.help && parsed.error.empty()) {
    out << HelpText(syntax);
    return kExitDone;
  }
  if (!parsed.error.empty()) return report.Usage(parsed.error);
  if (words.empty()) return report.Usage("a DATE or YEAR is required");
  // A YEAR stands alone; "2024 2025" is no DATE either.
  if (words.size() > 1 && BareYear({words.front()})) return report.Usage("too many arguments");

  StartYear start;
  if (const std::optional<int32_t> year = BareYear(words)) {
    start.year = year;
  } else {
    start = DateYear(arguments, report);
    if (!start.year) return start.status;
  }
  ReportMessages messages(report);
  if (!VernalEquinoxYearInRange(*start.year)) {
    messages.Show(VEOutOfRangeMessage());
    return kExitRejected;
  }

  EquinoxRequest request;
  request.numberBox = arguments.years;
  request.start = [&start] { return *start.year; };
  request.settings = arguments.settings;
  const EquinoxRun run = RunVernalEquinoxes(request, messages);
  if (!run.changed) {
    // An empty or zero number of years stops the window's run silently; here it is said.
    if (messages.Shown() == 0) report.Note("--years must be a whole number from 1 to 800");
    return kExitRejected;
  }
  if (arguments.json) {
    PrintJson(out, arguments, run);
    report.ResultPrinted();
  } else {
    out << run.text;
  }
  // The message that ended the run follows the lines it ends.
  if (run.closingMessage) messages.Show(*run.closingMessage);
  return run.stoppedFull ? kExitRejected : kExitDone;
}

}  // namespace

void VisitEquinoxSyntax(const SyntaxVisitor& visit) {
  EquinoxArguments arguments;
  visit(EquinoxSyntax(arguments));
}

int RunEquinox(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  EquinoxArguments arguments;
  Report report(err, "equinox");
  const int status = Equinox(args, arguments, out, report);
  return report.Finish(out, status, arguments.json);
}

}  // namespace clvt::cli
