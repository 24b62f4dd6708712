#pragma once

#include <string>

// The clipboard as plain text, behind one small interface so that windows can be tested
// with a recording fake instead of the system clipboard.
namespace clvt {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Empties the clipboard.
  virtual void Clear() = 0;
  // Puts utf8 on the clipboard as plain text, replacing what was there.
  virtual void SetText(const std::string& utf8) = 0;
};

}  // namespace clvt
