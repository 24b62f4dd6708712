// clvt sequence: prints what one run of the date sequence window's "Do it" writes into an
// empty listing. The input goes through the main window's own checks (InputDateOK, GetJDN
// with messages on, as its Date sequence button does) and the text through the window's own
// builder, so both front ends print the same lines; --json prints the values that builder
// wrote those lines from. The date is checked before the number of days, as the window can
// only be opened for a date that passed.
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "cli/date_argument.h"
#include "cli/json_writer.h"
#include "datetext/input_check.h"
#include "platform/digit_grouping.h"
#include "run/conversion.h"
#include "sequence/sequence_listing.h"

namespace clvt::cli {
namespace {

constexpr const char* kSequenceUsage =
    "Usage: clvt sequence [--days N] [--dee | --dee-cecil] [--calendar CAL]\n"
    "                     [--plus AMOUNTS | --minus AMOUNTS] [--json] DATE\n"
    "\n"
    "Lists N days (default 14, at most 800) from DATE in the Gregorian and the Dee calendar,\n"
    "with Julian day number and weekday, and counts the days on which both calendars give\n"
    "the same date.\n"
    "\n"
    "  DATE      2015-11-22 CE, -500-03-01 JC, 2015-11-22 DC, November 22, 2015 AD or today\n"
    "  CAL       gregorian, julian or dee\n"
    "  AMOUNTS   e.g. \"1y 2m 3w 4d\"\n"
    "  --json    print one JSON object instead of the listing\n"
    "\n"
    "Exit status: 0 done, 1 input rejected (the message is on standard error), 2 usage error,\n"
    "3 standard output could not be written.\n";

void WriteDay(JsonWriter& json, const SequenceDay& day) {
  json.BeginObject().Key("jdn").Number(day.jdn).Key("weekday").String(day.weekday);
  json.Key("gregorian").BeginObject();
  WriteDateMembers(json, day.gregorian);
  json.Key("ymd").String(day.gregorianText).EndObject();
  json.Key("dee").BeginObject();
  WriteDateMembers(json, day.dee);
  json.Key("ymd").String(day.deeText).EndObject();
  json.Key("same_date").Bool(day.same).Key("marked").Bool(day.marked).EndObject();
}

// The run as one object: the days the listing shows, the count and sentence of its summary,
// and why it stopped short, if it did. The heading and the column layout are the listing's
// alone.
void PrintJson(std::ostream& out, const SequenceRequest& request, const SequenceRun& run) {
  JsonWriter json;
  json.BeginObject()
      .Key("variant")
      .String(request.dee.name)
      .Key("days_requested")
      .Number(request.numDays)
      .Key("days")
      .BeginArray();
  for (const SequenceDay& day : run.days) WriteDay(json, day);
  const std::optional<std::string_view> stopped =
      run.stoppedFull ? std::optional<std::string_view>("capacity") : std::nullopt;
  PrintRunEnd(out, json, "same_date_count", run.sameCount, run.summary, stopped);
}

}  // namespace

int RunSequence(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string daysText = "14";
  bool json = false;
  DateCommandStart begun = StartDateCommand(
      args,
      {"sequence", kSequenceUsage, {TextOption("--days", daysText), FlagOption("--json", json)}},
      out, err);
  if (!begun.input) return begun.status;
  DateInput& input = *begun.input;
  // The window cannot be opened while a weekday stands in place of a calendar.
  if (input.notation == kInputWithoutAYN &&
      input.controls.cboCalendar0 >= kCalendarPositionSunday) {
    return PrintUsageError(err, "sequence", "a weekday cannot be listed from; choose a calendar");
  }

  const PressStart start =
      DateSequenceStart(input.controls, input.notation, input.dee, 0, DigitGroupingSymbol());
  for (const Message& message : start.messages) PrintMessage(err, message);
  if (start.inputRejected) PrintDateNote(err, "sequence", input);
  if (!start.ok) return kExitRejected;

  // Then "Do it" in the opened window, which checks its own number box. An empty box or 0
  // lists nothing there, silently; here a run that lists nothing must not pass for one that
  // did, so it gets the window's message for a bad number of days.
  const NumDaysCheck days = CheckNumDays(daysText);
  if (days.message) {
    PrintMessage(err, *days.message);
    return kExitRejected;
  }
  if (days.numDays == 0) {
    PrintMessage(err, InvalidNumDaysMessage());
    return kExitRejected;
  }

  SequenceRequest request;
  request.startJDN = start.jdn;
  request.numDays = days.numDays;
  request.dee = input.dee;
  const SequenceRun run = BuildSequenceRun(request);
  if (json) {
    PrintJson(out, request, run);
  } else {
    out << run.text;
  }
  if (run.closingMessage) PrintMessage(err, *run.closingMessage);
  return run.stoppedFull ? kExitRejected : kExitDone;
}

}  // namespace clvt::cli
