// The Enter key filters. Each filter is a child of the widget it watches (or of the window
// for buttons), so it goes when they go.
#include "support/enter_key_widget.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace clvt {
namespace {

bool IsEnterKey(const QEvent* event) {
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool IsRepeat(const QEvent* event) { return static_cast<const QKeyEvent*>(event)->isAutoRepeat(); }

class ButtonEnterFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !IsEnterKey(event)) return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button == nullptr) return false;
    // A push button presses on the key going down, as a dialog's default button does; the
    // key coming up then falls on whatever the press opened, which ignores it.
    if (!IsRepeat(event)) button->click();
    return true;
  }
};

class EnterReleaseFilter : public QObject {
 public:
  EnterReleaseFilter(QLineEdit* box, std::function<void()> action)
      : QObject(box), action_(std::move(action)) {}

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
        if (IsEnterKey(event) && !IsRepeat(event)) pressedHere_ = true;
        break;
      case QEvent::KeyRelease:
        if (IsEnterKey(event) && !IsRepeat(event) && pressedHere_) {
          pressedHere_ = false;
          // A copy: the action may close the window and with it this filter.
          const std::function<void()> action = action_;
          action();
        }
        break;
      case QEvent::FocusOut: pressedHere_ = false; break;
      default: break;
    }
    return false;
  }

 private:
  std::function<void()> action_;
  bool pressedHere_ = false;
};

}  // namespace

void PressButtonsOnEnter(QWidget* window) {
  if (window == nullptr) return;
  auto* filter = new ButtonEnterFilter(window);
  for (QPushButton* button : window->findChildren<QPushButton*>()) {
    // The buttons of a window of its own below this one are that window's to set up.
    if (button->window() == window) button->installEventFilter(filter);
  }
}

void RunOnEnterRelease(QLineEdit* box, std::function<void()> action) {
  if (box == nullptr || !action) return;
  box->installEventFilter(new EnterReleaseFilter(box, std::move(action)));
}

}  // namespace clvt
