// Start-up of the desktop program: program texts first, because the window's captions and
// identity come from them, then the main window.
#include "app/startup.h"

#include <QApplication>
#include <QIcon>

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

// The icon theme's icon for the program's id, which a theme may draw in its own style, else the
// pictures built into the program: a program run from its build folder, or installed where the
// desktop does not look for icons, has its icon too. PNGs, because drawing an SVG takes a Qt
// plugin the program does not otherwise need.
QIcon WindowIcon() {
  QIcon builtIn;
  for (const int size : {48, 64, 128, 256}) {
    builtIn.addFile(QStringLiteral(":/icons/calvantis-%1.png").arg(size));
  }
  return QIcon::fromTheme(QStringLiteral(CLVT_APP_ID), builtIn);
}

}  // namespace

std::unique_ptr<MainWindow> StartCalvantis(const Services& services,
                                           const std::string& programTextFile) {
  if (const auto failure = LoadProgramText(programTextFile)) {
    services.messages.Show(*failure);
    return nullptr;
  }
  // Ties the windows to the installed desktop entry, and gives every window the icon.
  QApplication::setDesktopFileName(QStringLiteral(CLVT_APP_ID));
  QApplication::setWindowIcon(WindowIcon());
  auto window = std::make_unique<MainWindow>(services);
  window->Start();
  CloseOnTerminationSignals(*window);
  return window;
}

}  // namespace clvt
