#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "base/message.h"
#include "platform/message_box.h"

namespace clvt::cli {

// Where a subcommand's messages go. Standard error gets each one as it comes. With --json, a
// run that fails also writes an error object on standard output, so that a script reading
// the output never gets an empty document:
//   {"error": {"message": "The input date is invalid.", "title": "Calculate", "status": 1}}
// The message is what standard error said about the fault (lines joined by "\n", without
// clvt's "clvt convert: " and the pointer to --help); the title is that of the window's first
// message box, null for clvt's own usage errors, which have none.
class Report {
 public:
  // command: "convert". linePrefix: "line 12: " while one line of a batch runs; such a
  // report writes every line of standard error after it, and no pointer to --help.
  Report(std::ostream& err, std::string_view command, std::string linePrefix = "");

  // A message of the window's: its text, each "\r\n" as a newline.
  void Show(const Message& message);
  // clvt's own remark: "clvt convert: TEXT".
  void Note(std::string_view text);
  // A usage error: "clvt convert: ERROR" and a line pointing to "clvt convert --help".
  // Returns kExitUsage.
  int Usage(std::string_view error);

  // The run printed its result although it fails (a listing its capacity cut short): then no
  // error object follows it.
  void ResultPrinted() { resultPrinted_ = true; }

  // Ends the run with status: with json, a failing status and no result printed, writes the
  // error object as one line on out, after the member "input" when one is given. Returns
  // status.
  int Finish(std::ostream& out, int status, bool json,
             std::optional<std::string_view> input = std::nullopt) const;

 private:
  void Say(std::string_view text);

  std::ostream& err_;
  std::string ownPrefix_;
  std::string linePrefix_;
  std::string said_;
  std::optional<std::string> title_;
  bool resultPrinted_ = false;
};

// The message boxes of a listing's run: each message goes to the report. No question is ever
// asked of an empty listing, and one would be answered No.
class ReportMessages : public MessageBoxes {
 public:
  explicit ReportMessages(Report& report) : report_(report) {}
  bool Show(const Message& message) override {
    report_.Show(message);
    ++shown_;
    return message.buttons == Buttons::Ok;
  }
  int Shown() const { return shown_; }  // how many messages were shown

 private:
  Report& report_;
  int shown_ = 0;
};

}  // namespace clvt::cli
