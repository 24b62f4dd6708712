// Wiring of the vernal equinox window on the offscreen platform: the heading on activation,
// a run from the main window's year, clearing, hiding and closing. What it shares with the
// date sequence window (copying, the Enter key) is tested on their scaffold.
// The table's text is the builder's and is tested there.
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "cli/commands.h"
#include "doubles/fake_listing_host.h"
#include "doubles/recording_clipboard.h"
#include "doubles/recording_message_boxes.h"
#include "equinox/equinox_table.h"
#include "equinox/vernal_equinoxes_window.h"
#include "platform/digit_grouping.h"
#include "support/find_control.h"
#include "support/listing_window_checks.h"

namespace clvt {
namespace {

// Records, with every message, the table as it stands while the message is up.
class TableAtMessage : public RecordingMessageBoxes {
 public:
  bool Show(const Message& message) override {
    tables.push_back(table ? table() : QString());
    return RecordingMessageBoxes::Show(message);
  }
  std::function<QString()> table;
  std::vector<QString> tables;
};

}  // namespace

class VernalEquinoxesWindowTest : public QObject {
  Q_OBJECT

 private:
  FakeListingHost host_;
  TableAtMessage messages_;
  RecordingClipboard clipboard_;
  QPointer<VernalEquinoxesWindow> window_;

  template <typename T>
  T* Find(const char* name) {
    return testing::FindControl<T>(window_.data(), name);
  }
  QString Table() { return Find<QPlainTextEdit>("txbOutput")->toPlainText(); }
  QString Spoken(const char* list) {
    return QAccessible::queryAccessibleInterface(Find<QComboBox>(list))->text(QAccessible::Name);
  }

  // The table clvt prints for the same input: heading, lines, summary.
  static QString Expected(int32_t year, const char* years) {
    std::ostringstream out;
    std::ostringstream err;
    cli::RunEquinox({"--years", years, std::to_string(year)}, out, err);
    return QString::fromStdString(out.str());
  }

  void Open() {
    if (window_ == nullptr) window_ = new VernalEquinoxesWindow(host_, messages_, clipboard_);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }

 private slots:
  void init() {
    OverrideNumberSymbols(",", ".");
    host_ = FakeListingHost();
    host_.year = 2024;
    messages_ = {};
    messages_.table = [this] { return Table(); };
    clipboard_ = {};
    Open();
  }
  void cleanup() { delete window_; }

  void startsWithTheDefaultsAndWritesTheHeading() {
    QCOMPARE(window_->windowTitle(), QString("Vernal equinoxes"));
    // Nothing follows a change of size: it could cut off Do it and Close.
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QCOMPARE(Find<QLineEdit>("txbNumYears")->text(), QString("12"));
    // Assistive tools hear which list it is and its value.
    QCOMPARE(Spoken("cboDegrees"), QString("Degrees: 77"));
    QCOMPARE(Spoken("cboMinutes"), QString("Minutes: 0"));
    QVERIFY(Find<QRadioButton>("optApparentST")->isChecked());
    QCOMPARE(Table(), QString::fromStdString(EquinoxHeading("Dee-Cecil")));
    QVERIFY(Find<QLineEdit>("txbNumYears")->hasFocus());
  }

  void enterRunsFromTheMainWindowsYearOfTheMoment() {
    host_.year = 1999;
    QLineEdit* box = Find<QLineEdit>("txbNumYears");
    box->setText(QString(" 2 "));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->text(), QString("2"));
    QCOMPARE(Table(), Expected(1999, "2"));
    // The next run is separated from this one by an empty line.
    host_.year = 2024;
    QTest::keyClick(box, Qt::Key_Return);
    const auto heading = static_cast<qsizetype>(EquinoxHeading("Dee-Cecil").size());
    QCOMPARE(Table(), Expected(1999, "2") + "\n" + Expected(2024, "2").mid(heading));
    // Clear writes the heading again.
    QTest::keyClick(Find<QPushButton>("cmdClear"), Qt::Key_Return);
    QCOMPARE(Table(), QString::fromStdString(EquinoxHeading("Dee-Cecil")));
  }

  void messagesFollowTheLinesTheyEndAndAFullTableAsksBeforeClearing() {
    // We used to show them before writing the lines.
    host_.year = 3995;
    QTest::mouseClick(Find<QPushButton>("cmdDoIt"), Qt::LeftButton);
    QCOMPARE(messages_.shown, std::vector<Message>{VEOutOfRangeMessage()});
    QVERIFY(messages_.tables[0].contains("\n  4000     "));

    // 800 years from year 1 nearly fill the table; the next 800 from 801 fill it.
    QTest::mouseClick(Find<QPushButton>("cmdClear"), Qt::LeftButton);
    Find<QLineEdit>("txbNumYears")->setText("800");
    for (const int32_t year : {1, 801}) {
      host_.year = year;
      QTest::mouseClick(Find<QPushButton>("cmdDoIt"), Qt::LeftButton);
    }
    QCOMPARE(messages_.shown.back(), TextboxFullMessage());
    QCOMPARE(messages_.shown.size(), std::size_t{2});
    QCOMPARE(messages_.tables.back(), Table());
    QVERIFY(Table().contains("\n  801     "));
    QVERIFY(!Table().contains("\n  1600     "));

    const QString full = Table();
    messages_.answers = {false};
    QTest::mouseClick(Find<QPushButton>("cmdDoIt"), Qt::LeftButton);
    QCOMPARE(messages_.shown.back(), ClearFullTextboxQuestion());
    QCOMPARE(Table(), full);
    messages_.answers = {true};
    Find<QLineEdit>("txbNumYears")->setText("1");
    host_.year = 2024;
    QTest::mouseClick(Find<QPushButton>("cmdDoIt"), Qt::LeftButton);
    QCOMPARE(Table(), Expected(2024, "1"));
  }

