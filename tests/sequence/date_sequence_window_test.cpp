// Wiring of the date sequence window on the offscreen platform: the number box, the messages
// and their order, appending runs, copying, clearing, closing. The text of the listing itself
// is the builder's and is tested there.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>


#include "calendar/calendar.h"
#include "platform/digit_grouping.h"
#include "platform/message_box.h"
#include "platform/recording_clipboard.h"
#include "platform/recording_message_boxes.h"
#include "sequence/date_sequence_window.h"
#include "sequence/sequence_listing.h"

namespace clvt {
namespace {

constexpr int32_t kJDN20151122 = 2457349;

class FakeMainWindow : public DateSequenceHost {
 public:
  int intInputDateType() const override { return inputType; }
  std::string SelectedCalendarText() const override { return calendar; }
  bool GetJDN(const std::string& strCalendar, bool showMessages) override {
    getJDNCalls.push_back(strCalendar + (showMessages ? " +messages" : ""));
    return true;
  }
  int32_t lngJDN() const override { return jdn; }
  int32_t lngTextBoxCapacityInKB() const override { return 63; }
  std::string strDeeCalendarName() const override { return "Dee-Cecil"; }
  std::string strDeeCalendarDesignation() const override { return "DC"; }
  bool DeeSelected() const override { return false; }
  uint32_t lngBackColor() const override { return 0x800080; }
  QWidget* MainWidget() const override { return nullptr; }
  QWidget* OutputFrame() const override { return nullptr; }

  int inputType = 1;
  std::string calendar = "Gregorian";
  int32_t jdn = kJDN20151122;
  std::vector<std::string> getJDNCalls;
};

// A widget with the main window's public operations, for DateSequenceHostOf.
class FakeMainWidget : public QWidget {
 public:
  FakeMainWidget() : frame_(new QWidget(this)) { frame_->setGeometry(10, 200, 300, 100); }
  int intInputDateType() const { return kInputWithoutAYN; }
  std::string SelectedCalendarText() const { return "Julian Calendar"; }
  bool GetJDN(const std::string& strCalendar, bool showMessages) {
    calls.push_back(strCalendar + (showMessages ? " +messages" : ""));
    return true;
  }
  int32_t lngJDN() const { return kJDN20151122; }
  int32_t lngTextBoxCapacityInKB() const { return 63; }
  std::string strDeeCalendarName() const { return "Dee"; }
  std::string strDeeCalendarDesignation() const { return "D"; }
  bool DeeSelected() const { return true; }
  uint32_t lngBackColor() const { return 0x404040; }
  QWidget* OutputFrame() const { return frame_; }

  std::vector<std::string> calls;

 private:
  QWidget* frame_;
};

}  // namespace

class DateSequenceWindowTest : public QObject {
  Q_OBJECT

 private:
  FakeMainWindow host_;
  RecordingMessageBoxes messages_;
  RecordingClipboard clipboard_;
  QPointer<DateSequenceWindow> window_;

  template <typename T>
  T* Control(const char* name) {
    T* control = window_->findChild<T*>(name);
    if (control == nullptr) qFatal("control %s not found", name);
    return control;
  }
  QLineEdit* NumDays() { return Control<QLineEdit>("txbNumDays"); }
  QPlainTextEdit* Output() { return Control<QPlainTextEdit>("txbOutput"); }
  QPushButton* CopyButton() { return Control<QPushButton>("cmdCopyToClipboard"); }
  void DoIt(const QString& days) {
    NumDays()->setText(days);
    QTest::mouseClick(Control<QPushButton>("cmdDoIt"), Qt::LeftButton);
  }
  int ListedDays() { return static_cast<int>(Output()->toPlainText().count(" CE ")); }
  std::string Listing(int days, int64_t held = 0, bool heldCE = false) {
    return BuildSequenceRun({host_.jdn, days, DeeCecilVariant(), false, held, heldCE}).text;
  }

 private slots:
  void initTestCase() {
    OverrideNumberSymbols(",");
    lngDeeEpochJDN = kDeeCecilEpochJDN;
  }

  void init() {
    host_ = FakeMainWindow();
    messages_ = RecordingMessageBoxes();
    clipboard_ = RecordingClipboard();
    window_ = new DateSequenceWindow(host_, messages_, clipboard_);
    window_->show();
  }

  void cleanup() { delete window_; }

