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
#include "datetext/input_controls.h"

// Turning clvt's DATE words and options into the main window's input controls, so that the
// tool runs exactly the checks and conversions the window runs.
namespace clvt::cli {

// Options shared by the subcommands that take a DATE.
struct DateOptions {
  std::vector<std::string> dateWords;   // DATE, as one or several arguments
  std::optional<std::string> calendar;  // --calendar CAL
  std::optional<std::string> plus;      // --plus AMOUNTS
  std::optional<std::string> minus;     // --minus AMOUNTS
  bool dee = false;                     // --dee (default Dee-Cecil)
  bool help = false;                    // --help or -h
};

// --dee and --dee-cecil, which set dee to true and to false.
std::vector<OptionSpec> DeeOptions(bool& dee);

// Reads a DATE subcommand's arguments: DATE words, --dee, --dee-cecil, --calendar CAL,
// --plus AMOUNTS, --minus AMOUNTS, --help, and the subcommand's own options. Returns a usage
// error text, "" when well formed. Options and DATE words may come in any order.
std::string ParseDateArguments(const std::vector<std::string>& args, DateOptions& options,
                               std::vector<OptionSpec> ownOptions = {});

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

// Fills the controls from DATE ("2015-11-22 CE", "November 22, 2015 AD", "today"), CAL and
// AMOUNTS as a user would fill the window, and chooses the Dee variant (input.dee) as the
// window's option does. A year-month-day text is upper-cased; with --dee its " DC" becomes
// " D", as when the user clicks the Dee option after typing. Without CAL its calendar follows
// its designator as ReadYmdDesignator reads it, and is left unchosen when the designator
// names none. A DATE beginning with a word of three or more letters that is no month name is
// a usage error. The checks of the typed date are left to the window's own InputDateOK and
// GetJDN; each amount gets the check of leaving its box.
DateInput ReadDateInput(const DateOptions& options);

// A DATE subcommand: its name ("convert"), what its --help prints, and its own options.
struct DateCommand {
  std::string_view name;
  std::string_view usage;
  std::vector<OptionSpec> ownOptions;
};

// What a DATE subcommand has read: the input when it goes on, otherwise the exit status.
struct DateCommandStart {
  std::optional<DateInput> input;
  int status = 0;
};

// The start every DATE subcommand shares: ParseDateArguments, then ReadDateInput. Prints the
// usage for --help (status 0), a usage error (status 2) as PrintUsageError does, and an
// amount's rejection as the window words it (status 1).
DateCommandStart StartDateCommand(const std::vector<std::string>& args, const DateCommand& command,
                                  std::ostream& out, std::ostream& err);

// Writes "clvt NAME: ERROR" and where to find the usage; returns the usage error's status.
int PrintUsageError(std::ostream& err, std::string_view command, std::string_view error);

// Writes a message as clvt reports it on standard error: its text, each "\r\n" as a newline.
void PrintMessage(std::ostream& err, const Message& message);

// Writes the line clvt adds under the window's message when a DATE was rejected and the
// reason is plain from the arguments alone ("clvt convert: the designator D ... needs --dee");
// nothing otherwise. command is the subcommand's name.
void PrintDateNote(std::ostream& err, std::string_view command, const DateInput& input);

}  // namespace clvt::cli
