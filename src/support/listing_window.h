#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include <QWidget>

#include "datetext/input_controls.h"

class QEvent;
class QLineEdit;
class QPushButton;

// What the date sequence and vernal equinox windows do alike: a number box and "Do it" at the
// top, a listing box, and Copy to clipboard, Clear and Close below it. This scaffold holds the
// shared controls and what they do (copy the selection or everything, the copy button's wide
// and narrow caption, Enter in the number box runs, Escape closes as Close does, the focus on
// activation, the place beside the main window, the look); a listing window adds its own
// controls and its "Do it".
namespace clvt {

class Clipboard;
class ListingBox;
class MessageBoxes;
struct ListingRequest;
struct ListingRun;

// What a listing window needs from the main window, read afresh on every "Do it". The main
// window implements it; tests fake it.
class ListingHost {
 public:
  virtual ~ListingHost() = default;
  // True while the main window has an input notation in use; without one there is no day or
  // year to start from.
  virtual bool InputDateInUse() const = 0;
  // True while the input names a day: a notation in use with a calendar chosen. A weekday
  // chosen in place of a calendar names none, so a date sequence has no day to start from.
  virtual bool InputDayInUse() const = 0;
  // The JDN of the main window's input as it stands now, converted without messages; an input
  // gone invalid gives the JDN of the last good conversion.
  virtual int32_t InputJdn() = 0;
  // The year of the input as typed, astronomical, before any arithmetic.
  virtual int32_t InputYear() = 0;
  virtual DeeVariant Dee() const = 0;        // the variant optDee/optDeeCecil chose
  virtual uint32_t BackColour() const = 0;   // 0x00BBGGRR
  virtual QWidget* MainWidget() = 0;         // for font and position; may be null
  virtual QWidget* OutputFrame() const = 0;  // the main window's output frame; may be null
};

// Names and places of the shared controls, in twips. The listing box is as wide as the
// longest line a run can write; Do it and Close stay aligned with its right edge.
struct ListingWindowShape {
  const char* objectName;     // "frmDateSequence"
  const char* title;          // "Date sequence"
  const char* numberBoxName;  // "txbNumDays"
  const char* numberBoxAccessibleName;
  const char* listingAccessibleName;
  int numberBoxLeft = 0;
  int longestLineColumns = 0;
  int listingTop = 0;
  int buttonRowTop = 0;
  int clearLeft = 0;
};

class ListingWindow : public QWidget {
  Q_OBJECT

 public:
  // The handlers of the shared buttons, public so that tests can drive them directly.
  void cmdDoIt_Click();
  void cmdCopyToClipboard_Click();
  void cmdClear_Click();
  void cmdClose_Click();

 protected:
  // Builds, places and wires the shared controls; the window is destroyed when closed from
  // its title bar, so the opener keeps a QPointer. host, messages and clipboard must outlive
  // the window.
  ListingWindow(const ListingWindowShape& shape, ListingHost& host, MessageBoxes& messages,
                Clipboard& clipboard, QWidget* parent);

  // Client width in twips: the listing box and a margin on either side.
  int ClientWidthTwips() const { return clientWidthTwips_; }
  // Tab order: number box, Do it, then between (the window's own controls), then the listing
  // and the buttons below it.
  void SetTabOrder(std::initializer_list<QWidget*> between);
  // Last step of a window's construction, once all its controls exist: the look of the main
  // window, the place beside it, the copy button's narrow caption and the number box's text.
  void FormLoad(const QString& number);

  // The "Do it" of the window: read its controls and the host, build the run, WriteRun.
  virtual void DoIt() = 0;
  // Called when the window is activated (moveFocus false while a click is under way) and after
  // Clear: a window whose empty listing shows a heading writes it here.
  virtual void ShowHeading(bool /*moveFocus*/) {}

  // Writes run's number box text back and, when the run changed anything, its text into the
  // listing, and shows its closing message after it; the focus returns to the number box
  // unless the listing filled up.
  void WriteRun(const ListingRun& run);
  // The part of a run's request read from this window: the number box's text, the listing's
  // length as the capacity counts it, and whether it holds a run, as holdsRun judges its text.
  void ReadListing(ListingRequest& request, bool (*holdsRun)(std::string_view listing)) const;
  const std::string& ListingText() const;
  void FocusNumberBox();

  ListingHost& host_;
  MessageBoxes& messages_;
  Clipboard& clipboard_;
  QLineEdit* numberBox_;
  QPushButton* cmdDoIt_;
  ListingBox* txbOutput_;
  QPushButton* cmdCopyToClipboard_;
  QPushButton* cmdClear_;
  QPushButton* cmdClose_;

  void changeEvent(QEvent* event) override;

 private:
  void Form_Activate();
  void PlaceBesideMainWindow();

  int clientWidthTwips_;
};

}  // namespace clvt
