// Wiring of the main window: the timer tick, keys, buttons, options and what they show.
// The rules behind them are tested on the pure functions; here the controls are driven by
// their object names as a user would, on the offscreen platform.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCalendar>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "doubles/memory_registry.h"
#include "doubles/recording_clipboard.h"
#include "doubles/recording_message_boxes.h"
#include "doubles/recording_shell.h"
#include "equinox/vernal_equinoxes_window.h"
#include "mainwindow/main_window.h"
#include "platform/digit_grouping.h"
#include "run/live_input.h"
#include "support/find_control.h"
#include "support/popup_window.h"
#include "support/program_text.h"
#include "support/web_link.h"

namespace clvt {

class MainWindowTest : public QObject {
  Q_OBJECT

  RecordingMessageBoxes messages_;
  RecordingClipboard clipboard_;
  RecordingShell shell_;
  MemoryRegistry registry_;
  std::unique_ptr<MainWindow> window_;

  template <class T = QLineEdit>
  T* Find(const char* name) {
    return testing::FindControl<T>(window_.get(), name);
  }
  QString Text(const char* box) { return Find(box)->text(); }
  void Tick(int times = 1) {
    for (int i = 0; i < times; ++i) window_->Timer1_Timer();
  }
  // Clears everything and types text into the year-month-day box with no calendar chosen.
  void EnterYearMonthDay(const QString& text) {
    window_->cmdClear_Click(0);
    Find<QRadioButton>("optInputDateWithAYN")->click();
    QTest::keyClicks(Find("txbYearCEJC"), text);
  }
  void EnterMonthDayYear(int month, int day, const QString& year, int era, int calendar) {
    window_->cmdClear_Click(0);
    Find<QRadioButton>("optInputDateWithoutAYN")->click();
    Find<QComboBox>("cboMonthNames")->setCurrentIndex(month);
    Find<QComboBox>("cboDayNumbers")->setCurrentIndex(day);
    QTest::keyClicks(Find("txbYearADBCetc"), year);
    Find<QComboBox>("cboYearDesADBCetc")->setCurrentIndex(era);
    Find<QComboBox>("cboCalendar_0")->setCurrentIndex(calendar);
  }

 private slots:
  void initTestCase() {
    const auto failure = LoadProgramText("clvt.dat");
    QVERIFY2(!failure, failure ? failure->text.c_str() : "");
  }
  void init() {
    OverrideNumberSymbols(",");
    messages_ = {};
    clipboard_ = {};
    shell_ = RecordingShell();
    registry_ = MemoryRegistry();
    window_ = std::make_unique<MainWindow>(Services{messages_, clipboard_, shell_, registry_});
    window_->Start();
  }
  void cleanup() { window_.reset(); }

  // A first start puts today's Gregorian date into the input without converting it; Today
  // with the Julian calendar chosen fills both notations with today's Julian date.
  void todayFillsBothNotationsInTheChosenCalendar() {
    const QDate today = QDate::currentDate();
    QVERIFY(Find<QRadioButton>("optInputDateWithoutAYN")->isChecked());
    QCOMPARE(Find<QComboBox>("cboMonthNames")->currentIndex(), today.month());
    QCOMPARE(Find<QComboBox>("cboDayNumbers")->currentIndex(), today.day());
    QCOMPARE(Find<QComboBox>("cboCalendar_0")->currentIndex(), 1);
    QVERIFY(Find("txbOutputGC")->isHidden());
    QVERIFY(!Find<QPushButton>("cmdCopyResult")->isEnabled());

    window_->cmdClear_Click(0);
    Find<QComboBox>("cboCalendar_0")->setCurrentIndex(2);
    Find<QPushButton>("cmdToday")->click();
    const QCalendar::YearMonthDay ymd =
        QCalendar(QCalendar::System::Julian).partsFromDate(QDate::currentDate());
    QCOMPARE(Find<QComboBox>("cboCalendar_1")->currentText(), QStringLiteral("Proleptic Julian"));
    QCOMPARE(Find<QComboBox>("cboMonthNames")->currentIndex(), ymd.month);
    QCOMPARE(Find<QComboBox>("cboDayNumbers")->currentIndex(), ymd.day);
    QCOMPARE(Text("txbYearADBCetc"), QString::number(ymd.year));
    QCOMPARE(Text("txbYearCEJC"), QStringLiteral("%1-%2-%3 JC")
                                      .arg(ymd.year)
                                      .arg(ymd.month, 2, 10, QLatin1Char('0'))
                                      .arg(ymd.day, 2, 10, QLatin1Char('0')));
    QVERIFY(Find("txbOutputGC")->isHidden());
    QVERIFY(messages_.shown.empty());
  }

