// clvt convert: one press of the main window's Calculate button, printed as five aligned
// lines or as one JSON object. The columns are counted in characters (UTF-8 code points), so
// a grouping symbol of more than one byte does not shift the layout.
#include <array>
#include <optional>
#include <ostream>

#include "calendar/calendar.h"
#include "cli/commands.h"
#include "cli/date_argument.h"
#include "cli/json_writer.h"
#include "datetext/formatting.h"
#include "datetext/text_helpers.h"
#include "platform/digit_grouping.h"
#include "run/conversion.h"

namespace clvt::cli {
namespace {

constexpr std::size_t kHeadingWidth = 20;
constexpr std::size_t kTraditionalWidth = 28;

constexpr const char* kConvertUsage =
    "Usage: clvt convert [--dee | --dee-cecil] [--calendar CAL] [--plus AMOUNTS | --minus "
    "AMOUNTS] [--json] DATE\n"
    "\n"
    "Converts DATE to the Gregorian, Julian and Dee calendars, the Julian day number and the\n"
    "day of the week.\n"
    "\n"
    "  DATE       2015-11-22 CE, -4,999-12-31 JC, 2015-11-22 DC (year-month-day with a\n"
    "             designator CE, JC, DC or D), November 22, 2015 AD (month, day, year with\n"
    "             an era AD, BC, CE or BCE), or today. An argument that begins with \"-\",\n"
    "             blanks or none, and a digit is part of DATE; \"--\" ends the options.\n"
    "  --calendar gregorian, julian or dee; for a month, day, year DATE also sunday ...\n"
    "             saturday, which finds whether the date falls on that weekday in the\n"
    "             Gregorian or the Julian calendar. Without it a year-month-day DATE follows\n"
    "             its designator and a month, day, year DATE is Gregorian.\n"
    "  --dee, --dee-cecil\n"
    "             the Dee variant (default Dee-Cecil, 1-1-1 DC = JDN 1,721,426)\n"
    "  --plus, --minus AMOUNTS\n"
    "             shift the date first, e.g. \"1y 2m 3w 4d\" (years, months, weeks, days)\n"
    "  --json     print one JSON object instead of the five lines\n"
    "\n"
    "Exit status: 0 done, 1 input rejected (the message is on standard error), 2 usage error,\n"
    "3 standard output could not be written.\n";

std::string Row(std::string_view heading, std::string_view first, std::string_view second) {
  std::string line = PadToColumns(heading, kHeadingWidth, ColumnOverflow::kOneBlank);
  line += first;
  if (!second.empty()) {
    line = PadToColumns(line, kHeadingWidth + kTraditionalWidth, ColumnOverflow::kOneBlank);
    line += second;
  }
  return line + "\n";
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
  out << Row("Gregorian:", o.txbOutputGC, o.txbOutputGCwithAYN)
      << Row("Julian:", o.txbOutputJC, o.txbOutputJCwithAYN)
      << Row(std::string(dee.name) + ":", o.txbOutputDEE, o.txbOutputDEEwithAYN)
      << Row("Julian day number:", o.txbJDN, "") << Row("Day of week:", o.txbDayOfWeek, "");
}

void PrintJson(std::ostream& out, const CalculateResult& run, const DeeVariant& dee) {
  const OutputDates& o = run.outputs;
  const int32_t jdn = run.jdn;
  JsonWriter json;
  json.BeginObject().Key("jdn").Number(jdn).Key("weekday").String(o.txbDayOfWeek);
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

}  // namespace

int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  bool json = false;
  DateCommandStart start =
      StartDateCommand(args, {"convert", kConvertUsage, {FlagOption("--json", json)}}, out, err);
  if (!start.input) return start.status;
  DateInput& input = *start.input;
  const CalculateResult run =
      CalculateRun(input.controls, input.notation, input.dee, 0, DigitGroupingSymbol());
  for (const Message& message : run.messages) PrintMessage(err, message);
  if (!run.outputShown) {
    PrintDateNote(err, "convert", input);
    return kExitRejected;
  }
  if (json) {
    PrintJson(out, run, input.dee);
  } else {
    PrintLines(out, run.outputs, input.dee);
  }
  return kExitDone;
}

}  // namespace clvt::cli
