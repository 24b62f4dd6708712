#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"

// The subcommands of clvt. Each takes the arguments after its name, prints its result to out
// and the program's messages to err, and returns the exit status; clvt convert reads DATEs
// from in when its DATE is "-".
namespace clvt::cli {

int RunConvert(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err);
int RunSequence(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunEquinox(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Each subcommand's syntax, with its options bound to values that die with the call: for
// --help and for the tests that hold the manual page and the completions to the options.
using SyntaxVisitor = std::function<void(const CommandSyntax&)>;
void VisitConvertSyntax(const SyntaxVisitor& visit);
void VisitSequenceSyntax(const SyntaxVisitor& visit);
void VisitEquinoxSyntax(const SyntaxVisitor& visit);
// All three, in the order clvt --help lists them.
void VisitSyntaxes(const SyntaxVisitor& visit);

// What clvt takes in place of a COMMAND.
inline constexpr std::string_view kToolOptions[] = {"-h", "--help", "-V", "--version"};

// The whole tool: args are argv[1..]. Handles --help, help COMMAND, --version and dispatch.
int RunClvt(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err);

}  // namespace clvt::cli
