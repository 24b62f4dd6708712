#include "support/text_box_widget.h"

#include <QFont>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>

#include "platform/clipboard.h"
#include "support/listing_text.h"
#include "support/twips.h"

namespace clvt {
namespace {

constexpr int kListingPointSize = 9;

}  // namespace

TextBoxWidget::TextBoxWidget(QWidget* parent) : QPlainTextEdit(parent) {
  connect(this, &QPlainTextEdit::selectionChanged, this, [this] {
    if (!MousePressUnderWay()) emit selectionSettled();
  });
}

QString TextBoxWidget::SelectedOrAllText() const {
  const QTextCursor cursor = textCursor();
  // Both keep the paragraph separators between lines, and no-break spaces as they are.
  QString text = cursor.hasSelection() ? cursor.selectedText() : document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return text;
}

void TextBoxWidget::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit selectionSettled();
}

ListingBox::ListingBox(QWidget* parent) : TextBoxWidget(parent) {
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setFont(ListingFont());
  connect(this, &QPlainTextEdit::textChanged, this, [this] { held_.reset(); });
}

const ListingBox::Held& ListingBox::HeldNow() const {
  if (!held_) {
    std::string text = toPlainText().toStdString();
    const int64_t length = ListingLength(text);
    held_ = Held{std::move(text), length};
  }
  return *held_;
}

const std::string& ListingBox::HeldText() const { return HeldNow().text; }

int64_t ListingBox::Length() const { return HeldNow().length; }

void ListingBox::WriteRun(const ListingRun& run, MessageBoxes& messages) {
  const QString written = QString::fromStdString(run.text);
  if (run.replace) {
    setPlainText(written);
  } else {
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(written);
  }
  moveCursor(QTextCursor::End);
  ensureCursorVisible();
  if (run.closingMessage) messages.Show(*run.closingMessage);
}

QFont ListingFont() {
  QFont courier(QStringLiteral("Courier New"), kListingPointSize);
  courier.setStyleHint(QFont::Monospace);
  return courier;
}

QString CopyCaption(bool selection) {
  return selection ? QStringLiteral("Copy selected text to clipboard")
                   : QStringLiteral("Copy to clipboard");
}

bool CopySelectedOrAll(const TextBoxWidget& box, Clipboard& clipboard) {
  if (box.document()->isEmpty()) return false;
  clipboard.Clear();
  clipboard.SetText(box.SelectedOrAllText().toStdString());
  return true;
}

void SetListingCopyButton(QPushButton& button, bool selection) {
  button.setText(CopyCaption(selection));
  button.resize(TwipsToPixels(selection ? kCopyWideTwips : kCopyNarrowTwips), button.height());
}

void FollowSelectionWithCopyButton(ListingBox& box, QPushButton& copy) {
  QObject::connect(&box, &TextBoxWidget::selectionSettled, &copy, [&box, &copy] {
    if (copy.isEnabled()) SetListingCopyButton(copy, box.textCursor().hasSelection());
  });
}

bool MousePressUnderWay() { return QGuiApplication::mouseButtons() != Qt::NoButton; }

}  // namespace clvt