  void loadsWithItsCaptionsAndLayout() {
    QCOMPARE(window_->windowTitle(), QString("Date sequence"));
    QCOMPARE(NumDays()->text(), QString("14"));
    QCOMPARE(NumDays()->maxLength(), 3);
    QVERIFY(Output()->toPlainText().isEmpty());
    QVERIFY(Output()->isReadOnly());
    QCOMPARE(Control<QLabel>("lblDates1")->text(), QString("Calculate dates for"));
    QCOMPARE(Control<QLabel>("lblDates2")->text(), QString("days from the input date."));
    QCOMPARE(CopyButton()->text(), QString("Copy to clipboard"));
    QCOMPARE(CopyButton()->geometry(), QRect(16, 323, 200, 24));
    QCOMPARE(Output()->geometry(), QRect(16, 40, 617, 273));
    QCOMPARE(Output()->font().family(), QString("Courier New"));
    QCOMPARE(Control<QPushButton>("cmdDoIt")->font().family(), QString("Arial"));
    QCOMPARE(Control<QLabel>("lblDates1")->palette().color(QPalette::WindowText),
             QColor(Qt::white));
    QCOMPARE(window_->palette().color(QPalette::Window), QColor(128, 0, 128));
    QVERIFY(!NumDays()->accessibleName().isEmpty());
    QVERIFY(!Output()->accessibleName().isEmpty());
    // Tab order follows reading order.
    QStringList order;
    QWidget* w = NumDays();
    do {
      if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
      w = w->nextInFocusChain();
    } while (w != NumDays());
    QCOMPARE(order, (QStringList{"txbNumDays", "cmdDoIt", "txbOutput", "cmdCopyToClipboard",
                                 "cmdClear", "cmdClose"}));
  }

  void numberBox_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("writtenBack");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("message");
    QTest::newRow("leading zeros") << "007" << "007" << 7 << "";
    QTest::newRow("blank before") << " 12" << "12" << 12 << "";
    QTest::newRow("empty") << "" << "" << 0 << "";
    QTest::newRow("zero") << "0" << "0" << 0 << "";
    QTest::newRow("comma") << "1,5" << "1,5" << 0 << "Invalid input for number of days.";
    QTest::newRow("minus") << "-3" << "-3" << 0 << "Invalid input for number of days.";
    QTest::newRow("non-ASCII") << QString::fromUtf8("\xC2\xBD") << QString::fromUtf8("\xC2\xBD")
                               << 0 << "Invalid input for number of days.";
    QTest::newRow("too many") << "801" << "801" << 0 << "Too many days";
  }
  void numberBox() {
    QFETCH(QString, typed);
    QFETCH(QString, writtenBack);
    QFETCH(int, days);
    QFETCH(QString, message);
    DoIt(typed);
    QCOMPARE(NumDays()->text(), writtenBack);
    QCOMPARE(ListedDays(), days);
    if (message.isEmpty()) {
      QVERIFY(messages_.shown.empty());
    } else {
      QCOMPARE(messages_.shown.size(), std::size_t{1});
      QCOMPARE(messages_.shown[0],
               (Message{message.toStdString(), "Do it", Icon::Information}));
      QVERIFY(host_.getJDNCalls.empty());
    }
  }

  void runsFromTheMainWindowsInputAfresh() {
    DoIt("3");
    QCOMPARE(Output()->toPlainText().toStdString(), Listing(3));
    QCOMPARE(host_.getJDNCalls, std::vector<std::string>{"Gregorian"});
    host_.calendar = "Julian";
    host_.jdn = kJDN20151122 + 1;
    DoIt("1");
    QCOMPARE(host_.getJDNCalls.back(), std::string("Julian"));
    QVERIFY(Output()->toPlainText().endsWith("Monday\n"));
  }

  void enterInTheNumberBoxRuns() {
    NumDays()->setText("2");
    QTest::keyClick(NumDays(), Qt::Key_Return);
    QCOMPARE(ListedDays(), 2);
  }

  void secondRunAppendsBelowTheFirst() {
    DoIt("3");
    DoIt("3");
    const std::string first = Listing(3);
    QCOMPARE(Output()->toPlainText().toStdString(),
             first + Listing(3, ListingLength(first), true));
    QCOMPARE(Output()->toPlainText().count("Common Era date"), 1);
  }

