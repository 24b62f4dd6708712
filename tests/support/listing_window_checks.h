#pragma once

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

// Checks the window tests make with real event sequences: the listing windows, the viewer.
namespace clvt::testing {

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
