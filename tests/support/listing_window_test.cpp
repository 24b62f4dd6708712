// What both listing windows do alike, on a probe window built on their scaffold (offscreen):
// copying the listing or its selection with the copy button's two captions, the Enter key,
// the click that activates the window, the focus after a run, and slots that turn an
// exception into a message. Each window's own controls and runs are tested with the window.
#include "support/listing_window.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <stdexcept>
#include <string>
#include <vector>

#include "doubles/fake_listing_host.h"
#include "doubles/recording_clipboard.h"
#include "doubles/recording_message_boxes.h"
#include "support/find_control.h"
#include "support/listing_text.h"
#include "support/listing_window_checks.h"

namespace clvt {
namespace {

constexpr ListingWindowShape kProbeShape{
    "frmProbe", "Probe", "txbNumber", "Number", "Probe listing", 2000, 40, 600, 4850, 4800};

// Do it writes `next`, keeping the number box's text, or throws when `fail` is set.
class ProbeWindow : public ListingWindow {
 public:
  ProbeWindow(ListingHost& host, MessageBoxes& messages, Clipboard& clipboard)
      : ListingWindow(kProbeShape, host, messages, clipboard, nullptr) {
    SetTabOrder({});
    FormLoad(QStringLiteral("3"));
  }
  ListingRun next;
  bool fail = false;
  int runs = 0;

 protected:
  void DoIt() override {
    ++runs;
    if (fail) throw std::runtime_error("no memory");
    next.changed = true;
    next.numberBox = numberBox_->text().toStdString();
    WriteRun(next);
  }
};

}  // namespace

class ListingWindowTest : public QObject {
  Q_OBJECT

 private:
  FakeListingHost host_;
  RecordingMessageBoxes messages_;
  RecordingClipboard clipboard_;
  QPointer<ProbeWindow> window_;

  template <typename T>
  T* Control(const char* name) {
    return testing::FindControl<T>(window_.data(), name);
  }
  QLineEdit* NumberBox() { return Control<QLineEdit>("txbNumber"); }
  QPlainTextEdit* Output() { return Control<QPlainTextEdit>("txbOutput"); }
  QPushButton* CopyButton() { return Control<QPushButton>("cmdCopyToClipboard"); }
  void DoIt(const std::string& text) {
    window_->next = {};
    window_->next.text = text;
    QTest::mouseClick(Control<QPushButton>("cmdDoIt"), Qt::LeftButton);
  }

 private slots:
  void init() {
    messages_ = {};
    clipboard_ = {};
    window_ = new ProbeWindow(host_, messages_, clipboard_);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }
  void cleanup() { delete window_; }

  void copiesTheListingOrTheSelection() {
    CopyButton()->click();
    QCOMPARE(clipboard_.clears + clipboard_.sets, 0);  // empty listing: left alone
    QVERIFY(Control<QPushButton>("cmdClear")->hasFocus());

    DoIt("line 1\nline 2\nline 3\n");
    CopyButton()->click();
    QCOMPARE(clipboard_.text, std::string("line 1\nline 2\nline 3\n"));

    // Select two lines with the keyboard: the button widens at once. It used to follow only
    // the mouse, and kept "Copy to clipboard" while copying the selection.
    Output()->setTextCursor(QTextCursor(Output()->document()->findBlockByNumber(1)));
    QTest::keyClick(Output(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(Output(), Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(CopyButton()->text(), QString("Copy selected text to clipboard"));
    QCOMPARE(CopyButton()->width(), 267);

    CopyButton()->click();
    QCOMPARE(clipboard_.text, std::string("line 2\nline 3"));
    QCOMPARE(CopyButton()->text(), QString("Copy to clipboard"));
    QCOMPARE(CopyButton()->width(), 200);

    // A click inside a selection clears it on the release; we used to read the selection
    // before that and keep the wide caption.
    testing::ClickInsideSelection(Output());
    QVERIFY(!Output()->textCursor().hasSelection());
    QCOMPARE(CopyButton()->text(), QString("Copy to clipboard"));
    QCOMPARE(CopyButton()->width(), 200);

    // A run clears the selection, and the caption says so again: a run started by Enter after
    // a selection used to keep the wide caption while a copy took everything.
    QTest::keyClick(Output(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(CopyButton()->text(), QString("Copy selected text to clipboard"));
    window_->next.text = "line 4\n";
    QTest::keyClick(NumberBox(), Qt::Key_Return);
    QVERIFY(!Output()->textCursor().hasSelection());
    QCOMPARE(CopyButton()->text(), QString("Copy to clipboard"));
  }

  void enterInTheNumberBoxRunsOnce() {
    QTest::keyClick(NumberBox(), Qt::Key_Return);
    QCOMPARE(window_->runs, 1);
    // An Enter that went down elsewhere (in a message box, closing it) runs nothing here.
    QTest::keyRelease(NumberBox(), Qt::Key_Return);
    QCOMPARE(window_->runs, 1);
    // Return presses the focused button.
    DoIt("line\n");
    QTest::keyClick(Control<QPushButton>("cmdClear"), Qt::Key_Return);
    QVERIFY(Output()->toPlainText().isEmpty());
    QVERIFY(NumberBox()->hasFocus());
  }

  // A run hands the focus back to the number box, unless it filled the listing.
  void runThatFillsTheListingKeepsTheFocus() {
    window_->next.text = "first\n";
    window_->next.replace = true;
    window_->cmdDoIt_Click();
    QCOMPARE(Output()->toPlainText(), QString("first\n"));
    QVERIFY(NumberBox()->hasFocus());

    CopyButton()->setFocus();
    window_->next = {};
    window_->next.text = "second\n";
    window_->next.stoppedFull = true;
    window_->next.closingMessage = TextboxFullMessage();
    window_->cmdDoIt_Click();
    QCOMPARE(Output()->toPlainText(), QString("first\nsecond\n"));
    QCOMPARE(messages_.shown, std::vector<Message>{TextboxFullMessage()});
    QVERIFY(CopyButton()->hasFocus());
  }

  void clickThatActivatesTheWindowPressesItsButton() {
    // Activation used to move the focus to the number box and so cancel the press.
    QWidget other;
    QVERIFY(testing::ClickActivating(Control<QPushButton>("cmdDoIt"), &other));
    QCOMPARE(window_->runs, 1);
    QVERIFY(testing::ClickActivating(Control<QPushButton>("cmdClose"), &other));
    QVERIFY(!window_->isVisible());
  }

  void exceptionInAButtonBecomesAMessage() {
    // Assistive tools used to get a filler here.
    QCOMPARE(QAccessible::queryAccessibleInterface(window_)->role(), QAccessible::Window);
    window_->fail = true;
    QTest::mouseClick(Control<QPushButton>("cmdDoIt"), Qt::LeftButton);
    QCOMPARE(messages_.shown,
             (std::vector<Message>{{"Unexpected error: no memory", "Calvantis", Icon::Critical}}));
    QVERIFY(window_->isVisible());
  }
};

}  // namespace clvt

QTEST_MAIN(clvt::ListingWindowTest)
#include "listing_window_test.moc"