  void noNotationInUseListsNothing() {
    host_.inputType = -1;
    DoIt("14");
    QVERIFY(Output()->toPlainText().isEmpty());
    QVERIFY(host_.getJDNCalls.empty());
    QCOMPARE(messages_.shown.size(), std::size_t{1});
    QCOMPARE(messages_.shown[0], (Message{"Please enter an input date in the main window first.",
                                          "Do it", Icon::Information}));
  }

  void fullListingAsksBeforeClearing() {
    // Nine runs of 100 days exceed the capacity; the ninth is cut short.
    for (int i = 0; i < 9; ++i) DoIt("100");
    QVERIFY(!messages_.shown.empty());
    QCOMPARE(messages_.shown.back(), TextboxFullMessage());
    const QString full = Output()->toPlainText();
    QVERIFY(ListingIsFull(ListingLength(full.toStdString())));

    messages_.shown.clear();
    messages_.answers = {false};
    DoIt("5");
    QCOMPARE(messages_.shown.size(), std::size_t{1});
    QCOMPARE(messages_.shown[0], ClearFullTextboxQuestion());
    QCOMPARE(Output()->toPlainText(), full);

    DoIt("5");
    QCOMPARE(Output()->toPlainText().toStdString(), Listing(5));
  }

  void copyWholeListingOrSelection() {
    Control<QPushButton>("cmdCopyToClipboard")->click();
    QCOMPARE(clipboard_.clears + clipboard_.sets, 0);  // empty listing: left alone

    DoIt("3");
    CopyButton()->click();
    QCOMPARE(clipboard_.text, Listing(3));

    // Select the first two day lines, then release the mouse over the listing as a drag
    // would end: the button widens for a selection.
    QTextCursor cursor(Output()->document()->findBlockByNumber(2));
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    Output()->setTextCursor(cursor);
    QTest::mouseRelease(Output()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(CopyButton()->text(), QString("Copy to clipboard"));
    QTest::mouseRelease(Output()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(CopyButton()->text(), QString("Copy selected text to clipboard"));
    QCOMPARE(CopyButton()->width(), 267);

    CopyButton()->click();
    const std::string listing = Listing(3);
    const std::size_t line1 = listing.find("   2015-11-22 CE");
    const std::size_t line3 = listing.find("   2015-11-24 CE");
    QCOMPARE(clipboard_.text, listing.substr(line1, line3 - 1 - line1));
    QCOMPARE(CopyButton()->text(), QString("Copy to clipboard"));
    QCOMPARE(CopyButton()->width(), 200);
  }

  void clearEmptiesTheListing() {
    DoIt("3");
    Control<QPushButton>("cmdClear")->click();
    QVERIFY(Output()->toPlainText().isEmpty());
    QCOMPARE(CopyButton()->text(), QString("Copy to clipboard"));
  }

  void closeHidesAndKeepsTheListing() {
    DoIt("3");
    NumDays()->setText("21");
    Control<QPushButton>("cmdClose")->click();
    QVERIFY(window_ != nullptr);
    QVERIFY(!window_->isVisible());
    window_->show();
    QCOMPARE(Output()->toPlainText().toStdString(), Listing(3));
    QCOMPARE(NumDays()->text(), QString("21"));
  }

  void opensBesideTheMainWindowAndReadsIt() {
    FakeMainWidget mainWidget;
    mainWidget.move(100, 50);
    DateSequenceHostOf<FakeMainWidget> host(mainWidget);
    DateSequenceWindow window(host, messages_, clipboard_);
    // 160 twips right of the main window; 300 twips below the top of its output frame.
    QCOMPARE(window.pos(), QPoint(111, 270));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(64, 64, 64));
    lngDeeEpochJDN = kDeeEpochJDN;
    window.findChild<QLineEdit*>("txbNumDays")->setText("1");
    window.cmdDoIt_Click();
    lngDeeEpochJDN = kDeeCecilEpochJDN;
    QCOMPARE(mainWidget.calls, std::vector<std::string>{"Julian Calendar"});
    QVERIFY(window.findChild<QPlainTextEdit*>("txbOutput")->toPlainText().endsWith(
        "   2015-11-22 CE        2015-11-23 D           2,457,349            Sunday\n"));
  }

  void titleBarCloseDestroysTheWindow() {
    window_->close();
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window_ == nullptr);
  }
};

}  // namespace clvt

QTEST_MAIN(clvt::DateSequenceWindowTest)
#include "date_sequence_window_test.moc"
