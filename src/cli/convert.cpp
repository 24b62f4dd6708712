// clvt convert: one press of the main window's Calculate button, printed as five aligned
// lines or as one JSON object. The columns are counted in characters (UTF-8 code points), so
// a grouping symbol of more than one byte does not shift the layout.
#include <ostream>

#include "calendar/calendar.h"
#include "cli/commands.h"
#include "cli/date_argument.h"
#include "datetext/formatting.h"
#include "mainwindow/conversion.h"
#include "platform/digit_grouping.h"

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

std::size_t Columns(std::string_view text) {
  std::size_t n = 0;
  for (char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  }
  return n;
}

std::string PadTo(std::string text, std::size_t width) {
  const std::size_t columns = Columns(text);
  text.append(columns < width ? width - columns : 1, ' ');
  return text;
}

std::string Row(std::string_view heading, std::string_view first, std::string_view second) {
  std::string line = PadTo(std::string(heading), kHeadingWidth) + std::string(first);
  if (!second.empty()) line = PadTo(line, kHeadingWidth + kTraditionalWidth) + std::string(second);
  return line + "\n";
}

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      constexpr const char* kHex = "0123456789abcdef";
      out += "\\u00";
      out += kHex[(c >> 4) & 0xF];
      out += kHex[c & 0xF];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string JsonCalendar(int32_t calendar, int32_t jdn, std::string_view traditional,
                         std::string_view ymd, std::string_view variant) {
  DateRec rec;
  rec.calendar = calendar;
  rec.jdn = jdn;
  JDNToDate(rec);
  std::string out = "{\"year\": " + DecimalText(rec.year) +
                    ", \"month\": " + DecimalText(rec.month) +
                    ", \"day\": " + DecimalText(rec.day) +
                    ", \"traditional\": " + JsonString(traditional) +
                    ", \"ymd\": " + JsonString(ymd);
  if (!variant.empty()) out += ", \"variant\": " + JsonString(variant);
  return out + "}";
}

void PrintLines(std::ostream& out, const OutputDates& o, const DeeVariant& dee) {
  out << Row("Gregorian:", o.txbOutputGC, o.txbOutputGCwithAYN)
      << Row("Julian:", o.txbOutputJC, o.txbOutputJCwithAYN)
      << Row(dee.name + ":", o.txbOutputDEE, o.txbOutputDEEwithAYN)
      << Row("Julian day number:", o.txbJDN, "") << Row("Day of week:", o.txbDayOfWeek, "");
}

void PrintJson(std::ostream& out, const OutputDates& o, int32_t jdn, const DeeVariant& dee) {
  out << "{\"jdn\": " << DecimalText(jdn) << ", \"weekday\": " << JsonString(o.txbDayOfWeek)
      << ", \"gregorian\": "
      << JsonCalendar(kCalendarGregorian, jdn, o.txbOutputGC, o.txbOutputGCwithAYN, "")
      << ", \"julian\": "
      << JsonCalendar(kCalendarJulian, jdn, o.txbOutputJC, o.txbOutputJCwithAYN, "")
      << ", \"dee\": "
      << JsonCalendar(kCalendarDee, jdn, o.txbOutputDEE, o.txbOutputDEEwithAYN, dee.name)
      << "}\n";
}

}  // namespace

int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  DateOptions options;
  bool json = false;
  const std::string usageError = ParseDateArguments(
      args, options, [&json](const std::vector<std::string>& all, std::size_t i, std::string&) {
        if (all[i] != "--json") return std::size_t{0};
        json = true;
        return std::size_t{1};
      });
  if (options.help && usageError.empty()) {
    out << kConvertUsage;
    return kExitDone;
  }
  if (!usageError.empty()) {
    err << "clvt convert: " << usageError << "\nRun 'clvt convert --help' for usage.\n";
    return kExitUsage;
  }
  DateInput input = ReadDateInput(options);
  if (!input.ok) {
    err << "clvt convert: " << input.usageError << "\nRun 'clvt convert --help' for usage.\n";
    return kExitUsage;
  }
  if (input.rejection) {
    PrintMessage(err, *input.rejection);
    return kExitRejected;
  }
  const CalculateResult run = CalculateRun(input.controls, input.intInputDateType, input.dee, 0,
                                           DigitGroupingSymbol());
  for (const Message& message : run.messages) PrintMessage(err, message);
  if (!run.outputShown) {
    PrintDateNote(err, "convert", input);
    return kExitRejected;
  }
  if (json) {
    PrintJson(out, run.outputs, run.lngJDN, input.dee);
  } else {
    PrintLines(out, run.outputs, input.dee);
  }
  return kExitDone;
}

}  // namespace clvt::cli
