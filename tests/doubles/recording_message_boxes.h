#pragma once

#include <deque>
#include <vector>

#include "platform/message_box.h"

// Message boxes for tests: records every message shown and answers Yes/No questions from a
// script, in order (Yes once the script is used up). OK boxes take no answer.
namespace clvt {

class RecordingMessageBoxes : public MessageBoxes {
 public:
  bool Show(const Message& message) override {
    shown.push_back(message);
    if (message.buttons != Buttons::YesNo || answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<Message> shown;
  std::deque<bool> answers;  // true = Yes
};

}  // namespace clvt
