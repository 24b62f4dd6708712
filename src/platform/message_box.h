#pragma once

#include <string>

// Message boxes as plain values, and the one small interface through which windows (and the
// command-line tool) show them, so that tests can record them instead of blocking.
namespace clvt {

enum class Icon { None, Exclamation, Information, Critical, Question };
enum class Buttons { Ok, YesNo };

struct Message {
  std::string text;   // line breaks inside a message are "\r\n"
  std::string title;
  Icon icon = Icon::None;
  Buttons buttons = Buttons::Ok;
  friend bool operator==(const Message&, const Message&) = default;
};

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows a modal message; returns true for Yes (YesNo) or OK.
  virtual bool Show(const Message& message) = 0;
};

}  // namespace clvt