  // Each Clear empties its own frame and hands the focus to Today. Leaving an amount box
  // checks it, but a message box taking the focus does not, so one bad amount gives one
  // message.
  void clearAndLeavingAnAmountBox() {
    QLineEdit* days = Find("txbArith_3");
    days->setText(QStringLiteral("5x"));
    QFocusEvent toMessageBox(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(days, &toMessageBox);
    QVERIFY(messages_.shown.empty());
    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(days, &tab);
    QVERIFY((messages_.shown == std::vector<Message>{{"Invalid input in the arithmetical "
                                                      "function.",
                                                      "Invalid input", Icon::Information}}));
    QVERIFY(days->text().isEmpty());

    days->setText(QStringLiteral("1"));
    Find<QPushButton>("cmdClear_1")->click();
    QVERIFY(days->text().isEmpty());
    QVERIFY(!Text("txbYearADBCetc").isEmpty());
    QCOMPARE(window_->focusWidget(), Find<QPushButton>("cmdToday"));
    Find<QPushButton>("cmdClear_0")->click();
    QVERIFY(Text("txbYearADBCetc").isEmpty());

    // Today completes the input, and Calculate takes the focus at once, not a tick later: left
    // on Today, the Enter meant for Calculate would press Today again.
    Tick();
    QVERIFY(!Find<QPushButton>("cmdCalculate")->isEnabled());
    Find<QPushButton>("cmdToday")->click();
    QCOMPARE(window_->focusWidget(), Find<QPushButton>("cmdCalculate"));
  }

  void lowerCaseDesignatorTakesThreeTicks() {
    EnterYearMonthDay("2015-11-22 jc");
    QLineEdit* box = Find("txbYearCEJC");
    box->setCursorPosition(4);
    auto* calendar = Find<QComboBox>("cboCalendar_1");
    auto* legend = Find<QLabel>("lblCE");
    auto* calculate = Find<QPushButton>("cmdCalculate");

    Tick();
    QCOMPARE(box->text(), QStringLiteral("2015-11-22 JC"));
    QCOMPARE(box->cursorPosition(), 4);
    QCOMPARE(calendar->currentIndex(), 0);
    QVERIFY(!calculate->isEnabled());
    Tick();
    QCOMPARE(legend->text(), QString::fromUtf8(kLegendJC.data(), kLegendJC.size()));
    QVERIFY(!legend->isHidden());
    QCOMPARE(calendar->currentText(), QStringLiteral("Proleptic Julian"));
    QVERIFY(!calculate->isEnabled());
    Tick();
    QVERIFY(calculate->isEnabled());
    QCOMPARE(window_->intInputDateType(), kInputWithAYN);
  }

  // Enter in a year box converts into the eight output boxes, and Copy result puts their
  // table on the clipboard under a pop-up that stands over the button wherever the window is.
  // On a Gregorian leap day all three calendars differ, so no box can stand in for another.
  void enterConvertsAndCopyResultCopiesIt() {
    EnterMonthDayYear(2, 29, "2016", 3, 1);
    Tick();
    QTest::keyClick(Find("txbYearADBCetc"), Qt::Key_Enter);
    const char* outputs[][2] = {
        {"txbOutputGC", "February 29, 2016 CE"},
        {"txbOutputJC", "February 16, 2016 CE"},
        {"txbOutputDEE", "March 1, 2016 CE"},
        {"txbOutputGCwithAYN", "2016-02-29 CE"},
        {"txbOutputJCwithAYN", "2016-02-16 JC"},
        {"txbOutputDEEwithAYN", "2016-03-01 DC"},
        {"txbJDN", "2,457,448"},
        {"txbDayOfWeek", "Monday"},
    };
    for (const auto& [box, text] : outputs) {
      QCOMPARE(Text(box), QString::fromUtf8(text));
      QVERIFY2(!Find(box)->isHidden(), box);
    }
    QCOMPARE(window_->lngJDN(), 2457448);

    Tick();
    auto* copy = Find<QPushButton>("cmdCopyResult");
    QVERIFY(copy->isEnabled());
    bool hiddenDuringPopUp = false;
    QRect popUpPlace;
    QTimer::singleShot(50, [&] {
      hiddenDuringPopUp = copy->isHidden();
      PopupWindow& popUp = PopupWindow::frmPopUp();
      popUpPlace = popUp.frameGeometry();
      QTest::mouseClick(popUp.lblMessage(), Qt::LeftButton);
    });
    copy->click();
    const std::string table =
        "Gregorian Calendar: February 29, 2016 CE        2016-02-29 CE               \r\n"
        "Julian Calendar:    February 16, 2016 CE        2016-02-16 JC               \r\n"
        "Julian day number:  2,457,448\r\n"
        "Day of week:        Monday\r\n"
        "\r\n";
    QCOMPARE(clipboard_.text, table);
    QCOMPARE(clipboard_.clears, 1);
    QVERIFY(hiddenDuringPopUp && !copy->isHidden());
    // Over the button and inside the window: it used to reach 47 pixels past the right edge.
    const QRect button(copy->mapToGlobal(QPoint(0, 0)), copy->size());
    QCOMPARE(popUpPlace.top(), button.top());
    QCOMPARE(popUpPlace.right(), button.right());
    QVERIFY(window_->frameGeometry().contains(popUpPlace));
    QVERIFY(messages_.shown.empty());
  }

  // The Enter that closes a message goes down in the message box and comes up in the year
  // box: it must not run Calculate again. Every push button presses on Return and keypad
  // Enter; what they do is tested elsewhere.
  void enterActsOncePerPress() {
    EnterYearMonthDay("2015-13-01 CE");
    Tick(3);
    QLineEdit* year = Find("txbYearCEJC");
    QTest::keyClick(year, Qt::Key_Return);
    QCOMPARE(messages_.shown.size(), std::size_t{1});
    QCOMPARE(messages_.shown[0].text, std::string("Invalid input date"));
    QTest::keyRelease(year, Qt::Key_Return);
    QCOMPARE(messages_.shown.size(), std::size_t{1});

    for (QPushButton* button : window_->findChildren<QPushButton*>()) {
      button->setEnabled(true);
      button->disconnect(SIGNAL(clicked(bool)));
      QSignalSpy clicks(button, &QPushButton::clicked);
      QTest::keyClick(button, Qt::Key_Return);
      QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
      QVERIFY2(clicks.count() == 2, qPrintable(button->objectName()));
    }
  }

  void optionsRunTheirHandlerHoweverChosen_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("mouse") << 0;
    QTest::newRow("space bar") << 1;
    QTest::newRow("assistive toggle") << 2;
    QTest::newRow("assistive press") << 3;
    QTest::newRow("program") << 4;
  }
  void optionsRunTheirHandlerHoweverChosen() {
    QFETCH(int, way);
    Tick();  // today's date is complete: the plus and minus options are enabled
    auto choose = [way](QRadioButton* option) {
      QAccessibleActionInterface* actions =
          QAccessible::queryAccessibleInterface(option)->actionInterface();
      switch (way) {
        case 0:
          QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
          break;
        case 1: QTest::keyClick(option, Qt::Key_Space); break;
        case 2: actions->doAction(QAccessibleActionInterface::toggleAction()); break;
        case 3: actions->doAction(QAccessibleActionInterface::pressAction()); break;
        default: option->setChecked(true); break;
      }
      QTRY_VERIFY(option->isChecked());  // a press through an assistive tool clicks a moment later
    };
    auto* withAYN = Find<QRadioButton>("optInputDateWithAYN");
    auto* withoutAYN = Find<QRadioButton>("optInputDateWithoutAYN");
    for (QRadioButton* option : {withAYN, withoutAYN}) {
      choose(option);
      const bool ymd = option == withAYN;
      QCOMPARE(Find("txbYearCEJC")->isHidden(), !ymd);
      QCOMPARE(Find<QComboBox>("cboMonthNames")->isHidden(), ymd);
      QCOMPARE(withAYN->font().bold(), ymd);
      QCOMPARE(withoutAYN->font().bold(), !ymd);
      Tick();
      QCOMPARE(window_->intInputDateType(), ymd ? kInputWithAYN : kInputWithoutAYN);
    }
    const char* groups[][3] = {{"optDee", "optDeeCecil", "Dee:"},
                               {"optDeeCecil", "optDee", "Dee-Cecil:"},
                               {"optMinus", "optPlus", nullptr},  // no handler of their own
                               {"optPlus", "optMinus", nullptr}};
    for (const auto& [option, other, lblDee] : groups) {
      choose(Find<QRadioButton>(option));
      QVERIFY2(!Find<QRadioButton>(other)->isChecked(), other);
      if (lblDee != nullptr) QCOMPARE(Find<QLabel>("lblDee")->text(), QString::fromUtf8(lblDee));
    }
    QVERIFY(messages_.shown.empty());
  }

