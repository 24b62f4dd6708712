#pragma once

#include "platform/message_box.h"

class QWidget;

// Message boxes on the screen: QMessageBox with the message's title, text, icon and buttons.
namespace clvt {

class QtMessageBoxes : public MessageBoxes {
 public:
  // parent: the window the boxes are modal to and centred on; may be null.
  explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
  // Shows message modally; "\r\n" line breaks become line breaks. Returns true for OK or Yes.
  bool Show(const Message& message) override;

 private:
  QWidget* parent_;
};

}  // namespace clvt
