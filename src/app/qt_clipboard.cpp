// QClipboard behind the program's clipboard interface. Needs a QGuiApplication.
#include "app/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace clvt {

void QtClipboard::Clear() {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->clear();
}

void QtClipboard::SetText(const std::string& utf8) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) {
    clipboard->setText(QString::fromStdString(utf8));
  }
}

}  // namespace clvt
