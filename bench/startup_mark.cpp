// A Qt plug-in that bench/startup_bench.sh loads into both programs it measures (through
// QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS=startupmark), so that each reports the same
// moment in the same way without a line of benchmark code in the program itself: once the
// first window has been exposed and painted, it writes the CLOCK_MONOTONIC time in
// nanoseconds and a newline to the file descriptor named by STARTUP_MARK_FD. With
// STARTUP_MARK_EXIT set it then ends the program at once, so that a profiler run under
// valgrind or perf covers the start-up alone.
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
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
      // The window paints while this event is delivered; the mark follows once it is done.
      QMetaObject::invokeMethod(this, &StartupMark::Mark, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  static void Mark() {
    if (const char* fd = std::getenv("STARTUP_MARK_FD")) {
      timespec now{};
      clock_gettime(CLOCK_MONOTONIC, &now);
      char line[32];
      const int length =
          std::snprintf(line, sizeof line, "%lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
      if (write(std::atoi(fd), line, static_cast<size_t>(length)) != length) {
        std::perror("startup mark");
      }
    }
    if (std::getenv("STARTUP_MARK_EXIT") != nullptr) _exit(0);
  }

  bool marked_ = false;
};

class StartupMarkPlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "startup_mark.json")

 public:
  QObject* create(const QString& /*name*/, const QString& /*spec*/) override {
    return new StartupMark;
  }
};

}  // namespace

#include "startup_mark.moc"
