#pragma once

#include <QFrame>

class QEventLoop;
class QLabel;
class QTimer;

// The self-closing pop-up: a white, caption-less strip that shows one message for a given
// time, or until the user clicks it. While it shows, the other windows take no input and the
// caller waits. Lengths are twips (15 per pixel), intervals milliseconds.
namespace clvt {

class PopupWindow : public QFrame {
  Q_OBJECT

 public:
  // The one pop-up of the process, created on first use and kept hidden between uses.
  // Needs a QApplication.
  static PopupWindow& frmPopUp();

  // Shows strMessage in a pop-up of outer size intWidth x intHeight whose top-left corner
  // is at (intLeft, intTop) from the outer top-left corner of frmMe (a null frmMe counts as
  // the screen's corner), for intInterval ms or until clicked; returns when it has been
  // hidden. The message's height stays as it was, within the border. Sizes below one pixel
  // count as one pixel; an interval of 0 or less means no timer, so only a click ends it.
  void PopUpInForm(QWidget* frmMe, const QString& strMessage, int intWidth, int intHeight,
                   int intInterval, int intTop, int intLeft);

  QLabel* lblMessage() const { return lblMessage_; }
  QTimer* Timer1() const { return Timer1_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  PopupWindow();
  void Timer1_Timer();
  void lblMessage_MouseUp();
  // Starts the timer, shows the pop-up modally and waits until it is hidden.
  void ShowAndWait(int intInterval);

  QLabel* lblMessage_ = nullptr;
  QTimer* Timer1_ = nullptr;
  QEventLoop* waiting_ = nullptr;
};

// PopupWindow::PopUpInForm on the one instance (PopupWindow::frmPopUp()).
void PopUpInForm(QWidget* frmMe, const QString& strMessage, int intWidth, int intHeight,
                 int intInterval, int intTop, int intLeft);

}  // namespace clvt
