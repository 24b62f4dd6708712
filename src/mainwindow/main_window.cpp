// The main window's start-up and behaviour: every handler reads the controls, calls a pure
// function of run/ (or of a layer below it), and writes the answer back. The controls themselves
// are built in main_layout_window.cpp.
#include "mainwindow/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <exception>

#include "base/ascii_text.h"
#include "calendar/calendar.h"
#include "datetext/formatting.h"
#include "datetext/input_check.h"
#include "datetext/text_helpers.h"
#include "equinox/equinox_table.h"
#include "equinox/vernal_equinoxes_window.h"
#include "platform/clipboard.h"
#include "platform/digit_grouping.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "run/conversion.h"
#include "run/copy_result.h"
#include "run/live_input.h"
#include "run/settings.h"
#include "run/today.h"
#include "sequence/date_sequence_window.h"
#include "sequence/sequence_listing.h"
#include "support/enter_key_widget.h"
#include "support/focus_mark_widget.h"
#include "support/identity.h"
#include "support/look_widget.h"
#include "support/popup_window.h"
#include "support/program_text.h"
#include "support/twips.h"
#include "support/view_window.h"
#include "support/web_link.h"
#include "support/web_link_widget.h"

namespace clvt {
namespace {

constexpr uint32_t kCaptionColour = 0xFFFFFF;
constexpr int kPointSize = 9;
constexpr int kProgramTextCopyCaption = 18;

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
std::string S(const QString& s) { return s.toStdString(); }

// Chooses an option, which unchooses the other of its group; or unchooses it even when it is
// the chosen member of its group, which leaves none chosen.
void SetOption(QRadioButton* option, bool checked) {
  if (option->isChecked() == checked) return;
  if (checked) {
    option->setChecked(true);
    return;
  }
  const bool exclusive = option->autoExclusive();
  option->setAutoExclusive(false);
  option->setChecked(false);
  option->setAutoExclusive(exclusive);
}

void SetBold(QWidget* w, bool bold) {
  QFont f = w->font();
  f.setBold(bold);
  w->setFont(f);
}

// Bold marks the row of the calendar a weekday search matched. Labels pass no text attributes
// on to screen readers, so the row also says it in its description while it is bold.
void MarkWeekdayMatch(QLabel* row, bool matched, const QString& weekday = {}) {
  SetBold(row, matched);
  row->setAccessibleDescription(matched ? QStringLiteral("matches ") + weekday : QString());
}

// Writes text only when it changed, so the caret, selection and undo history survive.
void SetTextKeepingCaret(QLineEdit* box, const std::string& text) {
  const QString q = Q(text);
  if (box->text() == q) return;
  const int caret = box->cursorPosition();
  box->setText(q);
  box->setCursorPosition(std::min(caret, static_cast<int>(q.size())));
}

}  // namespace

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : QWidget(parent),
      messages_(services.messages),
      clipboard_(services.clipboard),
      shell_(services.shell),
      registry_(services.registry) {
  setObjectName(QStringLiteral("frmMain"));
  blnStartupCompleted_ = false;
  QFont font(QStringLiteral("Arial"), kPointSize);
  setFont(font);
  BuildControls();
  WireControls();
  PressButtonsOnEnter(this);
  MarkFocus(this);
  SetTabOrder();

  SetFontName(this, QStringLiteral("Arial"), true);
  intVernalEquinoxesTop_ = cmdHelp->y();
  intHelpQuitTop_ = cmdVernalEquinoxes->y();
  lngBackColor_ = kDefaultBackColor;
  SetBackColor(this, lngBackColor_);
  SetForeColor(this, kCaptionColour);
  InitializeMainWindow();
  setWindowTitle(Q(MainCaption()));
  cmdCopyResult->setText(Q(GetText(kProgramTextCopyCaption)));
  cmdCopyResult->setVisible(true);
  cmdVernalEquinoxes->setVisible(true);
  PlaceWindow();
  cmdCopyResult->setEnabled(false);
  ShowVernalEquinoxesButton();
  SetOption(optPlus, true);
  FitCaptions(this);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(500);
  connect(Timer1, &QTimer::timeout, this, Guarded(messages_, [this] { Timer1_Timer(); }));
  Timer1->start();
}

MainWindow::~MainWindow() = default;

void MainWindow::Start() {
  show();
  // Whenever no date comes back (a first start, a damaged or partly saved file), today's date
  // goes into the input, in the notation and calendar that came back if any: a window without
  // an input date would offer nothing to calculate.
  if (!RestoreSettings() && cmdToday->isEnabled()) cmdToday_Click();
  SetBold(cmdCopyResult, false);
  blnStartupCompleted_ = true;
}

void MainWindow::WireControls() {
  auto on = [this](auto handler) { return Guarded(messages_, handler); };
  // An option's handler runs once whenever it becomes the chosen one, however it was chosen:
  // mouse, keyboard, an assistive tool or the program itself. The option left runs nothing.
  auto onChosen = [this](QRadioButton* option, auto handler) {
    connect(option, &QRadioButton::toggled, this, [this, handler](bool checked) {
      if (checked) Guarded(messages_, handler)();
    });
  };
  onChosen(optInputDateWithoutAYN, [this] { optInputDateWithoutAYN_Click(); });
  onChosen(optInputDateWithAYN, [this] { optInputDateWithAYN_Click(); });
  onChosen(optDeeCecil, [this] { optDeeCecil_Click(); });
  onChosen(optDee, [this] { optDee_Click(); });
  connect(cboCalendar[1], &QComboBox::activated, this, on([this] { cboCalendar_Click(1); }));
  connect(cboCalendar[0], &QComboBox::activated, this, on([this] { cboCalendar_Click(0); }));
  connect(cmdToday, &QPushButton::clicked, this, on([this] { cmdToday_Click(); }));
  connect(cmdClear[0], &QPushButton::clicked, this, on([this] { cmdClear_Click(0); }));
  connect(cmdClear[1], &QPushButton::clicked, this, on([this] { cmdClear_Click(1); }));
  connect(cmdCalculate, &QPushButton::clicked, this, on([this] { cmdCalculate_Click(); }));
  connect(cmdCopyResult, &QPushButton::clicked, this, on([this] { cmdCopyResult_Click(); }));
  connect(cmdDateSequence, &QPushButton::clicked, this, on([this] { cmdDateSequence_Click(); }));
  connect(cmdVernalEquinoxes, &QPushButton::clicked, this,
          on([this] { cmdVernalEquinoxes_Click(); }));
  connect(cmdHelp, &QPushButton::clicked, this, on([this] { cmdHelp_Click(); }));
  connect(cmdQuit, &QPushButton::clicked, this, on([this] { cmdQuit_Click(); }));
  connect(lblOnlineUserManual, &WebLinkLabel::activated, this,
          on([this] { lblOnlineUserManual_Click(); }));
  for (WebLinkLabel* maker : {lblVostrelSystems, lblQX_URL}) {
    connect(maker, &WebLinkLabel::activated, this, on([this] { lblVostrelSystems_Click(); }));
  }
  for (QLineEdit* year : {txbYearCEJC, txbYearADBCetc}) {
    RunOnEnterRelease(year, on([this] {
                        if (cmdCalculate->isEnabled()) cmdCalculate_Click();
                      }));
  }
  txbYearCEJC->installEventFilter(this);
  for (QLineEdit* box : txbArith) box->installEventFilter(this);
  // F1 and Ctrl+Q act as Help and Quit from every window of the program, but not past a message.
  new QShortcut(QKeySequence(Qt::Key_F1), this, on([this] { cmdHelp_Click(); }),
                Qt::ApplicationShortcut);
  new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this, on([this] { cmdQuit_Click(); }),
                Qt::ApplicationShortcut);
}
void MainWindow::InitializeMainWindow() {
  FillLists();
  SetOption(optInputDateWithoutAYN, false);
  SetOption(optInputDateWithAYN, false);
  cboCalendar[0]->setCurrentIndex(0);
  cboCalendar[1]->setCurrentIndex(0);
  lblOnlineUserManual->setToolTip(QString::fromUtf8(kManualTooltip) + QStringLiteral(" ") +
                                  Q(ManualAddressWithoutScheme()));
  ClearInputDate();
  SetOption(optDeeCecil, true);
}
void MainWindow::ClearInputDate() {
  txbYearADBCetc->clear();
  txbYearCEJC->clear();
  cboMonthNames->setCurrentIndex(0);
  cboDayNumbers->setCurrentIndex(0);
  cboYearDesADBCetc->setCurrentIndex(0);
  lblCE->clear();
  ClearOutputDates();
  SetOption(optPlus, false);
  SetOption(optMinus, false);
  for (QLineEdit* box : txbArith) box->clear();
}

