// Termination signals through a self-pipe: the handler may call nothing but async-signal-safe
// functions, so it only wakes the event loop, where the window is closed as by Quit.
#include "app/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QObject>
#include <QSocketNotifier>
#include <QWidget>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstddef>

namespace clvt {
namespace {

constexpr std::array<int, 3> kTerminationSignals = {SIGTERM, SIGINT, SIGHUP};

// The pipe's write end for the handler; -1 while no window listens.
volatile sig_atomic_t wakeFd = -1;

void WakeEventLoop(int signal) {
  if (wakeFd < 0) {
    // No window to close (it has gone, the program is ending): the signal's own action.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    return;
  }
  const int savedErrno = errno;
  const char byte = static_cast<char>(signal);
  // Non-blocking: when the pipe is full, the bytes in it wake the loop already.
  [[maybe_unused]] const ssize_t written = write(wakeFd, &byte, 1);
  errno = savedErrno;
}

class TerminationSignals : public QObject {
 public:
  explicit TerminationSignals(QWidget& window) : QObject(&window), window_(window) {
    if (pipe2(pipe_.data(), O_CLOEXEC | O_NONBLOCK) != 0) return;  // signals end it as before
    wakeFd = pipe_[1];
    auto* notifier = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] { CloseWindow(); });
    struct sigaction action {};
    action.sa_handler = WakeEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kTerminationSignals.size(); ++i) {
      struct sigaction before {};
      if (sigaction(kTerminationSignals[i], nullptr, &before) != 0) continue;
      if (before.sa_handler == SIG_IGN) continue;
      installed_[i] = sigaction(kTerminationSignals[i], &action, &previous_[i]) == 0;
    }
  }
  ~TerminationSignals() override {
    // A window started after this one has taken the signals over; they stay with it.
    if (pipe_[1] >= 0 && wakeFd == pipe_[1]) {
      for (std::size_t i = 0; i < kTerminationSignals.size(); ++i) {
        if (installed_[i]) sigaction(kTerminationSignals[i], &previous_[i], nullptr);
      }
      wakeFd = -1;
    }
    for (const int fd : pipe_) {
      if (fd >= 0) close(fd);
    }
  }
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

 private:
  void CloseWindow() {
    std::array<char, 64> bytes{};
    while (read(pipe_[0], bytes.data(), bytes.size()) > 0) {
      // however many signals came, one close
    }
    // Once closed, by a signal or by Quit, the window has saved; a close event now would
    // save a second time.
    if (window_.isVisible()) window_.close();
  }

  QWidget& window_;
  std::array<int, 2> pipe_ = {-1, -1};
  std::array<struct sigaction, kTerminationSignals.size()> previous_{};
  std::array<bool, kTerminationSignals.size()> installed_{};
};

}  // namespace

void CloseOnTerminationSignals(QWidget& window) { new TerminationSignals(window); }

}  // namespace clvt
