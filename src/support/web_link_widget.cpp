// The link labels, and the opener of the program's web links, which runs as a process of its
// own: a timer asks the shell now and then whether it has ended, so a slow opener never
// freezes the window.
#include "support/web_link_widget.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include "platform/message_box.h"
#include "platform/shell.h"
#include "support/accessible_widget.h"
#include "support/web_link.h"

namespace clvt {

WebLinkLabel::WebLinkLabel(const QString& text, const std::string& address, QWidget* parent)
    : QLabel(text, parent) {
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  setAccessibleDescription(QString::fromStdString(address));
  DescribeAsLink(this);
}

// A label that takes the focus builds a rich-text document for its text when it is polished
// or focused, whose code cost the start half a mebibyte; without one it draws its text as plain
// text, alike. QLabel does nothing else at these two events, so the link skips them.
bool WebLinkLabel::event(QEvent* event) {
  // NOLINTNEXTLINE(bugprone-parent-virtual-call): QLabel's own step builds the document
  if (event->type() == QEvent::Polish) return QFrame::event(event);
  return QLabel::event(event);
}

void WebLinkLabel::focusInEvent(QFocusEvent* event) {
  QFrame::focusInEvent(event);  // NOLINT(bugprone-parent-virtual-call): as event() above
}

void WebLinkLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) {
    QLabel::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat()) emit activated();
  event->accept();
}

// Like a button, the link opens when the left button comes up on it after going down on it.
void WebLinkLabel::mousePressEvent(QMouseEvent* event) {
  leftPressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void WebLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = leftPressed_ && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  leftPressed_ = false;
  event->accept();
  if (click) emit activated();
}

// The second press of a double-click arrives as this event; by default it would count as a
// press of its own, and its release would open the page a second time.
void WebLinkLabel::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

namespace {

constexpr int kPollMilliseconds = 100;
const char* const kPollerName = "webLinkPoller";

// One per owner window: its timer polls the shell, which keeps the running openers, while any
// runs. Destroyed with the owner.
class WebLinkPoller : public QObject {
 public:
  WebLinkPoller(QObject* owner, Shell& shell, MessageBoxes& messages)
      : QObject(owner), shell_(shell), messages_(messages), timer_(this) {
    setObjectName(QString::fromLatin1(kPollerName));
    timer_.setInterval(kPollMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
  }

  void Open(const std::string& target) {
    OpenWebLink(target, shell_, messages_);
    timer_.start();
  }

 private:
  void Tick() {
    Guarded(messages_, [this] {
      if (!shell_.Poll()) timer_.stop();
    })();
  }

  Shell& shell_;
  MessageBoxes& messages_;
  QTimer timer_;
};

}  // namespace

void OpenWebLinkFrom(QWidget& owner, const std::string& target, Shell& shell,
                     MessageBoxes& messages) {
  auto* poller = dynamic_cast<WebLinkPoller*>(
      owner.findChild<QObject*>(QString::fromLatin1(kPollerName), Qt::FindDirectChildrenOnly));
  if (poller == nullptr) poller = new WebLinkPoller(&owner, shell, messages);
  poller->Open(target);
}

}  // namespace clvt