  void controlsTellAssistiveToolsWhatTheyAre() {
    auto about = [this](const char* control) {
      return QAccessible::queryAccessibleInterface(Find<QWidget>(control));
    };
    // A list is heard by what it holds and what it shows (Qt's bridge passes on no value).
    EnterMonthDayYear(11, 22, "2015", 3, 1);
    const char* named[][2] = {{"cboMonthNames", "Month: November"},
                              {"cboDayNumbers", "Day: 22"},
                              {"cboYearDesADBCetc", "Era: CE"},
                              {"cboCalendar_0", "Calendar or weekday: Gregorian Calendar"},
                              {"cboCalendar_1", "Calendar"},
                              {"cmdClear_0", "Clear input date"},
                              {"cmdClear_1", "Clear amounts"},
                              {"deeOptions", "Dee Calendar version"}};
    for (const auto& [control, name] : named) {
      QCOMPARE(about(control)->text(QAccessible::Name), QString::fromUtf8(name));
    }
    QAccessibleInterface* calendar = about("cboCalendar_0");
    QCOMPARE(calendar->text(QAccessible::Value), QStringLiteral("Gregorian Calendar"));
    QCOMPARE(calendar->role(), QAccessible::ComboBox);
    // The window is a window (it was a filler); an empty legend has no name (it took its
    // frame's, " Input date "); an output box can be read but not edited (it was both).
    QCOMPARE(QAccessible::queryAccessibleInterface(window_.get())->role(), QAccessible::Window);
    QCOMPARE(about("lblCE")->text(QAccessible::Name), QString());
    Tick();
    window_->cmdCalculate_Click();
    QAccessibleInterface* jdn = about("txbJDN");
    QVERIFY(jdn->state().readOnly && !jdn->state().editable);
    QCOMPARE(jdn->textInterface()->text(0, 9), QStringLiteral("2,457,349"));

    // The row a weekday search matched says so, as its bold shows; the next run clears it.
    // November 22, 2015 is a Sunday in the Gregorian calendar and a Saturday in the Julian.
    const char* weekdays[][3] = {{"Sunday", "matches Sunday", ""},
                                 {"Saturday", "", "matches Saturday"}};
    for (const auto& [weekday, gregorian, julian] : weekdays) {
      Find<QComboBox>("cboCalendar_0")->setCurrentText(QString::fromUtf8(weekday));
      Tick();
      window_->cmdCalculate_Click();
      QCOMPARE(about("lblGregorian")->text(QAccessible::Description), QString::fromUtf8(gregorian));
      QCOMPARE(about("lblJulian")->text(QAccessible::Description), QString::fromUtf8(julian));
    }
    QVERIFY(messages_.shown.empty());

    // The maker's address beside the maker's name is the one the online manual lives at.
    const QString maker = Find<QLabel>("lblQX_URL")->text();
    QVERIFY(!maker.isEmpty());
    const QString manual = Find<QLabel>("lblOnlineUserManual")->toolTip();
    QVERIFY2(manual.contains(" " + maker + "/"), qPrintable(manual + " | " + maker));

    // The footer's links follow Quit in the tab order and are heard as links to their pages.
    // They used to be plain labels that only a mouse could reach.
    QStringList afterQuit;
    for (QWidget* w = Find<QWidget>("cmdQuit")->nextInFocusChain(); w != window_.get();
         w = w->nextInFocusChain()) {
      if (w->focusPolicy() & Qt::TabFocus) afterQuit << w->objectName();
    }
    QCOMPARE(afterQuit.mid(0, 3),
             (QStringList{"lblOnlineUserManual", "lblVostrelSystems", "lblQX_URL"}));
    const std::pair<const char*, std::string> links[] = {
        {"lblOnlineUserManual", OnlineUserManualAddress()},
        {"lblVostrelSystems", MakerWebSite()},
        {"lblQX_URL", MakerWebSite()}};
    for (const auto& [link, address] : links) {
      QCOMPARE(about(link)->role(), QAccessible::Link);
      QCOMPARE(about(link)->text(QAccessible::Name), Find<QLabel>(link)->text());
      QCOMPARE(about(link)->text(QAccessible::Description), QString::fromStdString(address));
    }
  }

