// QMessageBox behind the program's message-box interface.
#include "app/qt_message_boxes.h"

#include <QMessageBox>
#include <QString>

namespace clvt {
namespace {

QMessageBox::Icon ToQtIcon(Icon icon) {
  switch (icon) {
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

bool QtMessageBoxes::Show(const Message& message) {
  QString text = QString::fromStdString(message.text);
  text.replace("\r\n", "\n");
  const bool yesNo = message.buttons == Buttons::YesNo;
  QMessageBox box(ToQtIcon(message.icon), QString::fromStdString(message.title), text,
                  yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent_);
  box.setObjectName("messageBox");
  if (yesNo) {
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
  }
  const int answer = box.exec();
  return yesNo ? answer == QMessageBox::Yes : true;
}

}  // namespace clvt
