#include "support/view_window.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include <string>

#include "platform/brevik/brevik.h"
#include "platform/recording_clipboard.h"
#include "platform/recording_message_boxes.h"
#include "support/scratch_dir.h"

namespace clvt {
namespace {

const QString kFirstNote = QStringLiteral(
    "NOTE: This file is too large to display entirely in this textbox.\n"
    "To view the entire contents of the file load it into NotePad,\n"
    "WordPad or some other text editor.\n\n");
const QString kSecondNote = QStringLiteral("NOTE: Entire contents of file have not been displayed.\n");

constexpr int kTwipsPerPixel = 15;

}  // namespace

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
    const std::string texts = dir_.Write("texts.dat", "13 Empty title\n16 no-such-help-file.txt\n17 Empty text\n36 Help caption\n");
    QVERIFY(lt(texts.c_str(), 0) >= 1);
  }

  void init() {
    messages_.shown.clear();
    clipboard_ = {};
  }

  void showsFileBelowTheLimitWhole() {
    ViewWindow viewer(messages_, clipboard_);
    viewer.strFilename = dir_.Write("65529.txt", std::string(65529, 'x'));
    Show(viewer);
    QCOMPARE(viewer.txbText1()->toPlainText(), QString(65529, QLatin1Char('x')));
    QVERIFY(viewer.txbText1()->isReadOnly());
    QVERIFY(viewer.txbText1()->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    QVERIFY(viewer.blnFileDisplayed());
    QVERIFY(messages_.shown.empty());
  }

  void cutsFileAtTheLimitBetweenTheNotes() {
    ViewWindow viewer(messages_, clipboard_);
    viewer.strFilename = dir_.Write("65530.txt", std::string(65306, 'a') + std::string(224, 'b'));
    Show(viewer);
    // The text box keeps line ends as "\n".
    QCOMPARE(viewer.txbText1()->toPlainText(),
             kFirstNote + QString(65306, QLatin1Char('a')) + QStringLiteral("\n") + kSecondNote);
    QCOMPARE(viewer.txbText1()->textCursor().position(), 0);
  }

  void emptyFileGivesItsMessageAndHides() {
    ViewWindow viewer(messages_, clipboard_);
    viewer.strFilename = dir_.Write("empty.txt", "");
    Show(viewer);
    QCOMPARE(messages_.shown.size(), size_t{1});
    QVERIFY((messages_.shown[0] ==
             Message{"Empty text", "Empty title", Icon::Exclamation, Buttons::Ok}));
    QVERIFY(viewer.isHidden());
    QVERIFY(!viewer.blnFileDisplayed());
    QVERIFY(viewer.txbText1()->toPlainText().isEmpty());
  }

  void missingFileGivesTheReadErrorAndHides() {
    ViewWindow viewer(messages_, clipboard_);
    viewer.strFilename = dir_.Path("missing.txt");
    Show(viewer);
    QCOMPARE(messages_.shown.size(), size_t{1});
    QVERIFY((messages_.shown[0] == Message{"Error 2.  No such file or directory",
                                           "Error reading file", Icon::Exclamation, Buttons::Ok}));
    QVERIFY(viewer.isHidden());
  }

  void closeKeepsTheTextAndTheCloseBoxRereads() {
    ViewWindow viewer(messages_, clipboard_);
    viewer.strFilename = dir_.Write("changing.txt", "first");
    Show(viewer);
    dir_.Write("changing.txt", "second");

    QTest::mouseClick(Button(viewer, "cmdClose"), Qt::LeftButton);
    QVERIFY(viewer.isHidden());
    Show(viewer);
    QCOMPARE(viewer.txbText1()->toPlainText(), QStringLiteral("first"));

    viewer.close();  // the window frame's close box
    QVERIFY(!viewer.blnFileDisplayed());
    Show(viewer);
    QCOMPARE(viewer.txbText1()->toPlainText(), QStringLiteral("second"));
  }

  void smallSizesSnapBackAndButtonsFollowTheTextBox() {
    ViewWindow viewer(messages_, clipboard_);
    viewer.strFilename = dir_.Write("small.txt", "text");
    Show(viewer);
    viewer.resize(20, 10);
    QCoreApplication::processEvents();
    // Outer size at least 8000 x 2000 twips: the client area plus the frame of 8 x 27 pixels.
    QVERIFY((viewer.width() + 8) * kTwipsPerPixel >= 8000);
    QVERIFY((viewer.height() + 27) * kTwipsPerPixel >= 2000);
    QVERIFY(viewer.width() < 540 && viewer.height() < 120);

    const QRect text = viewer.txbText1()->geometry();
    const QRect copy = Button(viewer, "cmdCopyToClipboard")->geometry();
    const QRect close = Button(viewer, "cmdClose")->geometry();
    QCOMPARE(copy.top(), text.bottom() + 1 + 7);  // 100 twips
    QCOMPARE(close.top(), copy.top());
    QCOMPARE(copy.left(), text.left());
    QCOMPARE(close.right(), text.right());
    QCOMPARE(close.width(), 116);  // 1740 twips
  }

  void selectionChangesTheCopyButtonAndCopiesOnlyTheSelection() {
    ViewWindow viewer(messages_, clipboard_);
    viewer.strFilename = dir_.Write("select.txt", "one\r\ntwo three");
    Show(viewer);
    QPushButton* copy = Button(viewer, "cmdCopyToClipboard");
    QCOMPARE(copy->width(), 218);  // 3270 twips

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
    QCOMPARE(copy->width(), 218);

    viewer.txbText1()->moveCursor(QTextCursor::End);
    QTest::mouseClick(copy, Qt::LeftButton);
    QCOMPARE(clipboard_.text, std::string("one\ntwo three"));
  }

  void hiddenCopyButtonIgnoresSelections() {
    ViewWindow viewer(messages_, clipboard_);
    viewer.strFilename = dir_.Write("help.txt", "help text");
    viewer.blnCopyToClipboardInvisible = true;
    Show(viewer);
    QPushButton* copy = Button(viewer, "cmdCopyToClipboard");
    QVERIFY(copy->isHidden());
    viewer.txbText1()->selectAll();
    QTest::mouseRelease(viewer.txbText1()->viewport(), Qt::LeftButton);
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
    QCOMPARE(viewer.size(), mainWindow.size() - QSize(13, 32));     // 200 and 480 twips
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Help caption"));
    QVERIFY(Button(viewer, "cmdCopyToClipboard")->isHidden());
    QCOMPARE(viewer.txbText1()->font().pointSizeF(), 10.0);
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
    QCOMPARE(messages_.shown.size(), size_t{1});
    QCOMPARE(messages_.shown[0].text, std::string("Error 2.  No such file or directory"));
    QCOMPARE(messages_.shown[0].title, std::string("Error reading file"));
    const auto viewers = mainWindow.findChildren<ViewWindow*>();
    QCOMPARE(viewers.size(), 1);
    QVERIFY(viewers[0]->isHidden());
    QCOMPARE(viewers[0]->windowTitle(), QStringLiteral("Help caption"));
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
