// Prints clvt's option table, from the same syntaxes its argument reader and --help use, for
// the tests that hold the manual page and the bash, zsh and fish completions to it:
//   tool -V                                 what clvt takes in place of a COMMAND
//   command convert                         each COMMAND, in order
//   option convert --calendar CAL gregorian julian ...   an option, its value, its choices
//   option convert --json                   an option without a value
#include <iostream>

#include "cli/commands.h"

int main() {
  using namespace clvt::cli;
  for (const std::string_view option : kToolOptions) std::cout << "tool " << option << '\n';
  VisitSyntaxes([](const CommandSyntax& syntax) {
    std::cout << "command " << syntax.name << '\n';
    for (const OptionSpec& option : syntax.options) {
      std::cout << "option " << syntax.name << ' ' << option.name;
      if (!option.valueName.empty()) std::cout << ' ' << option.valueName;
      if (!option.choices.empty()) std::cout << ' ' << option.choices;
      std::cout << '\n';
    }
  });
}