void MainWindow::ClearOutputDates() {
  for (QLineEdit* box : {txbOutputGC, txbOutputGCwithAYN, txbOutputJC, txbOutputJCwithAYN,
                         txbOutputDEE, txbOutputDEEwithAYN, txbJDN, txbDayOfWeek}) {
    box->clear();
    box->hide();
  }
  for (QLabel* label : {lblGregorian, lblJulian, lblDee}) MarkWeekdayMatch(label, false);
}

// ---- Dee variant ---------------------------------------------------------------------------

void MainWindow::optDee_Click() { ApplyDeeVariant(kDeeVariant); }
void MainWindow::optDeeCecil_Click() { ApplyDeeVariant(kDeeCecilVariant); }

void MainWindow::ApplyDeeVariant(const DeeVariant& dee) {
  dee_ = dee;
  SetTextKeepingCaret(txbYearCEJC, RewriteDeeDesignator(S(txbYearCEJC->text()), dee_));
  lblCE->setText(Q(RewriteDeeLegend(S(lblCE->text()), dee_)));
  ApplyDeeCalendarChoice();
}

void MainWindow::ApplyDeeCalendarChoice() {
  lblDee->setText(Q(std::string(dee_.name) + ":"));
  for (const Notation notation : {kInputWithoutAYN, kInputWithAYN}) {
    cboCalendar[CalendarListIndex(notation)]->setItemText(
        kCalendarPositionDee, Q(CalendarListItem(notation, kCalendarPositionDee, dee_)));
  }
  if (cmdCalculate->isEnabled() && !txbOutputGC->text().isEmpty() && blnStartupCompleted_) {
    cmdCalculate_Click();
  } else {
    ClearOutputDates();
  }
}

