// main() of the desktop program calvantis.
#include <QApplication>

#include <exception>
#include <memory>

#include "app/qt_clipboard.h"
#include "app/qt_message_boxes.h"
#include "app/startup.h"
#include "mainwindow/main_window.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "platform/shell.h"

int main(int argc, char* argv[]) {
  try {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calvantis"));
    clvt::QtMessageBoxes messages;
    clvt::QtClipboard clipboard;
    clvt::SystemShell shell;
    const std::unique_ptr<clvt::RegistryApi> registry = clvt::MakePlatformRegistry();
    const auto window = clvt::StartCalvantis({messages, clipboard, shell, *registry});
    if (!window) return 1;
    return QApplication::exec();
  } catch (const std::exception&) {
    return 1;
  }
}