  // Switching the Dee variant recalculates a shown result; a Dee date typed in the input
  // keeps its numbers under the new designator, so it names another day.
  void deeSwitchRecalculates() {
    EnterYearMonthDay("2015-11-22 CE");
    Tick(3);
    Find<QPushButton>("cmdCalculate")->click();
    Find<QRadioButton>("optDee")->click();
    QCOMPARE(Text("txbOutputDEEwithAYN"), QStringLiteral("2015-11-23 D"));
    QCOMPARE(Text("txbJDN"), QStringLiteral("2,457,349"));
    Find<QRadioButton>("optDeeCecil")->click();
    QCOMPARE(Text("txbOutputDEEwithAYN"), QStringLiteral("2015-11-22 DC"));

    EnterYearMonthDay("2015-11-22 DC");
    Tick(3);
    Find<QPushButton>("cmdCalculate")->click();
    Find<QRadioButton>("optDee")->click();
    QCOMPARE(Text("txbYearCEJC"), QStringLiteral("2015-11-22 D"));
    QCOMPARE(Find<QComboBox>("cboCalendar_1")->currentText(), QStringLiteral("Proleptic Dee"));
    QCOMPARE(Text("txbJDN"), QStringLiteral("2,457,348"));
    QVERIFY(messages_.shown.empty());
  }

