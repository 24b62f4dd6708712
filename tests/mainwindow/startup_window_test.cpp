// The desktop program's start and end through the real main window: a missing program text
// file gives its message and leaves no window open; quitting saves the settings, and the next
// start finds the same date, calendar, notation, Dee variant and colour. The window is handed
// a settings file in a folder of the test's own, so that the round trip goes through the file.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <memory>

#include "app/startup.h"
#include "doubles/recording_clipboard.h"
#include "doubles/recording_message_boxes.h"
#include "doubles/recording_shell.h"
#include "mainwindow/main_window.h"
#include "platform/digit_grouping.h"
#include "platform/registry_file.h"
#include "platform/services.h"
#include "run/settings.h"
#include "support/find_control.h"
#include "support/program_text.h"

namespace clvt {

class StartupWindowTest : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;
  RecordingMessageBoxes messages_;
  RecordingClipboard clipboard_;
  RecordingShell shell_;
  std::unique_ptr<FileRegistry> registry_;
  std::unique_ptr<MainWindow> window_;

  template <class T = QRadioButton>
  T* Find(const char* name) {
    return testing::FindControl<T>(window_.get(), name);
  }
  QString Text(const char* box) { return Find<QLineEdit>(box)->text(); }
  QString SettingsFile() const { return folder_.path() + "/calvantis/registry.txt"; }
  Services Handed() { return {messages_, clipboard_, shell_, *registry_}; }
  void Start() {
    window_ = StartCalvantis(Handed());
    QVERIFY(window_ != nullptr);
    QVERIFY(window_->isVisible());
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    registry_ = std::make_unique<FileRegistry>(SettingsFile().toStdString());
    OverrideNumberSymbols(",");
  }
  void init() { messages_ = {}; }
  void cleanup() {
    if (window_ != nullptr) window_->cmdQuit_Click();
    window_.reset();
    QVERIFY(messages_.shown.empty());
  }

  void missingProgramTextFileEndsStartUp() {
    window_ = StartCalvantis(Handed(), "no-such-texts.dat");
    QVERIFY(window_ == nullptr);
    for (const QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!w->isVisible());
    QVERIFY(messages_.shown == std::vector<Message>{*LoadProgramText("no-such-texts.dat")});
    messages_ = {};
  }

  void firstStartKeepsDefaultsAndQuitSavesAll() {
    Start();
    QCOMPARE(window_->windowTitle(), QStringLiteral("Calvantor 6.42"));
    QTRY_VERIFY(!window_->windowIcon().isNull());  // once the window has been painted
    QCOMPARE(window_->lngBackColor(), 0x800080u);
    QVERIFY(Find("optDeeCecil")->isChecked());
    QVERIFY(!Text("txbYearADBCetc").isEmpty());  // today's date

    window_->cmdQuit_Click();
    window_.reset();
    QFile file(SettingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("[HKEY_CURRENT_USER\\Software\\Vostrel Systems\\CLVT]\n"));
    QVERIFY(text.contains("\"JDN\"=\"0\"\n"));  // no result was shown
    QVERIFY(text.contains("\"BackColor\"=\"8388736\"\n"));
    QVERIFY(text.contains("\"Dee\"=\"DC\"\n"));
    QCOMPARE(int(file.permissions() & (QFile::ReadGroup | QFile::ReadOther)), 0);
  }

  void restartRestoresWhatWasShown() {
    Start();
    Find("optDee")->click();
    Find("optInputDateWithAYN")->click();
    Find<QLineEdit>("txbYearCEJC")->setText(QStringLiteral("2015-11-09 JC"));
    Find<QComboBox>("cboCalendar_1")->setCurrentIndex(2);
    window_->Timer1_Timer();
    window_->cmdCalculate_Click();
    window_->Form_DblClick();
    window_->cmdQuit_Click();

    Start();
    QCOMPARE(Text("txbJDN"), QStringLiteral("2,457,349"));
    QVERIFY(Find("optInputDateWithAYN")->isChecked());
    QCOMPARE(Find<QComboBox>("cboCalendar_1")->currentIndex(), 2);
    QCOMPARE(Text("txbYearCEJC"), QStringLiteral("2015-11-09 JC"));
    QVERIFY(Find("optDee")->isChecked() && !Find("optDeeCecil")->isChecked());
    QCOMPARE(Text("txbOutputDEEwithAYN"), QStringLiteral("2015-11-23 D"));
    QCOMPARE(window_->lngBackColor(), 0x701070u);
    QCOMPARE(window_->palette().color(window_->backgroundRole()), QColor(0x70, 0x10, 0x70));
    // The first click on the other variant switches to it.
    Find("optDeeCecil")->click();
    QVERIFY(window_->Dee() == kDeeCecilVariant);
    QVERIFY(!Find("optDee")->isChecked());
  }

