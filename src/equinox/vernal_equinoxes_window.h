#pragma once

#include "support/listing_window.h"

class QComboBox;
class QLabel;
class QRadioButton;

// The vernal equinox window: a table of March equinoxes for a run of years from the main
// window's input year. It reads the main window afresh on every "Do it", keeps its table when
// hidden by Close, and is destroyed when closed from its title bar. The table itself is
// built by the pure RunVernalEquinoxes (equinox_table.h); this window only reads its controls,
// calls it and writes the result back.
namespace clvt {

class VernalEquinoxesWindow : public ListingWindow {
  Q_OBJECT

 public:
  // Lays the window out with its initial values (hidden; the opener shows it).
  VernalEquinoxesWindow(ListingHost& host, MessageBoxes& messages, Clipboard& clipboard,
                        QWidget* parent = nullptr);

 protected:
  void DoIt() override;
  void ShowHeading(bool moveFocus) override;

 private:
  void FillLongitudeLists();

  QLabel* lblDates1_ = nullptr;
  QLabel* lblDates2_ = nullptr;
  QLabel* lblWashingtonLongitude_ = nullptr;
  QComboBox* cboDegrees_ = nullptr;
  QLabel* lblDegrees_ = nullptr;
  QComboBox* cboMinutes_ = nullptr;
  QLabel* lblMinutes_ = nullptr;
  QRadioButton* optApparentST_ = nullptr;
  QRadioButton* optMeanST_ = nullptr;
};

}  // namespace clvt