// ---- Layout, colour, quitting --------------------------------------------------------------

void MainWindow::ShowVernalEquinoxesButton() {
  cmdVernalEquinoxes->setText(QStringLiteral("Vernal equinoxes"));
  cmdVernalEquinoxes->move(cmdVernalEquinoxes->x(), intVernalEquinoxesTop_);
  cmdHelp->move(cmdHelp->x(), intHelpQuitTop_);
  cmdQuit->move(cmdQuit->x(), intHelpQuitTop_);
}

void MainWindow::PlaceWindow() {
  const QScreen* screen = this->screen();
  const int screenWidth = screen != nullptr ? screen->geometry().width() : width();
  constexpr int kWindowTopTwips = 1000;  // centred across, a little below the top
  move(std::max(0, (screenWidth - width()) / 2), TwipsToPixels(kWindowTopTwips));
}

void MainWindow::Form_DblClick() {
  lngBackColor_ = NextBackColor(lngBackColor_);
  SetBackColor(this, lngBackColor_);
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  // Only the bare background counts; labels and frames pass their clicks up to here.
  if (childAt(event->position().toPoint()) == nullptr) {
    Guarded(messages_, [this] { Form_DblClick(); })();
  }
  event->accept();
}

void MainWindow::cmdQuit_Click() { close(); }

void MainWindow::closeEvent(QCloseEvent* event) {
  Guarded(messages_, [this] { SaveSettings(); })();
  event->accept();
  // Secondary windows must not keep the program alive once the main window is gone.
  QCoreApplication::quit();
}

namespace {

constexpr int16_t kProgramTextSettingsRoot = 273;  // "Software"

std::optional<std::string> SettingsKey() {
  return SettingsKeyPath(GetText(kProgramTextSettingsRoot), strCompanyName(), strProjectName());
}

}  // namespace

