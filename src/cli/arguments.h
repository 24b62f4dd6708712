#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The one argument reader of clvt's subcommands. Each subcommand describes the options it
// takes; the reader walks the arguments once, in order, and hands each option its value.
namespace clvt::cli {

// One option: its name, whether the next argument is its value (taken whatever it looks
// like, "-x" included), and what the subcommand does with it. read gets the value ("" for an
// option without one) and returns a usage error text, "" when the value is sound. A later
// occurrence of an option is read again, so the last one counts.
struct OptionSpec {
  std::string_view name;
  bool takesValue = false;
  std::function<std::string(const std::string& value)> read;
};

// The common kinds of option: one that sets flag to value, and one that keeps its value.
OptionSpec FlagOption(std::string_view name, bool& flag, bool value = true);
OptionSpec TextOption(std::string_view name, std::string& slot);
OptionSpec TextOption(std::string_view name, std::optional<std::string>& slot);

// What a subcommand accepts. Besides its options, the subcommands written before this reader
// differ in three small ways that users see; each is kept, so that no output changes.
struct CommandSyntax {
  std::vector<OptionSpec> options;
  // A lone "-" is a DATE word (convert, sequence) or an unknown option (equinox).
  bool loneDashIsWord = true;
  // Put before "--days needs a value": "option " (convert, sequence) or nothing (equinox).
  std::string_view missingValuePrefix = "option ";
  // --help or -h anywhere before a "--", even where an option's value stands, shows the help
  // whatever else is wrong (equinox; one after that "--", say as --years's value, is an
  // unknown option); otherwise it is read in turn like any option and counts only when the
  // arguments are sound.
  bool helpBeforeAll = false;
};

struct ParsedArguments {
  std::vector<std::string> words;  // the arguments that are no options, in order
  bool help = false;               // --help or -h
  std::string error;               // a usage error text, "" when well formed
};

// True for an argument that belongs to DATE although it begins with "-": a "-", optional
// blanks and a digit ("-500-03-01", "- 500-03-01 JC"), the start of a negative year.
bool IsNegativeDateWord(std::string_view arg);

// Reads args: "--" ends the options; an empty argument, one without a leading "-" and one for
// which IsNegativeDateWord holds is a word; --help and -h set help; every other argument must
// be one of syntax.options. Stops at the first error: "unknown option '-x'", "option --days
// needs a value", or what an option's read returns.
//   ParseArguments({"--days", "3", "today"}, syntax)  // words {"today"}, after --days read "3"
ParsedArguments ParseArguments(const std::vector<std::string>& args, const CommandSyntax& syntax);

}  // namespace clvt::cli