  // A locale grouping with a narrow no-break space: the years the runs write back into both
  // year boxes must pass the next run, and the Dee switch's recalculation (we used to say
  // "Invalid input date" and "Invalid year value").
  void groupedYearsReadBackInTheLocale() {
    OverrideNumberSymbols("\u202F");
    EnterYearMonthDay("12345-01-05 CE");
    Tick(3);
    window_->cmdCalculate_Click();
    QCOMPARE(Text("txbYearCEJC"), QStringLiteral("12\u202F345-01-05 CE"));
    window_->cmdCalculate_Click();
    Find<QRadioButton>("optDee")->click();
    QCOMPARE(Text("txbJDN"), QStringLiteral("6\u202F229\u202F983"));

    EnterMonthDayYear(1, 5, "12345", 3, 1);
    Tick();
    window_->cmdCalculate_Click();
    QCOMPARE(Text("txbYearADBCetc"), QStringLiteral("12\u202F345"));
    window_->cmdCalculate_Click();
    QCOMPARE(Text("txbJDN"), QStringLiteral("6\u202F229\u202F983"));
    QVERIFY(messages_.shown.empty());
  }

  // On each colour the focus shows as a white band just outside the focused control; white
  // stands at least 9:1 against every colour of the cycle. The style's own marks were drawn
  // in a colour near the window's (#760F86 on #800080 around an option) or as a faint line.
  void fiveDoubleClicksReturnToStartColour() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    const char* focused[] = {"optDee", "cmdToday", "cboMonthNames", "lblVostrelSystems"};
    for (uint32_t colour : {0x701070u, 0x602060u, 0x503050u, 0x404040u, 0x800080u}) {
      QTest::mouseDClick(window_.get(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
      QCOMPARE(window_->lngBackColor(), colour);
      for (const char* name : focused) {
        QWidget* control = Find<QWidget>(name);
        control->setFocus();
        const QImage shot = window_->grab().toImage();
        const QPoint band = control->mapTo(window_.get(), QPoint(-2, control->height() / 2));
        QVERIFY2(QColor(shot.pixel(band)) == Qt::white, name);
      }
    }
    // A double-click on a control is not one on the window.
    QTest::mouseDClick(Find<QLabel>("Label3"), Qt::LeftButton);
    QCOMPARE(window_->lngBackColor(), 0x800080u);
  }

  // The links open through the shell and the settings go to the store the window was handed.
  void linksAndSettingsGoThroughTheHandedInServices() {
    QTest::mouseClick(Find<QLabel>("lblOnlineUserManual"), Qt::LeftButton);
    QTest::keyClick(Find<QLabel>("lblVostrelSystems"), Qt::Key_Return);
    QCOMPARE(shell_.targets, (std::vector<std::string>{OnlineUserManualAddress(), MakerWebSite()}));
    QVERIFY(registry_.values.empty());
    window_->cmdQuit_Click();
    QCOMPARE(registry_.values.at("Dee"), std::string("DC"));
    QVERIFY(messages_.shown.empty());
  }

  // F1 and Ctrl+Q act as Help and Quit (settings saved) from every window; Escape closes a
  // listing window or the viewer as its Close does, never the main window.
  void keysOpenAndCloseWindows_data() {
    QTest::addColumn<QStringList>("opened");  // before the key
    QTest::addColumn<QString>("active");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QStringList>("shown");  // after it
    const QKeySequence f1(Qt::Key_F1), escape(Qt::Key_Escape), quit(Qt::CTRL | Qt::Key_Q);
    QTest::newRow("F1") << QStringList() << "frmMain" << f1 << QStringList{"frmMain", "frmView"};
    QTest::newRow("F1 in a listing") << QStringList{"frmDateSequence"} << "frmDateSequence" << f1
                                     << QStringList{"frmDateSequence", "frmMain", "frmView"};
    QTest::newRow("Escape in the viewer")
        << QStringList{"frmView"} << "frmView" << escape << QStringList{"frmMain"};
    QTest::newRow("Escape in a listing")
        << QStringList{"frmDateSequence", "frmView"} << "frmDateSequence" << escape
        << QStringList{"frmMain", "frmView"};
    QTest::newRow("Escape in the main window")
        << QStringList() << "frmMain" << escape << QStringList{"frmMain"};
    // The program ends with the main window (here, with no event loop, the listing stays).
    QTest::newRow("Ctrl+Q") << QStringList() << "frmMain" << quit << QStringList();
    QTest::newRow("Ctrl+Q in a listing") << QStringList{"frmDateSequence"} << "frmDateSequence"
                                         << quit << QStringList{"frmDateSequence"};
  }
  void keysOpenAndCloseWindows() {
    QFETCH(QStringList, opened);
    QFETCH(QString, active);
    QFETCH(QKeySequence, key);
    QFETCH(QStringList, shown);
    Tick();  // the notation of today's date is in use
    if (opened.contains("frmView")) window_->cmdHelp_Click();
    if (opened.contains("frmDateSequence")) window_->cmdDateSequence_Click();
    auto* target = active == "frmMain" ? window_.get() : window_->findChild<QWidget*>(active);
    target->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(target));
    QTest::keySequence(target, key);
    QStringList visible;
    QTest::qWait(20);  // the viewer reads its file once it is shown
    for (const QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible()) visible << w->objectName();
    }
    visible.sort();
    QCOMPARE(visible, shown);
    QCOMPARE(registry_.values.empty(), shown.contains("frmMain"));  // saved when it quit
    QVERIFY(messages_.shown.empty());
  }

