#include <ostream>

#include "cli/commands.h"
#include "support/identity.h"

namespace clvt::cli {
namespace {

constexpr const char* kUsage =
    "Usage: clvt COMMAND [OPTIONS] ...\n"
    "\n"
    "Commands:\n"
    "  convert   convert a date among the Gregorian, Julian and Dee calendars\n"
    "  sequence  list a run of days in the Gregorian and the Dee calendar\n"
    "  equinox   tabulate the March equinox for a run of years\n"
    "\n"
    "Run 'clvt COMMAND --help' for the options of a command.\n";

}  // namespace

int RunClvt(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return kExitUsage;
  }
  const std::string& command = args.front();
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsage;
    return kExitDone;
  }
  if (command == "--version") {
    // The product name and version the main window's caption shows: "clvt (Calvantor) 6.42".
    out << "clvt (" << strProductName() << ") " << strVersion() << "\n";
    return kExitDone;
  }
  if (command == "convert") return RunConvert(rest, out, err);
  if (command == "sequence") return RunSequence(rest, out, err);
  if (command == "equinox") return RunEquinox(rest, out, err);
  err << "clvt: unknown command '" << command << "'\n" << kUsage;
  return kExitUsage;
}

}  // namespace clvt::cli
