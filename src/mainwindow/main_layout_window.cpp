// The main window's controls: their names, captions, list contents, lengths, accessible names
// and fixed positions. Positions are in twips (15 to the pixel) as the window was designed;
// each notation's input controls share one row and appear when their option is chosen.
#include "mainwindow/main_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "datetext/formatting.h"
#include "datetext/input_check.h"
#include "support/accessible_widget.h"
#include "support/twips_widget.h"
#include "support/web_link.h"
#include "support/web_link_widget.h"

namespace clvt {

namespace {

template <class W>
W* Make(QWidget* parent, const char* name, int left, int top, int width, int height) {
  auto* w = new W(parent);
  w->setObjectName(QString::fromLatin1(name));
  PlaceInTwips(w, {left, top, width, height});
  return w;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, int left, int top,
                  int width, int height = 285) {
  auto* l = Make<QLabel>(parent, name, left, top, width, height);
  l->setText(QString::fromUtf8(caption));
  return l;
}

// A link of the footer row, which opens address.
WebLinkLabel* MakeLink(QWidget* parent, const char* name, const char* caption,
                       const std::string& address, int left, int width) {
  auto* link = new WebLinkLabel(QString::fromUtf8(caption), address, parent);
  link->setObjectName(QString::fromLatin1(name));
  PlaceInTwips(link, {left, 5820, width, 285});
  return link;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, int left, int top,
                        int width, int height = 390) {
  auto* b = Make<QPushButton>(parent, name, left, top, width, height);
  b->setText(QString::fromUtf8(caption));
  return b;
}

QRadioButton* MakeOption(QWidget* parent, const char* name, const char* caption, int left, int top,
                         int width, int height = 300) {
  auto* o = Make<QRadioButton>(parent, name, left, top, width, height);
  o->setText(QString::fromUtf8(caption));
  // Buttons paint the Button role by default; an option carries the window colour instead.
  o->setBackgroundRole(QPalette::Window);
  return o;
}

QComboBox* MakeList(QWidget* parent, const char* name, const char* what, int left, int top,
                    int width) {
  auto* c = Make<QComboBox>(parent, name, left, top, width, 360);
  SetListAccessibleName(c, QString::fromUtf8(what));
  c->setMaxVisibleItems(13);
  return c;
}

// A text box; maxLength 0 makes a read-only output box.
QLineEdit* MakeBox(QWidget* parent, const char* name, const char* what, int left, int top,
                   int width, int maxLength = 0) {
  auto* e = Make<QLineEdit>(parent, name, left, top, width, 360);
  e->setAccessibleName(QString::fromUtf8(what));
  if (maxLength > 0) {
    e->setMaxLength(maxLength);
  } else {
    DescribeAsReadOnlyBox(e);
  }
  return e;
}

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

constexpr int kClientWidth = 10260;  // twips
constexpr int kClientHeight = 6300;

}  // namespace

void MainWindow::BuildControls() {
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  DescribeAsWindow(this);
  fraInput = Make<QGroupBox>(this, "fraInput", 120, 60, 10020, 1860);
  fraInput->setTitle(QStringLiteral(" Input date "));
  optInputDateWithoutAYN = MakeOption(fraInput, "optInputDateWithoutAYN",
                                      "month, day, year (AD, BC, CE, BCE):", 150, 300, 4200);
  optInputDateWithAYN =
      MakeOption(fraInput, "optInputDateWithAYN",
                 "year-month-day (astronomical year numbering):", 4800, 300, 5100);
  cboMonthNames = MakeList(fraInput, "cboMonthNames", "Month", 150, 720, 1650);
  cboDayNumbers = MakeList(fraInput, "cboDayNumbers", "Day", 1860, 720, 780);
  txbYearADBCetc = MakeBox(fraInput, "txbYearADBCetc", "Year", 2700, 720, 1050,
                           static_cast<int>(kYearADBCetcMaxLength));
  cboYearDesADBCetc = MakeList(fraInput, "cboYearDesADBCetc", "Era", 3810, 720, 930);
  cboCalendar[0] = MakeList(fraInput, "cboCalendar_0", "Calendar or weekday", 4800, 720, 2580);
  txbYearCEJC = MakeBox(fraInput, "txbYearCEJC", "Year-month-day date with designator", 150, 720,
                        2940, static_cast<int>(kYearCEJCMaxLength));
  cboCalendar[1] = MakeList(fraInput, "cboCalendar_1", "Calendar", 3150, 720, 2580);
  cmdToday = MakeButton(fraInput, "cmdToday", "Today", 7620, 705, 1110);
  cmdClear[0] = MakeButton(fraInput, "cmdClear_0", "Clear", 8790, 705, 1110);
  cmdClear[0]->setAccessibleName(QStringLiteral("Clear input date"));
  lblCE = MakeLabel(fraInput, "lblCE", "", 150, 1200, 9750, 555);
  lblCE->setWordWrap(true);
  lblCE->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  NameLabelByItsText(lblCE);  // an empty legend is no second " Input date "
  for (QWidget* w :
       {static_cast<QWidget*>(cboMonthNames), static_cast<QWidget*>(cboDayNumbers),
        static_cast<QWidget*>(txbYearADBCetc), static_cast<QWidget*>(cboYearDesADBCetc),
        static_cast<QWidget*>(cboCalendar[0]), static_cast<QWidget*>(txbYearCEJC),
        static_cast<QWidget*>(cboCalendar[1])}) {
    w->hide();  // each notation's controls appear when its option is chosen
  }

  Label3 = MakeLabel(this, "Label3", "Dee Calendar version:", 150, 2010, 1860);
  // Qt makes every auto-exclusive option below one parent a single group, frames included,
  // so the two Dee options get a bare parent of their own.
  auto* deeOptions = Make<QWidget>(this, "deeOptions", 2070, 1980, 7620, 330);
  // Screen readers name the group the two options stand in by the heading beside it.
  deeOptions->setAccessibleName(QStringLiteral("Dee Calendar version"));
  optDeeCecil = MakeOption(deeOptions, "optDeeCecil", "Dee-Cecil (1-1-1 DC = JDN 1,721,426)", 0, 0,
                           3900, 330);
  optDee = MakeOption(deeOptions, "optDee", "Dee (1-1-1 D = JDN 1,721,425)", 4020, 0, 3600, 330);

  fraPlusMinus = Make<QGroupBox>(this, "fraPlusMinus", 120, 2370, 10020, 720);
  fraPlusMinus->setTitle(QStringLiteral("Arithmetical"));
  const char* const arithNames[] = {"txbArith_0", "txbArith_1", "txbArith_2", "txbArith_3"};
  const char* const labelNames[] = {"lblArith_0", "lblArith_1", "lblArith_2", "lblArith_3"};
  const char* const units[] = {"years", "months", "weeks", "days"};
  const char* const what[] = {"Years to add or subtract", "Months to add or subtract",
                              "Weeks to add or subtract", "Days to add or subtract"};
  const int lefts[] = {150, 1770, 3510, 5130};
  for (std::size_t i = 0; i < 4; ++i) {
    const int maxLength = static_cast<int>(i == 0 ? kArithYearsMaxLength : kArithOtherMaxLength);
    txbArith[i] = MakeBox(fraPlusMinus, arithNames[i], what[i], lefts[i], 270, 780, maxLength);
    lblArith[i] = MakeLabel(fraPlusMinus, labelNames[i], units[i], lefts[i] + 840, 300, 840);
  }
  optPlus = MakeOption(fraPlusMinus, "optPlus", "plus", 6780, 300, 900);
  optMinus = MakeOption(fraPlusMinus, "optMinus", "minus", 7680, 300, 1050);
  cmdClear[1] = MakeButton(fraPlusMinus, "cmdClear_1", "Clear", 8790, 255, 1110);
  cmdClear[1]->setAccessibleName(QStringLiteral("Clear amounts"));

  fraOutput = Make<QGroupBox>(this, "fraOutput", 120, 3120, 7800, 2520);
  fraOutput->setTitle(QStringLiteral(" Output dates "));
  // The five output rows, 420 twips apart: a caption, the date or number and, for the three
  // calendars, the year-month-day date.
  struct OutputRow {
    QLabel* MainWindow::*label;
    const char* labelName;
    const char* caption;
    QLineEdit* MainWindow::*box;
    const char* boxName;
    const char* boxHolds;
    QLineEdit* MainWindow::*aynBox;  // null for the JDN and weekday rows
    const char* aynBoxName;
    const char* aynBoxHolds;
  };
  const OutputRow rows[] = {
      {&MainWindow::lblGregorian, "lblGregorian", "Gregorian:", &MainWindow::txbOutputGC,
       "txbOutputGC", "Gregorian date", &MainWindow::txbOutputGCwithAYN, "txbOutputGCwithAYN",
       "Gregorian year-month-day"},
      {&MainWindow::lblJulian, "lblJulian", "Julian:", &MainWindow::txbOutputJC, "txbOutputJC",
       "Julian date", &MainWindow::txbOutputJCwithAYN, "txbOutputJCwithAYN",
       "Julian year-month-day"},
      {&MainWindow::lblDee, "lblDee", "Dee-Cecil:", &MainWindow::txbOutputDEE, "txbOutputDEE",
       "Dee date", &MainWindow::txbOutputDEEwithAYN, "txbOutputDEEwithAYN", "Dee year-month-day"},
      {&MainWindow::Label2, "Label2", "Julian day number:", &MainWindow::txbJDN, "txbJDN",
       "Julian day number", nullptr, nullptr, nullptr},
      {&MainWindow::Label1, "Label1", "Day of week:", &MainWindow::txbDayOfWeek, "txbDayOfWeek",
       "Day of week", nullptr, nullptr, nullptr},
  };
  int rowTop = 300;
  for (const OutputRow& row : rows) {
    this->*row.label = MakeLabel(fraOutput, row.labelName, row.caption, 150, rowTop + 45, 1800);
    this->*row.box = MakeBox(fraOutput, row.boxName, row.boxHolds, 1980, rowTop, 2820);
    if (row.aynBox != nullptr) {
      this->*row.aynBox = MakeBox(fraOutput, row.aynBoxName, row.aynBoxHolds, 4860, rowTop, 2820);
    }
    rowTop += 420;
  }

  cmdCalculate = MakeButton(this, "cmdCalculate", "Calculate", 8040, 3120, 2100);
  cmdCopyResult = MakeButton(this, "cmdCopyResult", "Copy result to clipboard", 8040, 3555, 2100);
  cmdDateSequence = MakeButton(this, "cmdDateSequence", "Date sequence", 8040, 3990, 2100);
  cmdHelp = MakeButton(this, "cmdHelp", "Help", 8040, 4425, 1020);
  cmdQuit = MakeButton(this, "cmdQuit", "Quit", 9120, 4425, 1020);
  cmdVernalEquinoxes = MakeButton(this, "cmdVernalEquinoxes", "", 8040, 4860, 2100);

  lblOnlineUserManual = MakeLink(this, "lblOnlineUserManual", "Online user manual",
                                 OnlineUserManualAddress(), 150, 2400);
  lblOnlineUserManual->setToolTip(QString::fromUtf8(kManualTooltip));
  lblVostrelSystems =
      MakeLink(this, "lblVostrelSystems", "Vostrel Systems", MakerWebSite(), 5160, 1500);
  lblQX_URL = MakeLink(this, "lblQX_URL", MakerWebHost().c_str(), MakerWebSite(), 6720, 3420);
  lblQX_URL->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void MainWindow::SetTabOrder() {
  const QWidget* order[] = {optInputDateWithoutAYN,
                            optInputDateWithAYN,
                            cboMonthNames,
                            cboDayNumbers,
                            txbYearADBCetc,
                            cboYearDesADBCetc,
                            cboCalendar[0],
                            txbYearCEJC,
                            cboCalendar[1],
                            cmdToday,
                            cmdClear[0],
                            optDeeCecil,
                            optDee,
                            txbArith[0],
                            txbArith[1],
                            txbArith[2],
                            txbArith[3],
                            optPlus,
                            optMinus,
                            cmdClear[1],
                            txbOutputGC,
                            txbOutputGCwithAYN,
                            txbOutputJC,
                            txbOutputJCwithAYN,
                            txbOutputDEE,
                            txbOutputDEEwithAYN,
                            txbJDN,
                            txbDayOfWeek,
                            cmdCalculate,
                            cmdCopyResult,
                            cmdDateSequence,
                            cmdVernalEquinoxes,
                            cmdHelp,
                            cmdQuit,
                            lblOnlineUserManual,
                            lblVostrelSystems,
                            lblQX_URL};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
  }
}
void MainWindow::FillLists() {
  auto fill = [](QComboBox* list, const QStringList& items) {
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(0);
  };
  QStringList months{QString()};
  for (int m = 1; m <= 12; ++m) months << Q(MonthNames[m]);
  QStringList days{QString()};
  for (int d = 1; d <= 31; ++d) days << QString::number(d);
  QStringList eras;
  for (std::string_view era : kYearDesignators) eras << Q(era);
  fill(cboMonthNames, months);
  fill(cboDayNumbers, days);
  fill(cboYearDesADBCetc, eras);
  // Month, day, year: the empty item, three calendars and the seven weekdays; year-month-day:
  // the empty item and three calendars.
  for (const auto& [notation, last] : {std::pair{kInputWithoutAYN, kCalendarPositionSunday + 6},
                                       std::pair{kInputWithAYN, kCalendarPositionDee}}) {
    QStringList items;
    for (int position = 0; position <= last; ++position) {
      items << Q(CalendarListItem(notation, position, dee_));
    }
    fill(cboCalendar[CalendarListIndex(notation)], items);
  }
}

}  // namespace clvt
