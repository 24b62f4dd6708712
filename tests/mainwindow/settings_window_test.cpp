// Settings through the real main window: quit with a result shown, start again, and find the
// same date, calendar, notation, Dee variant and colour. The settings file goes to a folder of
// the test's own.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "app/startup.h"
#include "mainwindow/main_window.h"
#include "platform/digit_grouping.h"
#include "platform/recording_clipboard.h"
#include "platform/recording_message_boxes.h"

namespace clvt {

class SettingsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void firstStartKeepsDefaultsAndQuitSavesAll();
  void restartRestoresWhatWasShown();
  void dateTheInputCannotHoldStartsWithToday();

 private:
  template <class T>
  static T* Find(MainWindow& window, const char* name) {
    T* w = window.findChild<T*>(QString::fromLatin1(name));
    if (w == nullptr) qFatal("no control %s", name);
    return w;
  }
  QString SettingsFile() const { return folder_.path() + "/calvantis/registry.txt"; }

  QTemporaryDir folder_;
  RecordingMessageBoxes messages_;
  RecordingClipboard clipboard_;
};

void SettingsWindowTest::initTestCase() {
  QVERIFY(folder_.isValid());
  qputenv("XDG_CONFIG_HOME", folder_.path().toUtf8());
  OverrideNumberSymbols(",");
}

void SettingsWindowTest::firstStartKeepsDefaultsAndQuitSavesAll() {
  std::unique_ptr<MainWindow> window = StartCalvantis(messages_, clipboard_);
  QVERIFY(window != nullptr);
  QVERIFY(messages_.shown.empty());
  QCOMPARE(window->lngBackColor(), 0x800080u);
  QVERIFY(Find<QRadioButton>(*window, "optDeeCecil")->isChecked());
  QVERIFY(!Find<QLineEdit>(*window, "txbYearADBCetc")->text().isEmpty());  // today's date

  window->cmdQuit_Click();
  QFile file(SettingsFile());
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  QVERIFY(text.contains("[HKEY_CURRENT_USER\\Software\\Vostrel Systems\\CLVT]\n"));
  QVERIFY(text.contains("\"JDN\"=\"0\"\n"));  // no result was shown
  QVERIFY(text.contains("\"BackColor\"=\"8388736\"\n"));
  QVERIFY(text.contains("\"Dee\"=\"DC\"\n"));
  QCOMPARE(int(file.permissions() & (QFile::ReadGroup | QFile::ReadOther)), 0);
}

void SettingsWindowTest::restartRestoresWhatWasShown() {
  {
    std::unique_ptr<MainWindow> window = StartCalvantis(messages_, clipboard_);
    QVERIFY(window != nullptr);
    Find<QRadioButton>(*window, "optDee")->click();
    Find<QRadioButton>(*window, "optInputDateWithAYN")->click();
    Find<QLineEdit>(*window, "txbYearCEJC")->setText(QStringLiteral("2015-11-09 JC"));
    Find<QComboBox>(*window, "cboCalendar_1")->setCurrentIndex(2);
    window->Timer1_Timer();
    window->cmdCalculate_Click();
    QCOMPARE(Find<QLineEdit>(*window, "txbJDN")->text(), QStringLiteral("2,457,349"));
    window->Form_DblClick();
    QCOMPARE(window->lngBackColor(), 0x701070u);
    window->cmdQuit_Click();
  }

  std::unique_ptr<MainWindow> window = StartCalvantis(messages_, clipboard_);
  QVERIFY(window != nullptr);
  QVERIFY(messages_.shown.empty());
  QCOMPARE(window->lngJDN(), 2457349);
  QCOMPARE(Find<QLineEdit>(*window, "txbJDN")->text(), QStringLiteral("2,457,349"));
  QVERIFY(Find<QRadioButton>(*window, "optInputDateWithAYN")->isChecked());
  QCOMPARE(Find<QComboBox>(*window, "cboCalendar_1")->currentIndex(), 2);
  QCOMPARE(Find<QLineEdit>(*window, "txbYearCEJC")->text(), QStringLiteral("2015-11-09 JC"));
  QVERIFY(Find<QRadioButton>(*window, "optDee")->isChecked());
  QVERIFY(!Find<QRadioButton>(*window, "optDeeCecil")->isChecked());
  QCOMPARE(window->strDeeCalendarDesignation(), std::string("D"));
  QCOMPARE(Find<QLineEdit>(*window, "txbOutputDEEwithAYN")->text(),
           QStringLiteral("2015-11-23 D"));
  QCOMPARE(window->lngBackColor(), 0x701070u);
  QCOMPARE(window->palette().color(window->backgroundRole()), QColor(0x70, 0x10, 0x70));
  // The first click on the other variant switches to it.
  Find<QRadioButton>(*window, "optDeeCecil")->click();
  QCOMPARE(window->strDeeCalendarDesignation(), std::string("DC"));
  QVERIFY(!Find<QRadioButton>(*window, "optDee")->isChecked());
  window->cmdQuit_Click();
}

// A stored date whose Dee year (100,000) the input cannot hold used to open a window with no
// notation, an empty input and Calculate disabled.
void SettingsWindowTest::dateTheInputCannotHoldStartsWithToday() {
  QFile file(SettingsFile());
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write("[HKEY_CURRENT_USER\\Software\\Vostrel Systems\\CLVT]\n"
             "\"JDN\"=\"38245309\"\n\"CalNdx\"=\"3\"\n\"Dee\"=\"DC\"\n");
  file.close();

  std::unique_ptr<MainWindow> window = StartCalvantis(messages_, clipboard_);
  QVERIFY(window != nullptr);
  QVERIFY(messages_.shown.empty());
  QCOMPARE(window->lngJDN(), 0);
  QVERIFY(Find<QRadioButton>(*window, "optInputDateWithoutAYN")->isChecked());
  QVERIFY(!Find<QLineEdit>(*window, "txbYearADBCetc")->text().isEmpty());
  window->Timer1_Timer();
  QVERIFY(Find<QPushButton>(*window, "cmdCalculate")->isEnabled());
  window->cmdQuit_Click();
}

}  // namespace clvt

QTEST_MAIN(clvt::SettingsWindowTest)
#include "settings_window_test.moc"
