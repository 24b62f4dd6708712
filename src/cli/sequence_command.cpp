// clvt sequence: prints what one run of the date sequence window's "Do it" writes into an
// empty listing. The input goes through the main window's own checks (InputDateOK, GetJDN
// with messages on, as its Date sequence button does) and the text through the window's own
// builder, so both front ends print the same lines. The date is checked before the number of
// days, as the window can only be opened for a date that passed.
#include <ostream>
#include <string_view>

#include "calendar/calendar.h"
#include "cli/commands.h"
#include "cli/date_argument.h"
#include "datetext/input_check.h"
#include "mainwindow/conversion.h"
#include "sequence/sequence_listing.h"

namespace clvt::cli {
namespace {

constexpr const char* kSequenceUsage =
    "Usage: clvt sequence [--days N] [--dee | --dee-cecil] [--calendar CAL]\n"
    "                     [--plus AMOUNTS | --minus AMOUNTS] DATE\n"
    "\n"
    "Lists N days (default 14, at most 800) from DATE in the Gregorian and the Dee calendar,\n"
    "with Julian day number and weekday, and counts the days on which both calendars give\n"
    "the same date.\n"
    "\n"
    "  DATE      2015-11-22 CE, -500-03-01 JC, 2015-11-22 DC, November 22, 2015 AD or today\n"
    "  CAL       gregorian, julian or dee\n"
    "  AMOUNTS   e.g. \"1y 2m 3w 4d\"\n";

struct SequenceOptions {
  DateOptions date;
  std::string days = "14";
  bool help = false;
  std::string error;  // a usage error
};

// A word that begins with "-" and a digit is a negative year, not an option.
bool IsOption(std::string_view word) {
  return word.size() > 1 && word.front() == '-' && !(word[1] >= '0' && word[1] <= '9');
}

SequenceOptions ParseSequenceArguments(const std::vector<std::string>& args) {
  SequenceOptions options;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size() && options.error.empty(); ++i) {
    const std::string& word = args[i];
    if (optionsEnded || !IsOption(word)) {
      options.date.dateWords.push_back(word);
      continue;
    }
    const auto value = [&](std::string& into) {
      if (i + 1 >= args.size()) {
        options.error = "option " + word + " needs a value";
      } else {
        into = args[++i];
      }
    };
    std::string text;
    if (word == "--") {
      optionsEnded = true;
    } else if (word == "--help" || word == "-h") {
      options.help = true;
    } else if (word == "--days") {
      value(options.days);
    } else if (word == "--dee") {
      options.date.dee = true;
    } else if (word == "--dee-cecil") {
      options.date.dee = false;
    } else if (word == "--calendar") {
      value(text);
      options.date.calendar = text;
    } else if (word == "--plus" || word == "--minus") {
      value(text);
      if ((word == "--plus" ? options.date.minus : options.date.plus).has_value()) {
        options.error = "--plus and --minus exclude each other";
      }
      (word == "--plus" ? options.date.plus : options.date.minus) = text;
    } else {
      options.error = "unknown option '" + word + "'";
    }
  }
  if (options.error.empty() && !options.help && options.date.dateWords.empty()) {
    options.error = "DATE is missing";
  }
  return options;
}

int UsageError(std::ostream& err, const std::string& error) {
  err << "clvt sequence: " << error << "\n" << kSequenceUsage;
  return kExitUsage;
}

}  // namespace

int RunSequence(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const SequenceOptions options = ParseSequenceArguments(args);
  if (options.help) {
    out << kSequenceUsage;
    return kExitDone;
  }
  if (!options.error.empty()) return UsageError(err, options.error);

  DateInput input = ReadDateInput(options.date);
  if (!input.ok) return UsageError(err, input.usageError);
  // The window cannot be opened while a weekday stands in place of a calendar.
  if (input.intInputDateType == kInputWithoutAYN &&
      input.controls.cboCalendar0 >= kCalendarPositionSunday) {
    return UsageError(err, "a weekday cannot be listed from; choose a calendar");
  }
  lngDeeEpochJDN = input.dee.designation == DeeOnlyVariant().designation ? kDeeEpochJDN
                                                                         : kDeeCecilEpochJDN;

  const InputCheck check = InputDateOK(input.controls, input.intInputDateType, input.dee);
  if (!check.ok) {
    if (check.message) PrintMessage(err, *check.message);
    return kExitRejected;
  }
  const std::string strCalendar =
      SelectedCalendarText(input.controls, input.intInputDateType, input.dee);
  const GetJDNResult jdn = GetJDN(input.controls, input.intInputDateType, check.strDateParts,
                                  strCalendar, true, input.dee, 0);
  for (const Message& message : jdn.messages) PrintMessage(err, message);
  if (!jdn.ok) return kExitRejected;

  // Then "Do it" in the opened window, which checks its own number box. A number of 0 lists
  // nothing there, silently: nothing to print, nothing wrong.
  const NumDaysCheck days = CheckNumDays(options.days);
  if (days.message) {
    PrintMessage(err, *days.message);
    return kExitRejected;
  }
  if (days.numDays == 0) return kExitDone;

  SequenceRequest request;
  request.startJDN = jdn.lngJDN;
  request.numDays = days.numDays;
  request.dee = input.dee;
  request.optDee = input.dee.designation == DeeOnlyVariant().designation;
  const SequenceRun run = BuildSequenceRun(request);
  out << run.text;
  if (run.textboxFull) {
    PrintMessage(err, TextboxFullMessage());
    return kExitRejected;
  }
  return kExitDone;
}

}  // namespace clvt::cli
