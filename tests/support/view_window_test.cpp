// The text viewer's wiring: what it shows of a file, its messages, Close and the close box,
// the copy button and the help window's place.
#include "support/view_window.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include <string>

#include "doubles/recording_clipboard.h"
#include "doubles/recording_message_boxes.h"
#include "platform/brevik/brevik.h"
#include "support/listing_window_checks.h"
#include "support/scratch_dir.h"
#include "support/view_text.h"

namespace clvt {

class ViewWindowTest : public QObject {
  Q_OBJECT

 private:
  testing::ScratchDir dir_;
  RecordingMessageBoxes messages_;
  RecordingClipboard clipboard_;

  // Shows viewer and lets it read its file.
  static void Show(ViewWindow& viewer) {
    viewer.show();
    QCoreApplication::processEvents();
  }
  QPushButton* Button(ViewWindow& viewer, const char* name) {
    return viewer.findChild<QPushButton*>(QString::fromLatin1(name));
  }

 private slots:
  void initTestCase() {
    const std::string texts = dir_.Write(
        "texts.dat", "13 Empty title\n16 no-such-help-file.txt\n17 Empty text\n36 Help caption\n");
    QVERIFY(lt(texts.c_str(), 0) >= 1);
  }

  void init() {
    messages_.shown.clear();
    clipboard_ = {};
  }

  // A file too long for the text box is cut between the notes (their text is checked on
  // TextForTextBox); the box keeps line ends as "\n" and shows the top.
  void showsALongFileCutWithTheCursorAtTheTop() {
    ViewWindow viewer(messages_, clipboard_);
    const std::string file(65530, 'a');
    viewer.strFilename = dir_.Write("65530.txt", file);
    Show(viewer);
    const std::u32string shown = TextForTextBox(std::u32string(file.begin(), file.end()));
    QCOMPARE(viewer.txbText1()->toPlainText(),
             QString::fromStdU32String(shown).replace("\r\n", "\n"));
    QCOMPARE(viewer.txbText1()->textCursor().position(), 0);
    QVERIFY(viewer.blnFileDisplayed());
    QVERIFY(messages_.shown.empty());
  }

  void emptyFileGivesItsMessageAndHides() {
    ViewWindow viewer(messages_, clipboard_);
    viewer.strFilename = dir_.Write("empty.txt", "");
    Show(viewer);
    QVERIFY((messages_.shown ==
             std::vector<Message>{{"Empty text", "Empty title", Icon::Exclamation}}));
    QVERIFY(viewer.isHidden());
    QVERIFY(!viewer.blnFileDisplayed());
  }

  void closeKeepsTheTextAndTheCloseBoxRereads() {
    ViewWindow viewer(messages_, clipboard_);
    viewer.strFilename = dir_.Write("changing.txt", "first");
    Show(viewer);
    dir_.Write("changing.txt", "second");

    QTest::keyClick(Button(viewer, "cmdClose"), Qt::Key_Return);  // as a click
    QVERIFY(viewer.isHidden());
    Show(viewer);
    QCOMPARE(viewer.txbText1()->toPlainText(), QStringLiteral("first"));

    viewer.close();  // the window frame's close box
    QVERIFY(!viewer.blnFileDisplayed());
    Show(viewer);
    QCOMPARE(viewer.txbText1()->toPlainText(), QStringLiteral("second"));
  }

  void selectionChangesTheCopyButtonAndCopiesOnlyTheSelection() {
    ViewWindow viewer(messages_, clipboard_);
    viewer.strFilename = dir_.Write("select.txt", "one\r\ntwo three");
    Show(viewer);
    QPushButton* copy = Button(viewer, "cmdCopyToClipboard");

    QTextCursor cursor = viewer.txbText1()->textCursor();
    cursor.setPosition(2);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    viewer.txbText1()->setTextCursor(cursor);
    QTest::mouseRelease(viewer.txbText1()->viewport(), Qt::LeftButton);
    QCOMPARE(copy->text(), QStringLiteral("Copy selected text to clipboard"));
    QCOMPARE(copy->width(), 295);  // 4425 twips

    QTest::mouseClick(copy, Qt::LeftButton);
    QCOMPARE(clipboard_.text, std::string("e\ntwo"));
    QCOMPARE(clipboard_.clears, 1);
    QCOMPARE(copy->text(), QStringLiteral("Copy to clipboard"));

    viewer.txbText1()->moveCursor(QTextCursor::End);
    QTest::mouseClick(copy, Qt::LeftButton);
    QCOMPARE(clipboard_.text, std::string("one\ntwo three"));

    // A click inside a selection clears it on the release; we used to read the selection
    // before that and keep the wide caption.
    testing::ClickInsideSelection(viewer.txbText1());
    QVERIFY(!viewer.txbText1()->textCursor().hasSelection());
    QCOMPARE(copy->text(), QStringLiteral("Copy to clipboard"));
  }

  void helpIsPlacedOverTheMainWindowAndShownAgainUnchanged() {
    QWidget mainWindow;
    mainWindow.setGeometry(100, 80, 800, 600);
    mainWindow.show();
    ViewWindow viewer(messages_, clipboard_, &mainWindow);
    const std::string help = dir_.Write("help.txt", "Calvantis help");
    viewer.showMinimized();
    QCoreApplication::processEvents();

    ShowHelpText(viewer, mainWindow, help, "Help caption");
    QCoreApplication::processEvents();
    QVERIFY(!viewer.isMinimized());
    QCOMPARE(viewer.frameGeometry().topLeft(),
             mainWindow.frameGeometry().topLeft() + QPoint(7, 25));  // 100 and 380 twips
    QCOMPARE(viewer.size(), mainWindow.size() - QSize(13, 32));      // 200 and 480 twips
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Help caption"));
    QVERIFY(Button(viewer, "cmdCopyToClipboard")->isHidden());
    QCOMPARE(viewer.txbText1()->toPlainText(), QStringLiteral("Calvantis help"));

    QTest::mouseClick(Button(viewer, "cmdClose"), Qt::LeftButton);
    dir_.Write("help.txt", "changed");
    ShowHelpText(viewer, mainWindow, help, "Help caption");
    QCoreApplication::processEvents();
    QCOMPARE(viewer.txbText1()->toPlainText(), QStringLiteral("Calvantis help"));
  }

  void missingHelpFileGivesItsMessageAndTheMainWindowStays() {
    QWidget mainWindow;
    mainWindow.show();
    ShowHelp(mainWindow, messages_, clipboard_);
    QCoreApplication::processEvents();
    QVERIFY((messages_.shown == std::vector<Message>{{"Error 2.  No such file or directory",
                                                      "Error reading file", Icon::Exclamation}}));
    const auto viewers = mainWindow.findChildren<ViewWindow*>();
    QCOMPARE(viewers.size(), 1);
    QVERIFY(viewers[0]->isHidden());
    QVERIFY(mainWindow.isVisible());

    ShowHelp(mainWindow, messages_, clipboard_);  // the same viewer, trying again
    QCoreApplication::processEvents();
    QCOMPARE(mainWindow.findChildren<ViewWindow*>().size(), 1);
    QCOMPARE(messages_.shown.size(), size_t{2});
  }
};

}  // namespace clvt

QTEST_MAIN(clvt::ViewWindowTest)
#include "view_window_test.moc"
