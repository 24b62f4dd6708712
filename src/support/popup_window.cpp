// The pop-up window. Modality is a local event loop under an application-modal window: the
// caller's stack waits in ShowAndWait while the timer and mouse events run, and the other
// windows take no input.
#include "support/popup_window.h"

#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <algorithm>

#include "support/accessible_widget.h"
#include "support/colour_widget.h"
#include "support/look_widget.h"
#include "support/twips.h"

namespace clvt {
namespace {

constexpr int kBorderPixels = 1;
// Design client size 3495 x 1995 twips, plus the border on each side.
constexpr int kDesignWidthPixels = 233 + 2 * kBorderPixels;
constexpr int kDesignHeightPixels = 133 + 2 * kBorderPixels;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kMessageColour = 0xC00000;  // dark blue in 0x00BBGGRR
constexpr double kMessagePointSize = 9.75;

constexpr int kMostPixels = 1000000;
constexpr int kLeastPosition = -kMostPixels;

// Pixels for a length or position in twips, at least minimum; huge values saturate.
int ClampedPixels(int64_t twips, int minimum) {
  return std::clamp(TwipsToPixels(twips), minimum, kMostPixels);
}

int64_t PixelsToTwips(int pixels) { return int64_t{pixels} * kTwipsPerPixel; }

}  // namespace

PopupWindow& PopupWindow::frmPopUp() {
  // Never deleted: it lives until the program ends, as a hidden window between uses.
  static auto* instance = new PopupWindow();
  return *instance;
}

PopupWindow::PopupWindow()
    : QFrame(nullptr, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("frmPopUp");
  setWindowModality(Qt::ApplicationModal);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(kBorderPixels);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ToQColor(kWhite));
  palette.setColor(QPalette::WindowText, Qt::black);  // the border
  setPalette(palette);
  setAutoFillBackground(true);

  lblMessage_ = new QLabel("Label1", this);
  lblMessage_->setObjectName("lblMessage");
  lblMessage_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  QFont font;
  font.setFamilies({"Tahoma", "Liberation Sans", "DejaVu Sans"});
  font.setBold(true);
  font.setPointSizeF(kMessagePointSize);
  lblMessage_->setFont(font);
  QPalette labelPalette = lblMessage_->palette();
  labelPalette.setColor(QPalette::WindowText, ToQColor(kMessageColour));
  labelPalette.setColor(QPalette::Window, ToQColor(kWhite));
  lblMessage_->setPalette(labelPalette);
  lblMessage_->setAutoFillBackground(true);
  lblMessage_->installEventFilter(this);

  Timer1_ = new QTimer(this);
  Timer1_->setObjectName("Timer1");
  Timer1_->setInterval(2000);
  connect(Timer1_, &QTimer::timeout, this, &PopupWindow::Timer1_Timer);
  // Screen readers hear the message itself, as an alert, when the pop-up appears.
  DescribeAsAlert(this);
  FitCaptions(this);

  resize(kDesignWidthPixels, kDesignHeightPixels);
  lblMessage_->setGeometry(contentsRect());
}

void PopupWindow::PopUpInForm(QWidget* frmMe, const QString& strMessage, int intWidth,
                              int intHeight, int intInterval, int intTop, int intLeft) {
  if (waiting_ != nullptr) return;
  const QPoint corner = frmMe != nullptr ? frmMe->frameGeometry().topLeft() : QPoint(0, 0);
  move(ClampedPixels(intLeft + PixelsToTwips(corner.x()), kLeastPosition),
       ClampedPixels(intTop + PixelsToTwips(corner.y()), kLeastPosition));
  lblMessage_->setText(strMessage);
  resize(ClampedPixels(intWidth, 1), ClampedPixels(intHeight, 1));
  // The message keeps its height, but never beyond the border: a child paints over its
  // parent's frame, and a taller one would hide the bottom edge of the strip.
  lblMessage_->resize(contentsRect().width(),
                      std::min(lblMessage_->height(), contentsRect().height()));
  ShowAndWait(intInterval);
}

void PopupWindow::ShowAndWait(int intInterval) {
  QEventLoop loop;
  waiting_ = &loop;
  if (intInterval > 0) {
    Timer1_->setInterval(intInterval);
    Timer1_->start();
  }
  show();
  raise();
  activateWindow();
  AnnounceAlert(this);
  // Hiding can only happen inside the loop (timer, click), so it cannot be missed here.
  if (isVisible()) loop.exec();
  waiting_ = nullptr;
}

void PopupWindow::Timer1_Timer() {
  Timer1_->stop();
  hide();
}

void PopupWindow::lblMessage_MouseUp() {
  Timer1_->stop();
  hide();
}

bool PopupWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lblMessage_ && event->type() == QEvent::MouseButtonRelease) {
    lblMessage_MouseUp();
    return true;
  }
  return QFrame::eventFilter(watched, event);
}

void PopupWindow::mouseReleaseEvent(QMouseEvent* /*event*/) { lblMessage_MouseUp(); }

void PopupWindow::hideEvent(QHideEvent* event) {
  // However the pop-up goes (timer, click, the window system), the caller resumes.
  Timer1_->stop();
  if (waiting_ != nullptr) waiting_->quit();
  QFrame::hideEvent(event);
}

void PopUpInForm(QWidget* frmMe, const QString& strMessage, int intWidth, int intHeight,
                 int intInterval, int intTop, int intLeft) {
  PopupWindow::frmPopUp().PopUpInForm(frmMe, strMessage, intWidth, intHeight, intInterval, intTop,
                                      intLeft);
}

}  // namespace clvt
