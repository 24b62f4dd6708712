#pragma once

#include "platform/clipboard.h"

// The system clipboard (QClipboard) behind the program's clipboard interface.
namespace clvt {

class QtClipboard : public Clipboard {
 public:
  void Clear() override;
  // Sets utf8 as the clipboard's plain text; invalid UTF-8 bytes become U+FFFD.
  void SetText(const std::string& utf8) override;
};

}  // namespace clvt
