#include <ostream>

#include "cli/commands.h"
#include "support/identity.h"

namespace clvt::cli {
namespace {

// The package clvt comes in, named in its --version as GNU tools name theirs; the desktop
// program's caption keeps the product name.
constexpr std::string_view kPackageName = "Calvantis";

std::string Usage() {
  std::string usage =
      "Usage: clvt COMMAND [OPTION]... [ARGUMENT]...\n"
      "\n"
      "Commands:\n";
  VisitSyntaxes([&usage](const CommandSyntax& syntax) {
    std::string name(syntax.name);
    name.resize(10, ' ');
    usage += "  " + name + std::string(syntax.brief) + "\n";
  });
  usage +=
      "\n"
      "Options:\n"
      "  -h, --help     print this help and exit\n"
      "  -V, --version  print the version and exit\n"
      "\n"
      "Run 'clvt COMMAND --help' or 'clvt help COMMAND' for the options of a command.\n";
  return usage;
}

int UsageError(std::ostream& err, std::string_view error) {
  err << "clvt: " << error << "\nRun 'clvt --help' for usage.\n";
  return kExitUsage;
}

}  // namespace

void VisitSyntaxes(const SyntaxVisitor& visit) {
  VisitConvertSyntax(visit);
  VisitSequenceSyntax(visit);
  VisitEquinoxSyntax(visit);
}

int RunClvt(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err) {
  if (args.empty()) return UsageError(err, "missing COMMAND");
  const std::string& command = args.front();
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "help" && !rest.empty()) {
    // "clvt help convert" is "clvt convert --help".
    const std::string& topic = rest.front();
    bool known = false;
    VisitSyntaxes([&](const CommandSyntax& syntax) { known = known || syntax.name == topic; });
    if (!known) return UsageError(err, "unknown command '" + topic + "'");
    if (rest.size() > 1) return UsageError(err, "too many arguments");
    return RunClvt({topic, "--help"}, in, out, err);
  }
  // kToolOptions: -h, --help, -V, --version.
  if (command == "--help" || command == "-h" || command == "help") {
    out << Usage();
    return kExitDone;
  }
  if (command == "--version" || command == "-V") {
    out << "clvt (" << kPackageName << ") " << strVersion() << "\n";
    return kExitDone;
  }
  if (command == "convert") return RunConvert(rest, in, out, err);
  if (command == "sequence") return RunSequence(rest, out, err);
  if (command == "equinox") return RunEquinox(rest, out, err);
  return UsageError(err, "unknown command '" + command + "'");
}

}  // namespace clvt::cli
