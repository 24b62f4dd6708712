#pragma once

#include <string>

// A message box as a plain value: what every check and run returns when the user must be told
// something, so that the rules that decide it need no window to be tested.
namespace clvt {

enum class Icon { None, Exclamation, Information, Critical, Question };
enum class Buttons { Ok, YesNo };

struct Message {
  std::string text;  // line breaks inside a message are "\r\n"
  std::string title;
  Icon icon = Icon::None;
  Buttons buttons = Buttons::Ok;
  friend bool operator==(const Message&, const Message&) = default;
};

}  // namespace clvt
