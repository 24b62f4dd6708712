// clvt convert: one press of the main window's Calculate button, printed as five aligned
// lines or as one JSON object; with "-", one press for each line of standard input. The columns are
// counted in characters (UTF-8 code points), so a grouping symbol of more than one byte does not
// shift the layout.
#include <array>
#include <istream>
#include <optional>
#include <ostream>

#include "base/ascii_text.h"
#include "calendar/calendar.h"
#include "cli/commands.h"
#include "cli/date_argument.h"
#include "cli/json_writer.h"
#include "cli/line_reader.h"
#include "cli/report.h"
#include "datetext/formatting.h"
#include "datetext/text_helpers.h"
#include "platform/digit_grouping.h"
#include "platform/utf8.h"
#include "run/conversion.h"

namespace clvt::cli {
namespace {

constexpr std::size_t kHeadingWidth = 20;
constexpr std::size_t kTraditionalWidth = 28;

constexpr std::string_view kSummary =
    "Converts DATE, or the day with Julian day number N, to the Gregorian, Julian and Dee\n"
    "calendars, the Julian day number and the day of the week. With \"-\" it reads DATEs\n"
    "from standard input, one a line (\"JDN N\" for a day number), and converts each.\n";

constexpr std::string_view kNotes =
    "DATE is 2015-11-22 CE, -4,999-12-31 JC, 2015-11-22 DC (year-month-day with a\n"
    "designator CE, JC, DC or D), November 22, 2015 AD (month, day, year with an era AD,\n"
    "BC, CE or BCE), or today. An argument that begins with \"-\", blanks or none, and a\n"
    "digit is part of DATE; \"--\" ends the options. Of standard input, blank lines are\n"
    "skipped; a line that fails is reported with its number and the rest are converted,\n"
    "with exit status 1 at the end.\n";

struct ConvertArguments {
  DateOptions date;
  bool json = false;
};

CommandSyntax ConvertSyntax(ConvertArguments& arguments) {
  CommandSyntax syntax{"convert",
                       "convert a date among the Gregorian, Julian and Dee calendars",
                       {"DATE", "--jdn=N", "-"},
                       kSummary,
                       DateOptionSpecs(arguments.date, kCalendarOrWeekdayChoices),
                       kNotes};
  syntax.options[0].help =
      "the calendar DATE is in, as chosen before typing; without it a year-month-day DATE "
      "follows its designator and a month, day, year DATE is Gregorian. A weekday, with a "
      "month, day, year DATE, finds whether the date falls on it in the Gregorian or the "
      "Julian calendar";
  syntax.options.push_back(TextOption(
      "--jdn", "N",
      "the day with Julian day number N (digit groups allowed) in place of DATE; amounts "
      "apply to it as to a Gregorian DATE",
      arguments.date.jdn));
  syntax.options.push_back(
      FlagOption("--json", "print one JSON object instead of the five lines (one a line for \"-\")",
                 arguments.json));
  return syntax;
}

// Appends one row to block: the heading and the first text each padded to their column (one
// blank after a text that fills it), then the second text. Built in place, as a batch writes
// a hundred thousand of them.
void AppendRow(std::string& block, std::string_view heading, std::string_view first,
               std::string_view second) {
  std::size_t lineStart = block.size();
  auto padTo = [&block, &lineStart](std::size_t column) {
    const auto used =
        static_cast<std::size_t>(CharacterCount(std::string_view(block).substr(lineStart)));
    block.append(used < column ? column - used : 1, ' ');
  };
  block += heading;
  padTo(kHeadingWidth);
  block += first;
  if (!second.empty()) {
    padTo(kHeadingWidth + kTraditionalWidth);
    block += second;
  }
  block += '\n';
}

void WriteCalendar(JsonWriter& json, int32_t calendar, int32_t jdn, std::string_view traditional,
                   std::string_view ymd, const DeeVariant& dee, std::string_view variant) {
  json.BeginObject();
  WriteDateMembers(json, DateOfJDN(calendar, jdn, dee));
  json.Key("traditional").String(traditional).Key("ymd").String(ymd);
  if (!variant.empty()) json.Key("variant").String(variant);
  json.EndObject();
}

// The amounts applied and what became of the day of the month; null without amounts.
void WriteArithmetic(JsonWriter& json, const std::optional<AppliedArithmetic>& arithmetic) {
  if (!arithmetic) {
    json.Null();
    return;
  }
  const std::array<int32_t, 4>& amounts = arithmetic->amounts;
  json.BeginObject()
      .Key("operation")
      .String(arithmetic->plus ? "plus" : "minus")
      .Key("years")
      .Number(amounts[0])
      .Key("months")
      .Number(amounts[1])
      .Key("weeks")
      .Number(amounts[2])
      .Key("days")
      .Number(amounts[3])
      .Key("requested_day")
      .Number(arithmetic->requestedDay)
      .Key("clamped")
      .Bool(arithmetic->clamped)
      .EndObject();
}

void PrintLines(std::ostream& out, const OutputDates& o, const DeeVariant& dee) {
  constexpr std::size_t kTypicalLength = 320;
  std::string block;
  block.reserve(kTypicalLength);
  AppendRow(block, "Gregorian:", o.txbOutputGC, o.txbOutputGCwithAYN);
  AppendRow(block, "Julian:", o.txbOutputJC, o.txbOutputJCwithAYN);
  AppendRow(block, std::string(dee.name) + ":", o.txbOutputDEE, o.txbOutputDEEwithAYN);
  AppendRow(block, "Julian day number:", o.txbJDN, "");
  AppendRow(block, "Day of week:", o.txbDayOfWeek, "");
  out << block;
}

// The conversion as one JSON object on one line; in a batch, "input" first holds the line.
void PrintJson(std::ostream& out, const CalculateResult& run, const DeeVariant& dee,
               std::optional<std::string_view> input) {
  const OutputDates& o = run.outputs;
  const int32_t jdn = run.jdn;
  JsonWriter json;
  json.BeginObject();
  if (input) json.Key("input").String(*input);
  json.Key("jdn").Number(jdn).Key("weekday").String(o.txbDayOfWeek);
  json.Key("gregorian");
  WriteCalendar(json, kCalendarGregorian, jdn, o.txbOutputGC, o.txbOutputGCwithAYN, dee, "");
  json.Key("julian");
  WriteCalendar(json, kCalendarJulian, jdn, o.txbOutputJC, o.txbOutputJCwithAYN, dee, "");
  json.Key("dee");
  WriteCalendar(json, kCalendarDee, jdn, o.txbOutputDEE, o.txbOutputDEEwithAYN, dee, dee.name);
  json.Key("arithmetic");
  WriteArithmetic(json, run.arithmetic);
  out << json.EndObject().Text() << "\n";
}

// One press of Calculate on input, printed; in a batch, input is the line and a text block
// after an earlier one is set apart by a blank line. Returns the exit status.
int Convert(DateInput& input, bool json, std::optional<std::string_view> line, bool separate,
            std::ostream& out, Report& report) {
  const CalculateResult run =
      CalculateRun(input.controls, input.notation, input.dee, 0, DigitGroupingSymbol());
  for (const Message& message : run.messages) report.Show(message);
  if (!run.outputShown) {
    NoteDateRejection(report, input);
    return kExitRejected;
  }
  if (json) {
    PrintJson(out, run, input.dee, line);
  } else {
    if (separate) out << '\n';
    PrintLines(out, run.outputs, input.dee);
  }
  return kExitDone;
}

// clvt convert -: each line of in converted with the same options, its failure reported
// under its number and the run going on. Stops early only when standard output fails.
int ConvertLines(const ConvertArguments& arguments, std::istream& in, std::ostream& out,
                 std::ostream& err) {
  DateSetting setting;
  Report options(err, "convert");
  const std::string error = ReadDateSetting(arguments.date, setting);
  if (!error.empty()) return options.Finish(out, options.Usage(error), arguments.json);
  if (setting.rejection) {
    options.Show(*setting.rejection);
    return options.Finish(out, kExitRejected, arguments.json);
  }
  // A character has at most 4 bytes in UTF-8: a line cut there is surely too long.
  LineReader reader(*in.rdbuf(), 4 * kDateMaxCharacters + 4);
  std::string line;
  bool failed = false;
  bool converted = false;
  while (out && reader.Next(line)) {
    if (TrimBlanks(line).empty()) continue;
    Report report(err, "convert", "line " + DecimalText(reader.Number()) + ": ");
    DateInput input = ReadDateLine(setting, line, reader.Cut());
    int status = kExitRejected;
    if (!input.ok) {
      status = report.Usage(input.usageError);
    } else if (input.rejection) {
      report.Show(*input.rejection);
    } else {
      status = Convert(input, arguments.json, line, converted, out, report);
    }
    report.Finish(out, status, arguments.json, line);
    failed = failed || status != kExitDone;
    converted = converted || status == kExitDone;
  }
  return failed ? kExitRejected : kExitDone;
}

}  // namespace

void VisitConvertSyntax(const SyntaxVisitor& visit) {
  ConvertArguments arguments;
  visit(ConvertSyntax(arguments));
}

int RunConvert(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err) {
  ConvertArguments arguments;
  const CommandSyntax syntax = ConvertSyntax(arguments);
  Report report(err, "convert");
  const ParsedArguments parsed = ParseArguments(args, syntax);
  if (parsed.error.empty() && !parsed.help && parsed.words == std::vector<std::string>{"-"}) {
    if (arguments.date.jdn) {
      return report.Finish(out, report.Usage("--jdn and a DATE cannot be used together"),
                           arguments.json);
    }
    return ConvertLines(arguments, in, out, err);
  }
  DateCommandStart start = StartDateCommand(parsed, syntax, arguments.date, out, report);
  if (!start.input) return report.Finish(out, start.status, arguments.json);
  const int status = Convert(*start.input, arguments.json, std::nullopt, false, out, report);
  return report.Finish(out, status, arguments.json);
}

}  // namespace clvt::cli
