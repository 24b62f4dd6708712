#include "cli/arguments.h"

#include <algorithm>
#include <array>
#include <utility>

#include "base/ascii_text.h"

namespace clvt::cli {
namespace {

constexpr std::size_t kHelpColumn = 22;  // where an option's text starts in --help
constexpr std::size_t kHelpWidth = 79;

constexpr std::array<std::pair<int, std::string_view>, 4> kExitStatuses = {{
    {kExitDone, "done"},
    {kExitRejected, "input rejected (the message is on standard error)"},
    {kExitUsage, "usage error"},
    {kExitWriteFailed, "standard output could not be written"},
}};

bool IsHelp(std::string_view arg) { return arg == "--help" || arg == "-h"; }

// An argument that is no option: empty, a lone "-" (standard input), anything without a
// leading "-", or the start of a negative year.
bool IsWord(std::string_view arg) {
  return arg.empty() || arg == "-" || arg.front() != '-' || IsNegativeDateWord(arg);
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t end = std::min(text.find(' ', i), text.size());
    if (end > i) words.push_back(text.substr(i, end - i));
    i = end + 1;
  }
  return words;
}

// "gregorian, julian or dee".
std::string ChoiceList(std::string_view choices) {
  const std::vector<std::string_view> words = Words(choices);
  std::string list;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) list += i + 1 == words.size() ? " or " : ", ";
    list += words[i];
  }
  return list;
}

// The usage error of a value outside choices; "" for one of them.
std::string CheckChoice(const OptionSpec& option, const std::string& value) {
  if (option.choices.empty()) return "";
  const std::vector<std::string_view> words = Words(option.choices);
  if (std::find(words.begin(), words.end(), LowerCase(value)) != words.end()) return "";
  return "option " + std::string(option.name) + " takes " + ChoiceList(option.choices) + ", not '" +
         value + "'";
}

// One entry of --help: the option and its value at the left, the text from kHelpColumn on.
// Each "\n"-separated part of text starts a line; words past kHelpWidth go to the next.
void AppendEntry(std::string& help, std::string_view left, std::string_view text) {
  std::string line = "  " + std::string(left);
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    bool partStart = true;
    for (const std::string_view word : Words(text.substr(start, end - start))) {
      if (partStart || line.size() + 1 + word.size() > kHelpWidth) {
        if (line.size() + 1 >= kHelpColumn) {
          help += line + "\n";
          line.clear();
        }
        line.resize(kHelpColumn, ' ');
        partStart = false;
      } else {
        line += ' ';
      }
      line += word;
    }
    start = end + 1;
  }
  help += line + "\n";
}

}  // namespace

bool IsNegativeDateWord(std::string_view arg) {
  if (arg.empty() || arg.front() != '-') return false;
  const std::size_t digit = arg.find_first_not_of(' ', 1);
  return digit != std::string_view::npos && arg[digit] >= '0' && arg[digit] <= '9';
}

OptionSpec FlagOption(std::string_view name, std::string_view help, bool& flag, bool value) {
  return {name, "", "", help, [&flag, value](const std::string&) {
            flag = value;
            return std::string();
          }};
}

OptionSpec TextOption(std::string_view name, std::string_view valueName, std::string_view help,
                      std::string& slot) {
  return {name, valueName, "", help, [&slot](const std::string& value) {
            slot = value;
            return std::string();
          }};
}

OptionSpec TextOption(std::string_view name, std::string_view valueName, std::string_view help,
                      std::optional<std::string>& slot) {
  return {name, valueName, "", help, [&slot](const std::string& value) {
            slot = value;
            return std::string();
          }};
}

ParsedArguments ParseArguments(const std::vector<std::string>& args, const CommandSyntax& syntax) {
  ParsedArguments parsed;
  auto fail = [&parsed](std::string error) {
    if (parsed.error.empty()) parsed.error = std::move(error);
  };
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || IsWord(arg)) {
      parsed.words.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (IsHelp(arg)) {
      parsed.help = true;
      continue;
    }
    // "--name=value" is "--name value"; a "=" after a single "-" has no such meaning.
    const std::size_t equals = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
    const std::string name = arg.substr(0, equals);
    const auto option = std::find_if(syntax.options.begin(), syntax.options.end(),
                                     [&name](const OptionSpec& o) { return o.name == name; });
    if (option == syntax.options.end()) {
      fail("unknown option '" + name + "'");
      continue;
    }
    std::string value;
    if (equals != std::string::npos) {
      if (option->valueName.empty()) {
        fail("option " + name + " takes no value");
        continue;
      }
      value = arg.substr(equals + 1);
    } else if (!option->valueName.empty()) {
      if (i + 1 >= args.size() || !IsWord(args[i + 1])) {
        fail("option " + name + " needs a value");
        continue;
      }
      value = args[++i];
    }
    std::string error = CheckChoice(*option, value);
    if (error.empty()) error = option->read(value);
    if (!error.empty()) fail(std::move(error));
  }
  return parsed;
}

std::string HelpText(const CommandSyntax& syntax) {
  std::string help;
  for (std::size_t i = 0; i < syntax.operands.size(); ++i) {
    help += i == 0 ? "Usage: " : "  or:  ";
    help += "clvt " + std::string(syntax.name) + " [OPTION]... " + std::string(syntax.operands[i]) +
            "\n";
  }
  help += std::string(syntax.summary) + "\nOptions:\n";
  for (const OptionSpec& option : syntax.options) {
    std::string left(option.name);
    if (!option.valueName.empty()) left += "=" + std::string(option.valueName);
    std::string text(option.help);
    if (!option.choices.empty()) {
      text += "\n" + std::string(option.valueName) + " is " + ChoiceList(option.choices) + ".";
    }
    AppendEntry(help, left, text);
  }
  AppendEntry(help, "-h, --help", "print this help and exit");
  if (!syntax.notes.empty()) help += "\n" + std::string(syntax.notes);
  help += "\nExit status:\n";
  for (const auto& [status, meaning] : kExitStatuses) {
    help += "  " + DecimalText(status) + "  " + std::string(meaning) + "\n";
  }
  return help;
}

}  // namespace clvt::cli
