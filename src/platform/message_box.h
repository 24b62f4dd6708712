#pragma once

#include <exception>
#include <string>

#include "base/message.h"

// The one small interface through which windows (and the command-line tool) show message
// boxes, so that tests can record them instead of blocking.
namespace clvt {

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
