#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <QPlainTextEdit>

#include "platform/message_box.h"

class QFont;
class QMouseEvent;
class QPushButton;

// The read-only text boxes of the listing windows and the text viewer, and what the two
// listing windows do alike around theirs.
namespace clvt {

class Clipboard;
struct ListingRun;

// A plain-text box that reports when its selection has settled, so that a copy button can say
// what a copy would take: after a change made while no mouse button is held (the keyboard, a
// program call, a run written into the box), and when the left button comes up over it, which
// ends a drag and clears a selection clicked inside. A drag still under way has not settled,
// and a filter on the box would see the release before the box has handled it.
class TextBoxWidget : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit TextBoxWidget(QWidget* parent = nullptr);

  // What a copy takes: the selection, or the whole text when nothing is selected, with "\n"
  // line ends and every character as it stands (no-break spaces stay).
  QString SelectedOrAllText() const;

 signals:
  void selectionSettled();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// The listing box of the date sequence and vernal equinox windows: read-only, 9-point
// "Courier New", lines never wrapped, the vertical scroll bar always shown.
class ListingBox : public TextBoxWidget {
  Q_OBJECT

 public:
  explicit ListingBox(QWidget* parent = nullptr);

  // The listing as a run's builder reads it: UTF-8 with "\n" line ends, and its length as the
  // capacity counts it (ListingLength). Both are taken from the box once after each change of
  // its text, not on every call: a "Do it" asks several times, and a box near its capacity
  // holds 64 KiB.
  const std::string& HeldText() const;
  int64_t Length() const;

  // Writes run.text, replacing the box's text or appending to it as run.replace says, and puts
  // the caret at the end so that the last line shows. Only then does it show the run's closing
  // message, so that the lines the message speaks of stand in the box while it is up.
  void WriteRun(const ListingRun& run, MessageBoxes& messages);

 private:
  struct Held {
    std::string text;
    int64_t length = 0;
  };
  const Held& HeldNow() const;

  mutable std::optional<Held> held_;  // empty once the text has changed
};

// The listing box's font: 9-point "Courier New" (its metric twin where it is missing).
QFont ListingFont();

// Width in twips of a listing box that shows lines of `columns` characters whole: a
// "Courier New" character is 0.6 em, 108 twips at 9 points; frame, margins, caret and the
// vertical scroll bar take about 35 pixels, and 600 twips leave room for other styles.
inline constexpr int kListingColumnTwips = 108;
inline constexpr int kListingBoxOverheadTwips = 600;
constexpr int ListingBoxWidthTwips(int columns) {
  return columns * kListingColumnTwips + kListingBoxOverheadTwips;
}

// The caption of a copy button: "Copy selected text to clipboard" while a selection waits to
// be copied, otherwise "Copy to clipboard".
QString CopyCaption(bool selection);

// The copy button's press in the listing windows and the viewer: puts box's selection, or its
// whole text when nothing is selected, on the clipboard; an empty box leaves the clipboard
// alone. True when something was copied.
bool CopySelectedOrAll(const TextBoxWidget& box, Clipboard& clipboard);

// The copy button of a listing window: "Copy selected text to clipboard" at its wide width
// while a selection waits to be copied, otherwise "Copy to clipboard" at its narrow width.
inline constexpr int kCopyNarrowTwips = 3000;
inline constexpr int kCopyWideTwips = 4000;
void SetListingCopyButton(QPushButton& button, bool selection);

// While copy is enabled, its caption and width follow box's selection whenever it settles,
// whether it was made with the mouse or the keyboard, or cleared by a run.
void FollowSelectionWithCopyButton(ListingBox& box, QPushButton& copy);

// True while a mouse button is held down: the click that activates a window is then still
// under way, and moving the focus now would cancel the press of the button it landed on.
bool MousePressUnderWay();

}  // namespace clvt
