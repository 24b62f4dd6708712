#pragma once

#include <string>

#include "platform/clipboard.h"

// A clipboard for tests: keeps the text and counts the calls.
namespace clvt {

class RecordingClipboard : public Clipboard {
 public:
  void Clear() override {
    ++clears;
    text.clear();
  }
  void SetText(const std::string& utf8) override {
    ++sets;
    text = utf8;
  }

  std::string text;
  int clears = 0;
  int sets = 0;
};

}  // namespace clvt
