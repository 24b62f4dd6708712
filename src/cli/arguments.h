#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The one argument reader of clvt's subcommands, and the one table of their options. Each
// subcommand describes its options once: the reader walks the arguments with that
// description, --help is written from it, and the tests hold the manual page and the shell
// completions to it.
namespace clvt::cli {

// One option: its name, the name of its value ("" for an option that takes none), the values
// it accepts when they are a closed set, its --help text, and what the subcommand does with
// it. read gets the value ("" for an option without one) and returns a usage error text, ""
// when the value is sound. A later occurrence of an option is read again, so the last one
// counts.
struct OptionSpec {
  std::string_view name;
  std::string_view valueName;
  // Blank-separated, lower case; a value is matched in any case. Empty: any text, which read
  // checks.
  std::string_view choices;
  // One or more lines of --help; "\n" starts a continuation line.
  std::string_view help;
  std::function<std::string(const std::string& value)> read;
};

// The common kinds of option: one that sets flag to value, and one that keeps its value.
OptionSpec FlagOption(std::string_view name, std::string_view help, bool& flag, bool value = true);
OptionSpec TextOption(std::string_view name, std::string_view valueName, std::string_view help,
                      std::string& slot);
OptionSpec TextOption(std::string_view name, std::string_view valueName, std::string_view help,
                      std::optional<std::string>& slot);

// A subcommand: its name, what it does in a few words (for clvt --help), the forms of its
// operands for the usage lines ("DATE", "--jdn N"), what it does, its options, and the notes
// --help prints after them.
struct CommandSyntax {
  std::string_view name;
  std::string_view brief;
  std::vector<std::string_view> operands;
  std::string_view summary;
  std::vector<OptionSpec> options;
  std::string_view notes;
};

struct ParsedArguments {
  std::vector<std::string> words;  // the arguments that are no options, in order
  bool help = false;               // --help or -h
  std::string error;               // the first usage error, "" when well formed
};

// True for an argument that belongs to DATE although it begins with "-": a "-", optional
// blanks and a digit ("-500-03-01", "- 500-03-01 JC"), the start of a negative year.
bool IsNegativeDateWord(std::string_view arg);

// Reads args: "--" ends the options; an empty argument, a lone "-", one without a leading "-"
// and one for which IsNegativeDateWord holds is a word; --help and -h set help; every other
// argument must be one of syntax.options, as "--days 3" or "--days=3". The next argument is
// no value when it would be an option itself ("--days --help": "option --days needs a
// value"). After the first error the rest is still read, so that a later --json counts, but
// only the first error is kept: "unknown option '-x'", "option --days needs a value",
// "option --json takes no value", "option --calendar takes gregorian, julian or dee, not 'x'",
// or what an option's read returns.
//   ParseArguments({"--days=3", "today"}, syntax)  // words {"today"}, after --days read "3"
ParsedArguments ParseArguments(const std::vector<std::string>& args, const CommandSyntax& syntax);

// The exit statuses every subcommand ends with, as --help and the manual page list them.
inline constexpr int kExitDone = 0;
inline constexpr int kExitRejected = 1;     // input rejected with the program's own message
inline constexpr int kExitUsage = 2;        // usage error
inline constexpr int kExitWriteFailed = 3;  // standard output could not be written

// The --help text of a subcommand: usage lines, summary, one entry per option (-h and --help
// last), the notes and the exit statuses.
std::string HelpText(const CommandSyntax& syntax);

}  // namespace clvt::cli
