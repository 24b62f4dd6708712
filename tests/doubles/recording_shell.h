#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/shell.h"

// A shell for tests: records every target and, on the next Poll, reports result for the last
// Open, as a later poll of a real shell would. Nothing is started.
namespace clvt {

class RecordingShell : public Shell {
 public:
  explicit RecordingShell(int answer = kShellSucceeded) : result(answer) {}
  void Open(const std::string& target, Done done) override {
    targets.push_back(target);
    done_ = std::move(done);
  }
  bool Poll() override {
    if (done_) std::exchange(done_, nullptr)(result);
    return false;
  }

  std::vector<std::string> targets;
  int result;

 private:
  Done done_;
};

}  // namespace clvt
