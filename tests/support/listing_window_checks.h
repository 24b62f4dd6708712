#pragma once

#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>

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

}  // namespace clvt::testing
