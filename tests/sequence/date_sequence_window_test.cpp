// Wiring of the date sequence window on the offscreen platform: the number box and its
// messages, appending runs, the full listing. The listing text is the builder's and is tested
// there; what both listing windows share (copying, the Enter key) is tested on their scaffold;
// opening, closing and the real main window are tested in sequence_main_window_test.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <vector>

#include "calendar/calendar.h"
#include "doubles/fake_listing_host.h"
#include "doubles/recording_clipboard.h"
#include "doubles/recording_message_boxes.h"
#include "platform/digit_grouping.h"
#include "platform/message_box.h"
#include "sequence/date_sequence_window.h"
#include "sequence/sequence_listing.h"
#include "support/find_control.h"
#include "support/listing_window_checks.h"

namespace clvt {
namespace {

constexpr int32_t kJDN20151122 = 2457349;

}  // namespace

class DateSequenceWindowTest : public QObject {
  Q_OBJECT

 private:
  FakeListingHost host_;
  RecordingMessageBoxes messages_;
  RecordingClipboard clipboard_;
  QPointer<DateSequenceWindow> window_;

  template <typename T>
  T* Control(const char* name) {
    return testing::FindControl<T>(window_.data(), name);
  }
  QLineEdit* NumDays() { return Control<QLineEdit>("txbNumDays"); }
  QPlainTextEdit* Output() { return Control<QPlainTextEdit>("txbOutput"); }
  QPushButton* CopyButton() { return Control<QPushButton>("cmdCopyToClipboard"); }
  void DoIt(const QString& days) {
    NumDays()->setText(days);
    QTest::mouseClick(Control<QPushButton>("cmdDoIt"), Qt::LeftButton);
  }
  int ListedDays() { return static_cast<int>(Output()->toPlainText().count(" CE ")); }
  std::string Listing(int days, int64_t held = 0, bool heldRun = false) {
    SequenceRequest request;
    request.numberBox = std::to_string(days);
    request.heldLength = held;
    request.heldRun = heldRun;
    request.start = [this] { return host_.jdn; };
    RecordingMessageBoxes silent;
    return RunDateSequence(request, silent).text;
  }

 private slots:
  void initTestCase() { OverrideNumberSymbols(","); }

  void init() {
    host_ = FakeListingHost();
    host_.jdn = kJDN20151122;
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
    QVERIFY(Output()->isReadOnly());
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
    QTest::newRow("blank before") << " 12"
                                  << "12" << 12 << "";
    QTest::newRow("zero") << "0"
                          << "0" << 0 << "";
    QTest::newRow("too many") << "801"
                              << "801" << 0 << "Too many days";
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
      QCOMPARE(messages_.shown[0], (Message{message.toStdString(), "Do it", Icon::Information}));
      QCOMPARE(host_.jdnReads, 0);
    }
  }

  void enterRunsFromTheMainWindowsDayOfTheMoment() {
    NumDays()->setText("2");
    QTest::keyClick(NumDays(), Qt::Key_Return);
    QCOMPARE(ListedDays(), 2);
    QCOMPARE(host_.jdnReads, 1);
  }

  void secondRunAppendsBelowTheFirst() {
    DoIt("3");
    DoIt("3");
    const std::string first = Listing(3);
    QCOMPARE(Output()->toPlainText().toStdString(), first + Listing(3, ListingLength(first), true));
    QCOMPARE(Output()->toPlainText().count("Common Era date"), 1);
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

  void longestLinesShowWhole() {
    // From a one-digit JDN the first day fixes the widest weekday padding, and the third day
    // is a Wednesday: 86 columns in either Dee variant. The largest JDNs are grouped widest.
    for (const bool dee : {false, true}) {
      host_.dee = dee ? kDeeVariant : kDeeCecilVariant;
      for (const int32_t start : {0, INT32_MAX - 2, INT32_MIN}) {
        host_.jdn = start;
        DoIt("3");
      }
    }
    QVERIFY(Output()->toPlainText().contains("2                    Wednesday\n"));
    QVERIFY(testing::ShowsLinesWhole(Output()));
  }
};

}  // namespace clvt

QTEST_MAIN(clvt::DateSequenceWindowTest)
#include "date_sequence_window_test.moc"
