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
  // is at screen position (intLeft, intTop), for intInterval ms or until clicked; returns
  // when it has been hidden. Sizes below one pixel count as one pixel; an interval of 0 or
  // less means no timer, so only a click ends the pop-up.
  void PopUp(const QString& strMessage, int intWidth, int intHeight, int intInterval, int intTop,
             int intLeft);

  // As PopUp, centred on the primary screen by the size the pop-up had before this call
  // (the previous use's, or the design size on first use).
  void PopUpCenterScreen(const QString& strMessage, int intWidth, int intHeight, int intInterval);

  // As PopUp with intTop and intLeft relative to the outer top-left corner of frmMe; the
  // message's height stays as it was. A null frmMe counts as the screen's corner.
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
  // Steps shared by all three: start the timer, show modally, wait until hidden.
  void ShowAndWait(int intInterval);

  QLabel* lblMessage_ = nullptr;
  QTimer* Timer1_ = nullptr;
  QEventLoop* waiting_ = nullptr;
};

// The pop-up's operations on the one instance (PopupWindow::frmPopUp()).
void PopUp(const QString& strMessage, int intWidth, int intHeight, int intInterval, int intTop,
           int intLeft);
void PopUpCenterScreen(const QString& strMessage, int intWidth, int intHeight, int intInterval);
void PopUpInForm(QWidget* frmMe, const QString& strMessage, int intWidth, int intHeight,
                 int intInterval, int intTop, int intLeft);

}  // namespace clvt
