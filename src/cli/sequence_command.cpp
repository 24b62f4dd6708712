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
#include "cli/report.h"
#include "datetext/input_check.h"
#include "platform/digit_grouping.h"
#include "sequence/sequence_listing.h"

namespace clvt::cli {
namespace {

constexpr std::string_view kSummary =
    "Lists N days from DATE in the Gregorian and the Dee calendar, with Julian day number\n"
    "and weekday, and counts the days on which both calendars give the same date.\n";

constexpr std::string_view kNotes =
    "DATE is written as for 'clvt convert': 2015-11-22 CE, -500-03-01 JC, 2015-11-22 DC,\n"
    "November 22, 2015 AD or today.\n";

struct SequenceArguments {
  DateOptions date;
  std::string days = "14";
  bool json = false;
};

CommandSyntax SequenceSyntax(SequenceArguments& arguments) {
  CommandSyntax syntax{
      "sequence",
      "list a run of days in the Gregorian and the Dee calendar",
      {"DATE"},
      kSummary,
      {TextOption("--days", "N", "the number of days, 1 to 800 (default 14)", arguments.days)},
      kNotes};
  for (OptionSpec& spec : DateOptionSpecs(arguments.date, kCalendarChoices)) {
    syntax.options.push_back(std::move(spec));
  }
  syntax.options.push_back(
      FlagOption("--json", "print one JSON object instead of the listing", arguments.json));
  return syntax;
}

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
      .Number(run.number)
      .Key("days")
      .BeginArray();
  for (const SequenceDay& day : run.days) WriteDay(json, day);
  const std::optional<std::string_view> stopped =
      run.stoppedFull ? std::optional<std::string_view>("capacity") : std::nullopt;
  PrintRunEnd(out, json, "same_date_count", run.sameCount, run.summary, stopped);
}

int Sequence(const std::vector<std::string>& args, SequenceArguments& arguments, std::ostream& out,
             Report& report) {
  const CommandSyntax syntax = SequenceSyntax(arguments);
  DateCommandStart begun =
      StartDateCommand(ParseArguments(args, syntax), syntax, arguments.date, out, report);
  if (!begun.input) return begun.status;
  DateInput& input = *begun.input;

  const PressStart start =
      DateSequenceStart(input.controls, input.notation, input.dee, 0, DigitGroupingSymbol());
  for (const Message& message : start.messages) report.Show(message);
  if (start.inputRejected) NoteDateRejection(report, input);
  if (!start.ok) return kExitRejected;

  // Then "Do it" in the opened window, which checks its own number box. An empty box or 0
  // lists nothing there, silently; here a run that lists nothing must not pass for one that
  // did, so it gets the window's message for a bad number of days.
  SequenceRequest request;
  request.numberBox = arguments.days;
  request.start = [&start] { return start.jdn; };
  request.dee = input.dee;
  ReportMessages messages(report);
  const SequenceRun run = RunDateSequence(request, messages);
  if (!run.changed) {
    if (messages.Shown() == 0) report.Show(InvalidNumberMessage("days"));
    return kExitRejected;
  }
  if (arguments.json) {
    PrintJson(out, request, run);
    report.ResultPrinted();
  } else {
    out << run.text;
  }
  if (run.closingMessage) report.Show(*run.closingMessage);
  return run.stoppedFull ? kExitRejected : kExitDone;
}

}  // namespace

void VisitSequenceSyntax(const SyntaxVisitor& visit) {
  SequenceArguments arguments;
  visit(SequenceSyntax(arguments));
}

int RunSequence(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  SequenceArguments arguments;
  Report report(err, "sequence");
  const int status = Sequence(args, arguments, out, report);
  return report.Finish(out, status, arguments.json);
}

}  // namespace clvt::cli
