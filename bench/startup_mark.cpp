// A Qt plug-in that bench/startup_bench.sh loads into both programs it measures (through
// QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS=startupmark), so that each reports the same
// moments in the same way without a line of benchmark code in the program itself: when the
// first window is exposed (it has been mapped and the X server asks for its contents), and
// once that window has painted them. At each it writes a line to the file descriptor named by
// STARTUP_MARK_FD: the CLOCK_MONOTONIC time and the processor time of the whole process, both
// in nanoseconds. With STARTUP_MARK_EXIT set it ends the program after the second, so that a
// profiler run under valgrind or perf covers the start-up alone.
#include "startup_mark.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace {

class StartupMark : public QObject {
 public:
  StartupMark() { QCoreApplication::instance()->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!marked_ && event->type() == QEvent::Expose && watched->isWindowType() &&
        static_cast<QWindow*>(watched)->isExposed()) {
      marked_ = true;
      Mark(false);
      // The window paints while this event is delivered; the second mark follows once it is done.
      QMetaObject::invokeMethod(
          this, [] { Mark(true); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  static long long Nanoseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
  }

  static void Mark(bool last) {
    if (const char* fd = std::getenv("STARTUP_MARK_FD")) {
      char line[64];
      const int length =
          std::snprintf(line, sizeof line, "%lld %lld\n", Nanoseconds(CLOCK_MONOTONIC),
                        Nanoseconds(CLOCK_PROCESS_CPUTIME_ID));
      if (write(std::atoi(fd), line, static_cast<size_t>(length)) != length) {
        std::perror("startup mark");
      }
    }
    if (last && std::getenv("STARTUP_MARK_EXIT") != nullptr) _exit(0);
  }

  bool marked_ = false;
};

}  // namespace

QObject* StartupMarkPlugin::create(const QString& /*name*/, const QString& /*spec*/) {
  return new StartupMark;
}
