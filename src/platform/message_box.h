#pragma once

#include <exception>
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

// Wraps handler so that no exception leaves it: one that escapes is shown through messages
// instead, since an exception must never cross a Qt slot or an event loop. The wrapper takes
// and ignores any arguments, so it can be connected to any signal.
template <class F>
auto Guarded(MessageBoxes& messages, F handler) {
  return [&messages, handler](auto&&...) {
    try {
      handler();
    } catch (const std::exception& e) {
      messages.Show({std::string("Unexpected error: ") + e.what(), "Calvantis", Icon::Critical});
    } catch (...) {
      messages.Show({"Unexpected error.", "Calvantis", Icon::Critical});
    }
  };
}

}  // namespace clvt
