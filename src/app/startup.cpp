// Start-up of the desktop program: program texts first, because the window's captions and
// identity come from them, then the main window.
#include "app/startup.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>

#include "app/termination_signals.h"
#include "mainwindow/main_window.h"
#include "platform/message_box.h"
#include "platform/services.h"
#include "support/program_text.h"

#ifndef CLVT_APP_ID
#error "CLVT_APP_ID comes from the build"
#endif

namespace clvt {
namespace {

// The sizes task bars and window switchers ask a window for; larger ones are taken from the
// desktop entry's icon, and each size given costs its decoding at every start.
constexpr int kWindowIconSizes[] = {48, 64};
// A window that is not painted at once (started minimized) gets its icon after this at the latest.
constexpr int kWindowIconLatestMilliseconds = 1000;

// The icon theme's icon for the program's id, which a theme may draw in its own style, else the
// pictures built into the program: a program run from its build folder, or installed where the
// desktop does not look for icons, has its icon too. PNGs, because drawing an SVG takes a Qt
// plugin the program does not otherwise need.
QIcon WindowIcon() {
  const QIcon theme = QIcon::fromTheme(QStringLiteral(CLVT_APP_ID));
  QIcon icon;
  for (const int size : kWindowIconSizes) {
    if (theme.isNull()) {
      icon.addFile(QStringLiteral(":/icons/calvantis-%1.png").arg(size), QSize(size, size));
    } else {
      icon.addPixmap(theme.pixmap(size));
    }
  }
  return icon;
}

// Gives the program its window icon once window has been painted for the first time. Looking
// the icon up in the theme reads the theme's whole index, which took a quarter of the start;
// the window shows at once and its icon a moment later.
class IconAfterFirstPaint : public QObject {
 public:
  explicit IconAfterFirstPaint(QWidget& window) : QObject(&window) {
    window.installEventFilter(this);
    QTimer::singleShot(kWindowIconLatestMilliseconds, this, [this] { SetIcon(); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // Queued, so that the icon comes after the paint under way.
      QMetaObject::invokeMethod(
          this, [this] { SetIcon(); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  void SetIcon() {
    if (set_) return;
    set_ = true;
    QApplication::setWindowIcon(WindowIcon());
    deleteLater();
  }

  bool set_ = false;
};

}  // namespace

std::unique_ptr<MainWindow> StartCalvantis(const Services& services,
                                           const std::string& programTextFile) {
  if (const auto failure = LoadProgramText(programTextFile)) {
    services.messages.Show(*failure);
    return nullptr;
  }
  // Ties the windows to the installed desktop entry, and gives every window the icon.
  QApplication::setDesktopFileName(QStringLiteral(CLVT_APP_ID));
  auto window = std::make_unique<MainWindow>(services);
  new IconAfterFirstPaint(*window);
  window->Start();
  CloseOnTerminationSignals(*window);
  return window;
}

}  // namespace clvt
