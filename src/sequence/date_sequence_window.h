#pragma once

#include "support/listing_window.h"

class QLabel;

namespace clvt {

// frmDateSequence: lists a run of days from the main window's input date in the Gregorian and
// the Dee calendar. Close hides it (the listing survives); closing from the title bar
// destroys it, so the opener keeps a QPointer and creates a new one when that is null.
class DateSequenceWindow : public ListingWindow {
  Q_OBJECT

 public:
  DateSequenceWindow(ListingHost& host, MessageBoxes& messages, Clipboard& clipboard,
                     QWidget* parent = nullptr);

 protected:
  void DoIt() override;

 private:
  QLabel* lblDates1_;
  QLabel* lblDates2_;
};

}  // namespace clvt
