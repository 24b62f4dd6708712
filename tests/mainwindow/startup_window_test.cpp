// The desktop program's start-up: a missing or damaged program text file gives its message
// and leaves no window open; a good one opens the main window.
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QtTest>

#include "app/startup.h"
#include "mainwindow/main_window.h"
#include "platform/recording_clipboard.h"
#include "platform/recording_message_boxes.h"

namespace clvt {

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void badProgramTextFileEndsStartUp_data();
  void badProgramTextFileEndsStartUp();
  void goodProgramTextFileOpensMainWindow();
};

namespace {

bool AnyWindowVisible() {
  for (const QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible()) return true;
  }
  return false;
}

}  // namespace

void StartupTest::badProgramTextFileEndsStartUp_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QByteArray>("content");  // empty: the file is not written
  QTest::addColumn<QString>("message");
  const QString folder = QCoreApplication::applicationDirPath();
  QTest::newRow("missing") << "no-such-texts.dat" << QByteArray()
                           << "Cannot open file containing program text.\r\n" + folder +
                                  "/no-such-texts.dat";
  QTest::newRow("text missing") << "damaged-missing.dat" << QByteArray("18\n")
                                << "Missing string at line 1.";
  QTest::newRow("duplicate") << "damaged-duplicate.dat" << QByteArray("18 a\n# c\n18 b\n")
                             << "Duplicate in program text at line 3.";
}

void StartupTest::badProgramTextFileEndsStartUp() {
  QFETCH(QString, file);
  QFETCH(QByteArray, content);
  QFETCH(QString, message);
  const QString path = QCoreApplication::applicationDirPath() + "/" + file;
  QFile::remove(path);
  if (!content.isEmpty()) {
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(content);
  }
  RecordingMessageBoxes messages;
  RecordingClipboard clipboard;
  const auto window = StartCalvantis(messages, clipboard, file.toStdString());
  QFile::remove(path);

  QVERIFY(window == nullptr);
  QVERIFY(!AnyWindowVisible());
  QCOMPARE(messages.shown.size(), std::size_t{1});
  QCOMPARE(QString::fromStdString(messages.shown[0].text), message);
  QCOMPARE(messages.shown[0].title, std::string());
  QVERIFY(messages.shown[0].icon == Icon::Critical);
}

void StartupTest::goodProgramTextFileOpensMainWindow() {
  RecordingMessageBoxes messages;
  RecordingClipboard clipboard;
  const auto window = StartCalvantis(messages, clipboard);
  QVERIFY(window != nullptr);
  QVERIFY(window->isVisible());
  QVERIFY(messages.shown.empty());
  QCOMPARE(window->windowTitle(), QStringLiteral("Calvantor 6.42"));
}

}  // namespace clvt

QTEST_MAIN(clvt::StartupTest)
#include "startup_window_test.moc"