  // A program text file without the texts of the settings key used to start silently and keep
  // the settings under "Software\\CLVT", where a complete start never finds them.
  void programTextsWithoutTheSettingsKeyKeepNoSettings() {
    QFile complete(QCoreApplication::applicationDirPath() + "/clvt.dat");
    QVERIFY(complete.open(QIODevice::ReadOnly));
    QTemporaryFile lacking(QCoreApplication::applicationDirPath() + "/no-key-XXXXXX.dat");
    QVERIFY(lacking.open());
    for (const QByteArray& line : complete.readAll().split('\n')) {
      if (!line.startsWith("273") && !line.startsWith("310")) lacking.write(line + '\n');
    }
    lacking.close();
    QFile::remove(SettingsFile());
    window_ = StartCalvantis(Handed(), QFileInfo(lacking).fileName().toStdString());
    QVERIFY(window_ != nullptr);
    QVERIFY(!Text("txbYearADBCetc").isEmpty());  // today's date
    window_->cmdQuit_Click();
    window_.reset();
    QVERIFY(messages_.shown == std::vector<Message>{SettingsKeyMissingMessage()});
    QVERIFY(!QFile::exists(SettingsFile()));
    messages_ = {};
  }

  // A logout (SIGTERM, SIGHUP) or Ctrl+C in the terminal (SIGINT) used to end the program
  // without saving the changes made since the start. It saves as Quit does, once however many
  // signals come.
  void terminationSignalSavesOnce_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
  }
  void terminationSignalSavesOnce() {
    QFETCH(int, signal);
    struct sigaction inherited {};
    QVERIFY(sigaction(signal, nullptr, &inherited) == 0);
    if (inherited.sa_handler == SIG_IGN) QSKIP("ignored by whoever started the test, as kept");
    QFile::remove(SettingsFile());
    int saves = 0;
    FileRegistry counting(SettingsFile().toStdString(), [&saves](const char* from, const char* to) {
      ++saves;
      return std::rename(from, to);
    });
    window_ = StartCalvantis({messages_, clipboard_, shell_, counting});
    window_->Form_DblClick();  // a change since the start
    std::raise(signal);
    std::raise(signal);
    QTRY_VERIFY(!window_->isVisible());
    std::raise(signal);
    QTest::qWait(50);
    window_.reset();
    QCOMPARE(saves, 1);
    QFile file(SettingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\"BackColor\"=\"7344240\"\n"));
  }

  // Whenever no date comes back, the start shows today's date, in the notation and calendar
  // that came back if any. A saved JDN without a usable CalNdx or Dee, or a date the input
  // cannot hold, used to open a window with no notation, no date and Calculate disabled.
  void startWithoutARestoredDateShowsToday_data() {
    QTest::addColumn<QByteArray>("values");
    QTest::addColumn<bool>("ymd");  // the notation restored; month-day-year by default
    QTest::addColumn<int>("calendar");
    // What Calculate, emptying the year box and Quit leave behind.
    QTest::newRow("CalNdx 0") << QByteArray(
                                     "\"JDN\"=\"2457349\"\n\"CalNdx\"=\"0\"\n\"Dee\"=\"D\"\n")
                              << false << 1;
    QTest::newRow("truncated") << QByteArray("\"JDN\"=\"2457349\"\n\"CalNdx\"=\"-2\"\n\"De") << true
                               << 2;
    QTest::newRow("Dee year 100,000")
        << QByteArray("\"JDN\"=\"38245309\"\n\"CalNdx\"=\"3\"\n\"Dee\"=\"DC\"\n") << false << 3;
  }
  void startWithoutARestoredDateShowsToday() {
    QFETCH(QByteArray, values);
    QFETCH(bool, ymd);
    QFETCH(int, calendar);
    QFile file(SettingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[HKEY_CURRENT_USER\\Software\\Vostrel Systems\\CLVT]\n" + values);
    file.close();
    Start();
    QCOMPARE(window_->lngJDN(), 0);
    QVERIFY(Find(ymd ? "optInputDateWithAYN" : "optInputDateWithoutAYN")->isChecked());
    QCOMPARE(Find<QComboBox>(ymd ? "cboCalendar_1" : "cboCalendar_0")->currentIndex(), calendar);
    QVERIFY(!Text(ymd ? "txbYearCEJC" : "txbYearADBCetc").isEmpty());
    window_->Timer1_Timer();
    QVERIFY(Find<QPushButton>("cmdCalculate")->isEnabled());
  }
};

}  // namespace clvt

QTEST_MAIN(clvt::StartupWindowTest)
#include "startup_window_test.moc"
