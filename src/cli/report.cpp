#include "cli/report.h"

#include <algorithm>
#include <ostream>

#include "cli/arguments.h"
#include "cli/json_writer.h"
#include "datetext/text_helpers.h"

namespace clvt::cli {

Report::Report(std::ostream& err, std::string_view command, std::string linePrefix)
    : err_(err),
      ownPrefix_(linePrefix.empty() ? "clvt " + std::string(command) + ": " : linePrefix),
      linePrefix_(std::move(linePrefix)) {}

void Report::Say(std::string_view text) {
  if (!said_.empty()) said_ += '\n';
  said_ += text;
}

void Report::Show(const Message& message) {
  const std::string text = ReplaceAll(message.text, "\r\n", "\n");
  if (!title_) title_ = message.title;
  Say(text);
  if (linePrefix_.empty()) {
    err_ << text << '\n';
    return;
  }
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = std::string_view(text).substr(start, end - start);
    // An empty line of the message gets no blank after the line number.
    err_ << (line.empty() ? TrimBlanks(linePrefix_) : linePrefix_) << line << '\n';
    start = end + 1;
  }
}

void Report::Note(std::string_view text) {
  Say(text);
  err_ << ownPrefix_ << text << '\n';
}

int Report::Usage(std::string_view error) {
  Note(error);
  if (linePrefix_.empty()) {
    const std::string command = ownPrefix_.substr(0, ownPrefix_.size() - 2);
    err_ << "Run '" << command << " --help' for usage.\n";
  }
  return kExitUsage;
}

int Report::Finish(std::ostream& out, int status, bool json,
                   std::optional<std::string_view> input) const {
  if (!json || status == kExitDone || resultPrinted_) return status;
  JsonWriter writer;
  writer.BeginObject();
  if (input) writer.Key("input").String(*input);
  writer.Key("error").BeginObject().Key("message").String(said_).Key("title");
  writer.StringOrNull(title_).Key("status").Number(status).EndObject();
  out << writer.EndObject().Text() << '\n';
  return status;
}

}  // namespace clvt::cli