void MainWindow::SaveSettings() {
  const std::optional<std::string> key = SettingsKey();
  if (!key) return;  // the start has said so
  SettingsState state;
  state.txbJDN = S(txbJDN->text());
  state.notation = notation_;
  state.cboCalendar0 = cboCalendar[0]->currentIndex();
  state.cboCalendar1 = cboCalendar[1]->currentIndex();
  state.lblGregorianBold = lblGregorian->font().bold();
  state.lblJulianBold = lblJulian->font().bold();
  state.strDeeCalendarDesignation = dee_.designation;
  state.lngBackColor = lngBackColor_;
  clvt::SaveSettings(registry_, *key, state, DigitGroupingSymbol());
}

bool MainWindow::RestoreSettings() {
  const std::optional<std::string> key = SettingsKey();
  if (!key) {
    ShowMessages({SettingsKeyMissingMessage()});
    return false;
  }
  const RestorePlan plan = PlanRestore(registry_, *key);
  // Choosing an option runs its handler.
  if (plan.dee) SetOption(*plan.dee == kDeeVariant ? optDee : optDeeCecil, true);
  const bool dateRestored = plan.input && plan.input->date;
  if (plan.input) {
    notation_ = plan.input->notation;
    const int list = CalendarListIndex(notation_);
    SetOption(notation_ == kInputWithAYN ? optInputDateWithAYN : optInputDateWithoutAYN, true);
    cboCalendar[list]->setCurrentIndex(CalendarPosition(plan.input->calendar));
    cboCalendar_Click(list);
  }
  if (dateRestored) {
    const DateRec& date = *plan.input->date;
    lngJDN_ = date.jdn;
    InputControls c = ReadInputControls();
    if (notation_ == kInputWithAYN) {
      DisplayInputDateWithAYN(date, c, dee_);
    } else {
      DisplayInputDateWithoutAYN(date, c);
    }
    WriteInputControls(c);
    cmdCalculate_Click();
  }
  if (plan.lngBackColor) {
    lngBackColor_ = *plan.lngBackColor;
    SetBackColor(this, lngBackColor_);
  }
  return dateRestored;
}

