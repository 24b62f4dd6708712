#pragma once

#include <optional>
#include <string>
#include <vector>

#include "datetext/input_controls.h"
#include "platform/message_box.h"

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
};

struct DateInput {
  bool ok = false;
  std::string usageError;               // set when the words cannot be a DATE at all
  InputControls controls;
  int intInputDateType = kInputIncomplete;
  DeeVariant dee;
};

// Fills the controls from DATE ("2015-11-22 CE", "November 22, 2015 AD", "today"), CAL and
// AMOUNTS as a user would fill the window. The checks of the typed texts are left to the
// window's own InputDateOK and GetJDN.
DateInput ReadDateInput(const DateOptions& options);

// Writes a message as clvt reports it on standard error.
void PrintMessage(std::ostream& err, const Message& message);

}  // namespace clvt::cli
