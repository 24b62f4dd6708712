#pragma once

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QWidget>
#include <QWindow>

// Checks the window tests make with real event sequences: the listing windows, the viewer.
namespace clvt::testing {

// Clicks target while another window is active, in the order a window system delivers a
// click that activates a window: the press, the activation, the release.
inline bool ClickActivating(QWidget* target, QWidget* otherWindow) {
  otherWindow->show();
  otherWindow->activateWindow();
  if (!QTest::qWaitForWindowActive(otherWindow)) return false;
  QWidget* window = target->window();
  const QPoint at = target->mapTo(window, target->rect().center());
  QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, at);
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window)) return false;
  QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, at);
  return true;
}

// Selects the whole text of box and clicks inside the selection: the press keeps the
// selection (it may start a drag), the release clears it.
inline void ClickInsideSelection(QPlainTextEdit* box) {
  QTextCursor selection(box->document());
  selection.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  box->setTextCursor(selection);
  QTextCursor inside(box->document());
  inside.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 2);
  QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->cursorRect(inside).center());
}

// True when box shows each of its lines whole: none wrapped, and nothing to scroll sideways.
inline bool ShowsLinesWhole(QPlainTextEdit* box) {
  QCoreApplication::processEvents();
  for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
    if (block.layout()->lineCount() > 1) return false;
  }
  return box->horizontalScrollBar()->maximum() == 0;
}

}  // namespace clvt::testing
