// The date sequence window opened from the real main window: the Date sequence button, the
// listing of the main window's current input (compared with clvt's), the message of either
// listing window when the input was cleared meanwhile, and the window's life across Close and
// title-bar closing.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>
#include <sstream>
#include <utility>

#include "cli/commands.h"
#include "doubles/memory_registry.h"
#include "doubles/recording_clipboard.h"
#include "doubles/recording_message_boxes.h"
#include "doubles/recording_shell.h"
#include "equinox/vernal_equinoxes_window.h"
#include "mainwindow/main_window.h"
#include "platform/digit_grouping.h"
#include "sequence/date_sequence_window.h"
#include "sequence/sequence_listing.h"
#include "support/program_text.h"

namespace clvt {

class SequenceMainWindowTest : public QObject {
  Q_OBJECT

 private:
  RecordingMessageBoxes messages_;
  RecordingClipboard clipboard_;
  RecordingShell shell_;
  MemoryRegistry registry_;
  std::unique_ptr<MainWindow> main_;

  DateSequenceWindow* SequenceWindow() {
    return main_->findChild<DateSequenceWindow*>("frmDateSequence");
  }
  QPlainTextEdit* Listing() { return SequenceWindow()->findChild<QPlainTextEdit*>("txbOutput"); }
  void EnterYearMonthDay(const char* text) {
    main_->cmdClear_Click(0);
    main_->findChild<QRadioButton*>("optInputDateWithAYN")->click();
    QTest::keyClicks(main_->findChild<QLineEdit*>("txbYearCEJC"), QString::fromLatin1(text));
    for (int i = 0; i < 3; ++i) main_->Timer1_Timer();
  }
  void DoIt(const char* days) {
    SequenceWindow()->findChild<QLineEdit*>("txbNumDays")->setText(days);
    SequenceWindow()->cmdDoIt_Click();
  }

 private slots:
  void initTestCase() {
    const auto failure = LoadProgramText("clvt.dat");
    QVERIFY2(!failure, failure ? failure->text.c_str() : "");
    OverrideNumberSymbols(",");
  }

  void init() {
    messages_ = RecordingMessageBoxes();
    clipboard_ = RecordingClipboard();
    registry_ = MemoryRegistry();
    main_ = std::make_unique<MainWindow>(Services{messages_, clipboard_, shell_, registry_});
    main_->Start();
    EnterYearMonthDay("2015-11-22 CE");
    messages_.shown.clear();
  }

  void cleanup() { main_.reset(); }

  void listsWhatTheCommandLineToolPrints() {
    QVERIFY(main_->findChild<QPushButton*>("cmdDateSequence")->isEnabled());
    main_->cmdDateSequence_Click();
    QVERIFY(SequenceWindow() != nullptr);
    QVERIFY(SequenceWindow()->isVisible());
    DoIt("28");
    std::ostringstream out;
    std::ostringstream err;
    QCOMPARE(cli::RunSequence({"--days", "28", "2015-11-22 CE"}, out, err), 0);
    QCOMPARE(Listing()->toPlainText().toStdString(), out.str());
    QVERIFY(messages_.shown.empty());
  }

  void eachRunTakesTheInputOfThatMoment() {
    main_->cmdDateSequence_Click();
    EnterYearMonthDay("2016-02-29 CE");
    DoIt("1");
    QVERIFY(Listing()->toPlainText().contains("2016-02-29 CE        2016-03-01 DC"));
    // The main window's text stays as typed; an earlier check must not be written back.
    QCOMPARE(main_->findChild<QLineEdit*>("txbYearCEJC")->text(), QString("2016-02-29 CE"));
    // A text gone invalid lists from the last good day, without a message.
    EnterYearMonthDay("2016-02-30 CE");
    DoIt("1");
    QVERIFY(
        Listing()->toPlainText().endsWith("2016-02-29 CE        2016-03-01 DC          "
                                          "2,457,448            Monday\n"));
    QVERIFY(messages_.shown.empty());
    QCOMPARE(main_->findChild<QLineEdit*>("txbYearCEJC")->text(), QString("2016-02-30 CE"));
  }

  void clearedInputListsNothingInEitherListingWindow() {
    main_->cmdDateSequence_Click();
    main_->cmdVernalEquinoxes_Click();
    auto* equinoxes = main_->findChild<VernalEquinoxesWindow*>("frmVernalEquinoxes");
    QVERIFY(equinoxes != nullptr);
    const QString heading = equinoxes->findChild<QPlainTextEdit*>("txbOutput")->toPlainText();
    main_->cmdClear_Click(0);
    main_->Timer1_Timer();
    DoIt("14");
    QVERIFY(Listing()->toPlainText().isEmpty());
    // The equinox window used to list from year 0.
    equinoxes->cmdDoIt_Click();
    QCOMPARE(equinoxes->findChild<QPlainTextEdit*>("txbOutput")->toPlainText(), heading);
    QCOMPARE(messages_.shown, (std::vector<Message>{NoInputDateMessage(), NoInputDateMessage()}));

    // A weekday chosen in place of a calendar names no day either: the date sequence used to
    // list from the last conversion.
    main_->findChild<QRadioButton*>("optInputDateWithoutAYN")->click();
    for (const auto& [list, position] : {std::pair{"cboMonthNames", 11},
                                         {"cboDayNumbers", 22},
                                         {"cboYearDesADBCetc", 1},
                                         {"cboCalendar_0", 10}}) {
      main_->findChild<QComboBox*>(list)->setCurrentIndex(position);
    }
    QTest::keyClicks(main_->findChild<QLineEdit*>("txbYearADBCetc"), "2015");
    main_->Timer1_Timer();
    DoIt("14");
    QVERIFY(Listing()->toPlainText().isEmpty());
    QCOMPARE(messages_.shown.back(), NoInputDateMessage());
    QCOMPARE(messages_.shown.size(), std::size_t{3});
  }

  void closeKeepsTheWindowTitleBarDestroysIt() {
    main_->cmdDateSequence_Click();
    DoIt("3");
    const QString listing = Listing()->toPlainText();
    QPointer<DateSequenceWindow> first = SequenceWindow();
    first->findChild<QPushButton*>("cmdClose")->click();
    QVERIFY(!first->isVisible());
    main_->cmdDateSequence_Click();
    QCOMPARE(SequenceWindow(), first.data());
    QCOMPARE(Listing()->toPlainText(), listing);

    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    main_->cmdDateSequence_Click();
    QVERIFY(SequenceWindow() != nullptr);
    QVERIFY(Listing()->toPlainText().isEmpty());
    QCOMPARE(SequenceWindow()->findChild<QLineEdit*>("txbNumDays")->text(), QString("14"));
  }
};

}  // namespace clvt

QTEST_MAIN(clvt::SequenceMainWindowTest)
#include "sequence_main_window_test.moc"
