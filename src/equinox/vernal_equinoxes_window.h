#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>

#include "datetext/input_controls.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The vernal equinox window: a table of March equinoxes for a run of years from the main
// window's input year. It reads the main window afresh on every "Do it", keeps its table when
// hidden by Close, and is destroyed when closed from its title bar. The table itself is
// built by the pure RunVernalEquinoxes (equinox_table.h); this window only reads its controls,
// calls it and writes the result back.
namespace clvt {

class Clipboard;
class ListingBox;
class MessageBoxes;

// What the window reads from the main window, as values and calls, so that it can be built
// and tested without the main window.
struct VernalEquinoxHost {
  std::function<int()> intInputDateType;            // -1 no input notation in use, 0 or 1
  std::function<int32_t()> GetYear;                 // the input year as typed
  std::function<DeeVariant()> Dee;                  // strDeeCalendarName / ...Designation
  std::function<bool()> DeeSelected;                // optDee checked
  std::function<uint32_t()> BackColor;              // lngBackColor, 0x00BBGGRR
  std::function<int32_t()> TextBoxCapacityInKB;     // 63
  QWidget* mainWindow = nullptr;                    // for the window's position
  QWidget* outputFrame = nullptr;                   // fraOutput, likewise
};

class VernalEquinoxesWindow : public QWidget {
  Q_OBJECT

 public:
  // Lays the window out with its initial values (hidden; the opener shows it). messages and
  // clipboard must outlive the window.
  VernalEquinoxesWindow(VernalEquinoxHost host, MessageBoxes& messages, Clipboard& clipboard,
                        QWidget* parent = nullptr);

  // The year of the next line; set by the opener, advanced by every run.
  int32_t lngYear = 0;

  void cmdDoIt_Click();
  void cmdCopyToClipboard_Click();
  void cmdClear_Click();
  void cmdClose_Click();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Form_Activate();
  void WriteEquinoxHeading(bool moveFocus);
  void FocusNumYears();
  void FillLongitudeLists();
  void PlaceBesideMainWindow();

  VernalEquinoxHost host_;
  MessageBoxes& messages_;
  Clipboard& clipboard_;

  QLabel* lblDates1_ = nullptr;
  QLineEdit* txbNumYears_ = nullptr;
  QLabel* lblDates2_ = nullptr;
  QPushButton* cmdDoIt_ = nullptr;
  QLabel* lblWashingtonLongitude_ = nullptr;
  QComboBox* cboDegrees_ = nullptr;
  QLabel* lblDegrees_ = nullptr;
  QComboBox* cboMinutes_ = nullptr;
  QLabel* lblMinutes_ = nullptr;
  QRadioButton* optApparentST_ = nullptr;
  QRadioButton* optMeanST_ = nullptr;
  ListingBox* txbOutput_ = nullptr;
  QPushButton* cmdCopyToClipboard_ = nullptr;
  QPushButton* cmdClear_ = nullptr;
  QPushButton* cmdClose_ = nullptr;
};

}  // namespace clvt