  void longestLinesShowWhole() {
    // Marked lines are the longest: 84 columns for 1 to 4000, 104 for a year from -1,000,000
    // down, which a run lists when the main window's year was changed after opening.
    QLineEdit* box = Find<QLineEdit>("txbNumYears");
    box->setText("1");
    for (const int32_t year : {3992, -1000000, -1242694}) {
      host_.year = year;
      QTest::keyClick(box, Qt::Key_Return);
    }
    QVERIFY(Table().contains("3992-03-19 DC 21:29 a 32*  <--\n"));
    QVERIFY(Table().contains("\n -1242694     "));
    QVERIFY(testing::ShowsLinesWhole(Find<QPlainTextEdit>("txbOutput")));
  }

  void clickThatActivatesTheWindowPressesItsButton() {
    // Activation used to move the focus to the number box and so cancel the press. Do it
    // writes what clvt prints.
    QWidget other;
    QVERIFY(testing::ClickActivating(Find<QPushButton>("cmdDoIt"), &other));
    QCOMPARE(Table(), Expected(2024, "12"));
    QVERIFY(messages_.shown.empty());
    QVERIFY(testing::ClickActivating(Find<QPushButton>("cmdClear"), &other));
    QCOMPARE(Table(), QString::fromStdString(EquinoxHeading("Dee-Cecil")));
  }

  // A longitude reached with the arrow keys or by typing keeps the focus on its list, and a
  // screen reader hears the new value; only a choice from the open pop-up moves on to Do it.
  // We used to move on after every key, so Down went to Do it and "30" became "3".
  void longitudeListsKeepTheKeyboardFocus_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("keys");  // typed on the closed list, or "popup <row>"
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<bool>("movesOn");
    QTest::newRow("Down") << "cboDegrees"
                          << "down"
                          << "Degrees: 78" << false;
    QTest::newRow("typed 30") << "cboMinutes"
                              << "30"
                              << "Minutes: 30" << false;
    QTest::newRow("Return in the pop-up") << "cboDegrees"
                                          << "popup 5"
                                          << "Degrees: 75" << true;
  }
  void longitudeListsKeepTheKeyboardFocus() {
    QFETCH(QString, list);
    QFETCH(QString, keys);
    QFETCH(QString, spoken);
    QFETCH(bool, movesOn);
    auto* box = Find<QComboBox>(qPrintable(list));
    box->setFocus();
    if (keys == "down") {
      QTest::keyClick(box, Qt::Key_Down);
    } else if (keys.startsWith("popup")) {
      // Qt takes a click in the pop-up the same way as Return there.
      box->showPopup();
      QAbstractItemView* view = box->view();
      QTRY_VERIFY(view->isVisible());
      view->setCurrentIndex(view->model()->index(keys.section(' ', 1).toInt(), 0));
      QTest::keyClick(view, Qt::Key_Return);
    } else {
      QTest::keyClicks(box, keys);
    }
    QCOMPARE(Spoken(qPrintable(list)), spoken);
    QTRY_VERIFY(!box->view()->isVisible());
    QCoreApplication::processEvents();
    QCOMPARE(window_->focusWidget(), movesOn ? Find<QWidget>("cmdDoIt") : box);
  }

  void closeHidesAndKeepsTheTable() {
    // Also a table that holds a summary and no line, when the window comes back from another
    // one: its activation used to put back the bare heading.
    QWidget other;
    host_.year = 4001;
    Find<QLineEdit>("txbNumYears")->setText("5");
    Find<QComboBox>("cboMinutes")->setCurrentIndex(30);
    Find<QRadioButton>("optMeanST")->setChecked(true);
    QTest::mouseClick(Find<QPushButton>("cmdDoIt"), Qt::LeftButton);
    const QString table = Table();
    QTest::mouseClick(Find<QPushButton>("cmdClose"), Qt::LeftButton);
    QVERIFY(!window_->isVisible());
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    Open();
    QCOMPARE(Table(), table);
    QVERIFY(table.endsWith("77d30m W: 0 of 5\n"));
    QVERIFY(Find<QRadioButton>("optMeanST")->isChecked());
    // The next run stands one empty line below that summary.
    host_.year = 2024;
    QTest::mouseClick(Find<QPushButton>("cmdDoIt"), Qt::LeftButton);
    QVERIFY(Table().startsWith(table + "\n  2024     "));
  }

  void titleBarCloseDestroysTheWindow() {
    window_->close();
    QTRY_VERIFY(window_.isNull());
  }
};

}  // namespace clvt

QTEST_MAIN(clvt::VernalEquinoxesWindowTest)
#include "vernal_equinoxes_window_test.moc"
