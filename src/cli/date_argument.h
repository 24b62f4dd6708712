#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "datetext/input_controls.h"
#include "base/message.h"

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

// A subcommand's own option at args[i]: returns how many arguments it takes (0 when the
// option is not its own) and sets error for a malformed one.
using ExtraOption =
    std::function<std::size_t(const std::vector<std::string>& args, std::size_t i,
                              std::string& error)>;

// True for an argument that belongs to DATE although it begins with "-": a "-", optional
// blanks and a digit ("-500-03-01", "- 500-03-01 JC"), the start of a negative year.
bool IsNegativeDateWord(std::string_view arg);

// Reads a DATE subcommand's arguments: --dee, --dee-cecil, --calendar CAL, --plus AMOUNTS,
// --minus AMOUNTS, --help; "--" ends the options; an argument for which IsNegativeDateWord
// holds is a DATE word; other options go to extra. Returns a usage error text, "" when well
// formed. Options and DATE words may come in any order.
std::string ParseDateArguments(const std::vector<std::string>& args, DateOptions& options,
                               const ExtraOption& extra = nullptr);

struct DateInput {
  bool ok = false;
  std::string usageError;               // set when the words cannot be a DATE at all
  std::optional<Message> rejection;     // an amount the window's box check rejects
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

// Writes a message as clvt reports it on standard error: its text, each "\r\n" as a newline.
void PrintMessage(std::ostream& err, const Message& message);

// Writes the line clvt adds under the window's message when a DATE was rejected and the
// reason is plain from the arguments alone ("clvt convert: the designator D ... needs --dee");
// nothing otherwise. command is the subcommand's name.
void PrintDateNote(std::ostream& err, std::string_view command, const DateInput& input);

}  // namespace clvt::cli
