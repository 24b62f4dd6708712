#include "cli/arguments.h"

#include <algorithm>

namespace clvt::cli {
namespace {

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

bool IsWord(const std::string& arg, const CommandSyntax& syntax) {
  if (arg.empty() || arg.front() != '-') return true;
  if (arg == "-") return syntax.loneDashIsWord;
  return IsNegativeDateWord(arg);
}

}  // namespace

bool IsNegativeDateWord(std::string_view arg) {
  if (arg.empty() || arg.front() != '-') return false;
  const std::size_t digit = arg.find_first_not_of(' ', 1);
  return digit != std::string_view::npos && arg[digit] >= '0' && arg[digit] <= '9';
}

OptionSpec FlagOption(std::string_view name, bool& flag, bool value) {
  return {name, false, [&flag, value](const std::string&) {
            flag = value;
            return std::string();
          }};
}

OptionSpec TextOption(std::string_view name, std::string& slot) {
  return {name, true, [&slot](const std::string& value) {
            slot = value;
            return std::string();
          }};
}

OptionSpec TextOption(std::string_view name, std::optional<std::string>& slot) {
  return {name, true, [&slot](const std::string& value) {
            slot = value;
            return std::string();
          }};
}

ParsedArguments ParseArguments(const std::vector<std::string>& args, const CommandSyntax& syntax) {
  ParsedArguments parsed;
  if (syntax.helpBeforeAll) {
    const auto end = std::find(args.begin(), args.end(), "--");
    parsed.help = std::any_of(args.begin(), end, IsHelp);
    if (parsed.help) return parsed;
  }
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || IsWord(arg, syntax)) {
      parsed.words.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    // Past the look-ahead, a help option stands only after a "--" taken as a value.
    if (IsHelp(arg) && !syntax.helpBeforeAll) {
      parsed.help = true;
      continue;
    }
    const auto option = std::find_if(syntax.options.begin(), syntax.options.end(),
                                     [&arg](const OptionSpec& o) { return o.name == arg; });
    if (option == syntax.options.end()) {
      parsed.error = "unknown option '" + arg + "'";
      return parsed;
    }
    std::string value;
    if (option->takesValue) {
      if (i + 1 >= args.size()) {
        parsed.error = std::string(syntax.missingValuePrefix) + arg + " needs a value";
        return parsed;
      }
      value = args[++i];
    }
    parsed.error = option->read(value);
    if (!parsed.error.empty()) return parsed;
  }
  return parsed;
}

}  // namespace clvt::cli
