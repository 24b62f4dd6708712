#pragma once

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "datetext/input_controls.h"
#include "platform/services.h"
#include "run/conversion.h"
#include "support/listing_window.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// The main window frmMain: the input date in two notations, the arithmetic amounts, the
// output dates, the Dee variant and the buttons that open the other windows. It only moves
// values between its controls and the pure functions of run/ and the layers below it, where
// every rule lives. Other windows use the public operations and state below.
namespace clvt {

class DateSequenceWindow;
struct LiveInputView;
struct Message;
struct OutputDates;
class VernalEquinoxesWindow;
class WebLinkLabel;

class MainWindow : public QWidget, public ListingHost {
  Q_OBJECT

 public:
  // Builds the window and runs the start-up steps that precede showing it (fonts, colour,
  // lists, Dee-Cecil, caption, placement). The program texts must already be loaded; the
  // services must outlive the window.
  explicit MainWindow(const Services& services, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The rest of start-up: shows the window, restores the settings and, when no date was
  // restored, puts today's date into the input.
  void Start();

  // Converts the checked input (after InputDateOK) in calendar into lngJDN, applying the
  // amounts; false (lngJDN unchanged) on an invalid date, which no calendar always gives.
  bool GetJDN(std::optional<Calendar> calendar, bool showInvalidDateMessage = false);
  // The input year as typed, astronomical, without any arithmetic.
  int32_t GetYear();

  int32_t lngJDN() const { return lngJDN_; }
  Notation intInputDateType() const { return notation_; }
  uint32_t lngBackColor() const { return lngBackColor_; }
  QWidget* OutputFrame() const override;

  // What the listing windows read from this window.
  bool InputDateInUse() const override;
  bool InputDayInUse() const override;
  int32_t InputJdn() override;
  int32_t InputYear() override { return GetYear(); }
  DeeVariant Dee() const override { return dee_; }  // the variant the options chose
  uint32_t BackColour() const override { return lngBackColor_; }
  QWidget* MainWidget() override { return this; }

  // Settings kept between runs. RestoreSettings is true when it restored an input date.
  void SaveSettings();
  bool RestoreSettings();

  // Event handlers, public so that tests can drive them without waiting or clicking.
  void Timer1_Timer();
  void cmdCalculate_Click();
  void cmdToday_Click();
  void cmdClear_Click(int index);
  void cboCalendar_Click(int index);
  void optInputDateWithoutAYN_Click();
  void optInputDateWithAYN_Click();
  void optDee_Click();
  void optDeeCecil_Click();
  void txbArith_LostFocus(int index);
  void txbYearCEJC_LostFocus();
  void cmdCopyResult_Click();
  void cmdDateSequence_Click();
  void cmdVernalEquinoxes_Click();
  void cmdHelp_Click();
  void lblOnlineUserManual_Click();
  void lblVostrelSystems_Click();
  void cmdQuit_Click();
  void Form_DblClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  static constexpr const char* kManualTooltip = "Click here for the online user manual at";

  void BuildControls();
  void WireControls();
  void SetTabOrder();
  void InitializeMainWindow();
  void FillLists();
  void ClearInputDate();
  void ClearOutputDates();
  void ApplyDeeVariant(const DeeVariant& dee);
  // Writes back what a press that opens a listing window made of the input, shows its
  // messages and keeps its JDN; true when the window may open.
  bool ApplyPressStart(const InputControls& controls, const PressStart& start);
  void ApplyDeeCalendarChoice();
  void ShowVernalEquinoxesButton();
  void PlaceWindow();
  void FocusCalculate();
  void CopyResultToClipboard();
  template <class Window>
  void OpenListingWindow(QPointer<Window>& window);

  InputControls ReadInputControls() const;
  LiveInputView ReadLiveInputView() const;
  void WriteInputControls(const InputControls& controls);
  OutputDates ReadOutputDates() const;
  void DisplayOutputDates(const OutputDates& outputs);
  void ShowMessages(const std::vector<Message>& messages);

  MessageBoxes& messages_;
  Clipboard& clipboard_;
  Shell& shell_;
  RegistryApi& registry_;

  bool blnStartupCompleted_ = false;
  Notation notation_ = kInputIncomplete;
  int32_t lngJDN_ = 0;
  DeeVariant dee_;
  uint32_t lngBackColor_ = 0;
  int intVernalEquinoxesTop_ = 0;
  int intHelpQuitTop_ = 0;
  std::vector<std::string> strDateParts_;
  QPointer<VernalEquinoxesWindow> frmVernalEquinoxes_;  // created on first use
  // The date sequence window, created on first use; null again once closed from its title bar.
  QPointer<DateSequenceWindow> sequenceWindow_;

  // Controls, named as the program's controls are named.
  QGroupBox* fraInput = nullptr;
  QRadioButton* optInputDateWithoutAYN = nullptr;
  QComboBox* cboMonthNames = nullptr;
  QComboBox* cboDayNumbers = nullptr;
  QLineEdit* txbYearADBCetc = nullptr;
  QComboBox* cboYearDesADBCetc = nullptr;
  std::array<QComboBox*, 2> cboCalendar{};
  QRadioButton* optInputDateWithAYN = nullptr;
  QLineEdit* txbYearCEJC = nullptr;
  QLabel* lblCE = nullptr;
  QPushButton* cmdToday = nullptr;
  std::array<QPushButton*, 2> cmdClear{};
  QLabel* Label3 = nullptr;
  QRadioButton* optDeeCecil = nullptr;
  QRadioButton* optDee = nullptr;
  QPushButton* cmdCalculate = nullptr;
  QGroupBox* fraPlusMinus = nullptr;
  std::array<QLineEdit*, 4> txbArith{};
  std::array<QLabel*, 4> lblArith{};
  QRadioButton* optPlus = nullptr;
  QRadioButton* optMinus = nullptr;
  QGroupBox* fraOutput = nullptr;
  QLabel* lblGregorian = nullptr;
  QLabel* lblJulian = nullptr;
  QLabel* lblDee = nullptr;
  QLineEdit* txbOutputGC = nullptr;
  QLineEdit* txbOutputJC = nullptr;
  QLineEdit* txbOutputDEE = nullptr;
  QLineEdit* txbOutputGCwithAYN = nullptr;
  QLineEdit* txbOutputJCwithAYN = nullptr;
  QLineEdit* txbOutputDEEwithAYN = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* txbJDN = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* txbDayOfWeek = nullptr;
  QPushButton* cmdDateSequence = nullptr;
  QPushButton* cmdVernalEquinoxes = nullptr;
  QPushButton* cmdCopyResult = nullptr;
  QPushButton* cmdHelp = nullptr;
  QPushButton* cmdQuit = nullptr;
  WebLinkLabel* lblOnlineUserManual = nullptr;
  WebLinkLabel* lblVostrelSystems = nullptr;
  WebLinkLabel* lblQX_URL = nullptr;
  QTimer* Timer1 = nullptr;
};

}  // namespace clvt
