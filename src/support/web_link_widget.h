#pragma once

#include <string>

#include <QLabel>

class QEvent;
class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QWidget;

// Web links in a window: the labels that show them, and opening them without holding up the
// window's event loop.
namespace clvt {

class MessageBoxes;
class Shell;

// A label that opens a web page: plain text underlined, with a pointing hand over it. It takes the
// focus with Tab or a click, like a button, and reports activated() once per use: a left click
// (pressed and released on it; a double-click counts once), Return, keypad Enter or Space (a
// key held down counts once), or an assistive tool's "press". Other mouse buttons do nothing.
// Screen readers hear it as a link named by its text, with address as its description.
class WebLinkLabel : public QLabel {
  Q_OBJECT

 public:
  WebLinkLabel(const QString& text, const std::string& address, QWidget* parent = nullptr);

 signals:
  void activated();

 protected:
  bool event(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  bool leftPressed_ = false;
};

// Opens target through shell (OpenWebLink) and returns at once; a timer owned by owner polls
// shell for the opener's outcome, and a failure is shown through messages when it is known.
// shell and messages must outlive owner; one owner uses one shell.
void OpenWebLinkFrom(QWidget& owner, const std::string& target, Shell& shell,
                     MessageBoxes& messages);

}  // namespace clvt