// ---- Events of the year boxes and amount boxes ---------------------------------------------

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (type == QEvent::FocusOut) {
    // Focus leaving for another window (a message box) is not the user leaving the box.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      if (watched == txbYearCEJC) Guarded(messages_, [this] { txbYearCEJC_LostFocus(); })();
      for (int i = 0; i < 4; ++i) {
        if (watched == txbArith[i]) Guarded(messages_, [this, i] { txbArith_LostFocus(i); })();
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::txbYearCEJC_LostFocus() {
  SetTextKeepingCaret(txbYearCEJC, UpperCase(S(txbYearCEJC->text())));
}

void MainWindow::txbArith_LostFocus(int index) {
  if (index < 0 || index >= 4) return;
  const ArithBoxCheck check = CheckArithBox(S(txbArith[index]->text()), DigitGroupingSymbol());
  if (check.clearBox) txbArith[index]->clear();
  if (check.message) messages_.Show(*check.message);
}

void MainWindow::cmdHelp_Click() { ShowHelp(*this, messages_, clipboard_); }

void MainWindow::lblOnlineUserManual_Click() {
  OpenWebLinkFrom(*this, OnlineUserManualAddress(), shell_, messages_);
}

void MainWindow::lblVostrelSystems_Click() {
  OpenWebLinkFrom(*this, MakerWebSite(), shell_, messages_);
}

// ---- Moving values between the controls and the pure functions -----------------------------

InputControls MainWindow::ReadInputControls() const {
  InputControls c;
  c.optInputDateWithoutAYN = optInputDateWithoutAYN->isChecked();
  c.optInputDateWithAYN = optInputDateWithAYN->isChecked();
  c.cboMonthNames = cboMonthNames->currentIndex();
  c.cboDayNumbers = cboDayNumbers->currentIndex();
  c.txbYearADBCetc = S(txbYearADBCetc->text());
  c.cboYearDesADBCetc = cboYearDesADBCetc->currentIndex();
  c.cboCalendar0 = cboCalendar[0]->currentIndex();
  c.txbYearCEJC = S(txbYearCEJC->text());
  c.cboCalendar1 = cboCalendar[1]->currentIndex();
  c.optPlus = optPlus->isChecked();
  c.optMinus = optMinus->isChecked();
  c.fraPlusMinusVisible = !fraPlusMinus->isHidden();
  for (std::size_t i = 0; i < txbArith.size(); ++i) c.txbArith[i] = S(txbArith[i]->text());
  return c;
}

void MainWindow::WriteInputControls(const InputControls& c) {
  cboMonthNames->setCurrentIndex(c.cboMonthNames);
  cboDayNumbers->setCurrentIndex(c.cboDayNumbers);
  SetTextKeepingCaret(txbYearADBCetc, c.txbYearADBCetc);
  cboYearDesADBCetc->setCurrentIndex(c.cboYearDesADBCetc);
  cboCalendar[0]->setCurrentIndex(c.cboCalendar0);
  SetTextKeepingCaret(txbYearCEJC, c.txbYearCEJC);
  cboCalendar[1]->setCurrentIndex(c.cboCalendar1);
  SetOption(optPlus, c.optPlus);
  SetOption(optMinus, c.optMinus);
  for (std::size_t i = 0; i < txbArith.size(); ++i) SetTextKeepingCaret(txbArith[i], c.txbArith[i]);
  // Last, so that a notation chosen here finds the values above already in place.
  SetOption(optInputDateWithoutAYN, c.optInputDateWithoutAYN);
  SetOption(optInputDateWithAYN, c.optInputDateWithAYN);
}

OutputDates MainWindow::ReadOutputDates() const {
  OutputDates o;
  o.txbOutputGC = S(txbOutputGC->text());
  o.txbOutputJC = S(txbOutputJC->text());
  o.txbOutputDEE = S(txbOutputDEE->text());
  o.txbOutputGCwithAYN = S(txbOutputGCwithAYN->text());
  o.txbOutputJCwithAYN = S(txbOutputJCwithAYN->text());
  o.txbOutputDEEwithAYN = S(txbOutputDEEwithAYN->text());
  o.txbJDN = S(txbJDN->text());
  o.txbDayOfWeek = S(txbDayOfWeek->text());
  return o;
}

void MainWindow::DisplayOutputDates(const OutputDates& o) {
  const std::pair<QLineEdit*, const std::string*> boxes[] = {
      {txbOutputGC, &o.txbOutputGC},
      {txbOutputJC, &o.txbOutputJC},
      {txbOutputDEE, &o.txbOutputDEE},
      {txbOutputGCwithAYN, &o.txbOutputGCwithAYN},
      {txbOutputJCwithAYN, &o.txbOutputJCwithAYN},
      {txbOutputDEEwithAYN, &o.txbOutputDEEwithAYN},
      {txbJDN, &o.txbJDN},
      {txbDayOfWeek, &o.txbDayOfWeek}};
  for (const auto& [box, text] : boxes) {
    box->setText(Q(*text));
    box->setCursorPosition(0);
    box->show();
  }
}

void MainWindow::ShowMessages(const std::vector<Message>& messages) {
  for (const Message& m : messages) messages_.Show(m);
}

// ---- Public operations ---------------------------------------------------------------------

bool MainWindow::GetJDN(std::optional<Calendar> calendar, bool showInvalidDateMessage) {
  InputControls c = ReadInputControls();
  const std::optional<GetJDNResult> r =
      GetJDNAsItStands(c, notation_, strDateParts_, calendar, showInvalidDateMessage, dee_, lngJDN_,
                       DigitGroupingSymbol());
  if (!r) return false;
  WriteInputControls(c);
  ShowMessages(r->messages);
  if (r->ok) lngJDN_ = r->jdn;
  return r->ok;
}

int32_t MainWindow::GetYear() { return clvt::GetYear(ReadInputControls(), notation_); }

QWidget* MainWindow::OutputFrame() const { return fraOutput; }

bool MainWindow::InputDateInUse() const { return notation_ != kInputIncomplete; }

bool MainWindow::InputDayInUse() const {
  return SelectedCalendar(ReadInputControls(), notation_).has_value();
}

// A listing run takes the input as it stands, without a check first and without messages; its
// verdict is not checked: an input gone invalid leaves lngJDN as the last good run set it.
int32_t MainWindow::InputJdn() {
  GetJDN(SelectedCalendar(ReadInputControls(), notation_), false);
  return lngJDN_;
}

// ---- Live input ----------------------------------------------------------------------------

LiveInputView MainWindow::ReadLiveInputView() const {
  LiveInputView view;
  view.input = ReadInputControls();
  view.txbYearCEJCCursor = txbYearCEJC->cursorPosition();
  view.txbYearCEJCVisible = !txbYearCEJC->isHidden();
  view.cboMonthNamesVisible = !cboMonthNames->isHidden();
  for (std::size_t i = 0; i < lblArith.size(); ++i) view.lblArith[i] = S(lblArith[i]->text());
  view.lblCE = S(lblCE->text());
  view.txbOutputGCVisible = !txbOutputGC->isHidden();
  view.groupingSymbol = DigitGroupingSymbol();
  return view;
}

void MainWindow::Timer1_Timer() {
  const LiveInputTick t = TimerTick(ReadLiveInputView(), dee_);
  SetTextKeepingCaret(txbYearADBCetc, t.txbYearADBCetc);
  notation_ = t.notation;
  cmdCalculate->setEnabled(t.cmdCalculateEnabled);
  cmdDateSequence->setEnabled(t.cmdDateSequenceEnabled);
  optPlus->setEnabled(t.optPlusMinusEnabled);
  optMinus->setEnabled(t.optPlusMinusEnabled);
  fraPlusMinus->setVisible(t.fraPlusMinusVisible);
  for (std::size_t i = 0; i < txbArith.size(); ++i) {
    txbArith[i]->setEnabled(t.txbArithEnabled);
    lblArith[i]->setText(Q(t.lblArith[i]));
  }
  lblCE->setVisible(t.lblCEVisible);
  lblCE->setText(Q(t.lblCE));
  cmdClear[0]->setVisible(t.cmdClear0Visible);
  cmdClear[1]->setVisible(t.cmdClear1Visible);
  cmdCopyResult->setEnabled(t.cmdCopyResultEnabled);
  SetTextKeepingCaret(txbYearCEJC, t.txbYearCEJC);
  cboCalendar[1]->setCurrentIndex(t.cboCalendar1);
  cmdVernalEquinoxes->setEnabled(t.cmdVernalEquinoxesEnabled);
}

void MainWindow::optInputDateWithoutAYN_Click() {
  for (QWidget* w :
       {static_cast<QWidget*>(cboMonthNames), static_cast<QWidget*>(cboDayNumbers),
        static_cast<QWidget*>(txbYearADBCetc), static_cast<QWidget*>(cboYearDesADBCetc),
        static_cast<QWidget*>(cboCalendar[0])}) {
    w->show();
  }
  txbYearCEJC->hide();
  cboCalendar[1]->hide();
  SetBold(optInputDateWithoutAYN, true);
  SetBold(optInputDateWithAYN, false);
  FocusCalculate();
}

void MainWindow::optInputDateWithAYN_Click() {
  txbYearCEJC->show();
  cboCalendar[1]->show();
  for (QWidget* w :
       {static_cast<QWidget*>(cboMonthNames), static_cast<QWidget*>(cboDayNumbers),
        static_cast<QWidget*>(txbYearADBCetc), static_cast<QWidget*>(cboYearDesADBCetc),
        static_cast<QWidget*>(cboCalendar[0])}) {
    w->hide();
  }
  SetBold(optInputDateWithAYN, true);
  SetBold(optInputDateWithoutAYN, false);
  cboCalendar[1]->setCurrentIndex(CalendarPosition(CalendarForNotationSwitch(
      S(txbYearCEJC->text()), CalendarAtPosition(cboCalendar[1]->currentIndex()), dee_,
      DigitGroupingSymbol())));
  FocusCalculate();
}

void MainWindow::FocusCalculate() {
  // The timer enables Calculate up to half a second after the input becomes complete. The
  // focus must not wait for it: left on Today, the Enter meant for Calculate would press
  // Today again.
  cmdCalculate->setEnabled(TimerTick(ReadLiveInputView(), dee_).cmdCalculateEnabled);
  if (cmdCalculate->isEnabled()) cmdCalculate->setFocus();
}

void MainWindow::cboCalendar_Click(int index) {
  if (index != 1) return;
  SetTextKeepingCaret(txbYearCEJC, RewriteForCalendarChoice(
                                       S(txbYearCEJC->text()),
                                       CalendarAtPosition(cboCalendar[1]->currentIndex()), dee_));
}

void MainWindow::cmdToday_Click() {
  InputControls c = ReadInputControls();
  SetToday(c, TodayJDN(), dee_);
  WriteInputControls(c);  // a notation it chooses runs its handler
  ClearOutputDates();
  FocusCalculate();
}

void MainWindow::cmdClear_Click(int index) {
  if (index == 1) {
    for (QLineEdit* box : txbArith) box->clear();
    SetOption(optPlus, false);
    SetOption(optMinus, false);
  } else {
    ClearInputDate();
    cboCalendar[0]->setCurrentIndex(0);
    cboCalendar[1]->setCurrentIndex(0);
    ClearOutputDates();
  }
  if (isVisible() && isEnabled()) cmdToday->setFocus();
}

// ---- Runs ----------------------------------------------------------------------------------

void MainWindow::cmdCalculate_Click() {
  ClearOutputDates();
  InputControls c = ReadInputControls();
  const CalculateResult r = CalculateRun(c, notation_, dee_, lngJDN_, DigitGroupingSymbol());
  WriteInputControls(c);
  ShowMessages(r.messages);
  lngJDN_ = r.jdn;
  if (r.outputShown) {
    DisplayOutputDates(r.outputs);
    MarkWeekdayMatch(lblGregorian, r.lblGregorianBold, txbDayOfWeek->text());
    MarkWeekdayMatch(lblJulian, r.lblJulianBold, txbDayOfWeek->text());
  }
}

bool MainWindow::ApplyPressStart(const InputControls& controls, const PressStart& start) {
  WriteInputControls(controls);
  ShowMessages(start.messages);
  if (!start.inputRejected) strDateParts_ = start.strDateParts;
  if (start.ok) lngJDN_ = start.jdn;
  return start.ok;
}

// The listing windows are created on first use (and again after their title bar closed them)
// and shown not modal.
template <class Window>
void MainWindow::OpenListingWindow(QPointer<Window>& window) {
  if (window == nullptr) window = new Window(*this, messages_, clipboard_, this);
  window->show();
  window->raise();
  window->activateWindow();
}

void MainWindow::cmdDateSequence_Click() {
  InputControls c = ReadInputControls();
  const PressStart start = DateSequenceStart(c, notation_, dee_, lngJDN_, DigitGroupingSymbol());
  if (ApplyPressStart(c, start)) OpenListingWindow(sequenceWindow_);
}

void MainWindow::cmdVernalEquinoxes_Click() {
  InputControls c = ReadInputControls();
  const PressStart start = VernalEquinoxesStart(c, notation_, dee_, lngJDN_, DigitGroupingSymbol());
  if (ApplyPressStart(c, start)) OpenListingWindow(frmVernalEquinoxes_);
}

void MainWindow::cmdCopyResult_Click() {
  CopyResultToClipboard();
  if (cmdCalculate->isEnabled()) cmdCalculate->setFocus();
}

void MainWindow::CopyResultToClipboard() {
  clipboard_.Clear();
  clipboard_.SetText(CopyResultText(ReadOutputDates()));
  // The pop-up covers the button wherever the window stands, measured from the window's
  // outer corner as the pop-up expects. It is wider than the button, which stands near the
  // window's right edge, so the two share their right edge: begun at the button's left edge,
  // the pop-up would reach past the window.
  const QPoint button = cmdCopyResult->mapToGlobal(QPoint(0, 0)) - frameGeometry().topLeft();
  constexpr int kCopyPopUpWidth = 2920;  // twips
  constexpr int kCopyPopUpHeight = 300;
  constexpr int kCopyPopUpMilliseconds = 2000;
  const int left = (button.x() + cmdCopyResult->width()) * kTwipsPerPixel - kCopyPopUpWidth;
  cmdCopyResult->hide();
  PopUpInForm(this, QStringLiteral("Result copied to clipboard"), kCopyPopUpWidth, kCopyPopUpHeight,
              kCopyPopUpMilliseconds, button.y() * kTwipsPerPixel, left);
  cmdCopyResult->show();
}

}  // namespace clvt