  // Years 1 and 4000 open the vernal equinox window from the input year; Close hides it, and
  // the next press shows the same window with its table.
  void vernalEquinoxesTakeYears1To4000_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("year");  // 0: rejected
    QTest::newRow("year 0") << "0-03-01 CE" << 0;
    QTest::newRow("year 4001") << "4001-03-01 CE" << 0;
    QTest::newRow("year 1") << "1-03-01 CE" << 1;
    QTest::newRow("year 4000") << "4000-03-01 CE" << 4000;
  }
  void vernalEquinoxesTakeYears1To4000() {
    QFETCH(QString, input);
    QFETCH(int, year);
    EnterYearMonthDay(input);
    Tick(3);
    auto* button = Find<QPushButton>("cmdVernalEquinoxes");
    QVERIFY(button->isEnabled());
    button->click();
    if (year == 0) {
      QVERIFY((messages_.shown ==
               std::vector<Message>{{"Vernal equinoxes are calculated only for years in the "
                                     "range 1 through 4000.",
                                     "Out of range", Icon::Information}}));
      return;
    }
    QVERIFY(messages_.shown.empty());
    QVERIFY(window_->lngJDN() != 0);
    auto* equinoxes = window_->findChild<VernalEquinoxesWindow*>("frmVernalEquinoxes");
    QVERIFY(equinoxes != nullptr && equinoxes->isVisible());
    equinoxes->cmdDoIt_Click();
    auto* output = equinoxes->findChild<QPlainTextEdit*>("txbOutput");
    const QString table = output->toPlainText();
    QVERIFY(table.contains(year == 1 ? "\n   1     " : "\n  4000     "));
    equinoxes->cmdClose_Click();
    button->click();
    QCOMPARE(window_->findChild<VernalEquinoxesWindow*>("frmVernalEquinoxes"), equinoxes);
    QVERIFY(equinoxes->isVisible());
    QCOMPARE(output->toPlainText(), table);
  }
};

}  // namespace clvt

QTEST_MAIN(clvt::MainWindowTest)
#include "main_window_test.moc"
