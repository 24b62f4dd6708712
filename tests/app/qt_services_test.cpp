// The Qt message boxes and clipboard behind the program's interfaces: what the user sees and
// what each answer returns.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "app/qt_clipboard.h"
#include "app/qt_message_boxes.h"

namespace {

struct Shown {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
};

// Shows message and answers the box by pressing `press`; records what the box showed.
bool Answer(const clvt::Message& message, QMessageBox::StandardButton press, Shown& shown) {
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    shown = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
    box->button(press)->click();
  });
  clvt::QtMessageBoxes boxes;
  return boxes.Show(message);
}

}  // namespace

class QtServicesTest : public QObject {
  Q_OBJECT

 private slots:
  void boxesShowTheMessageAndReturnTheAnswer() {
    Shown shown;
    const clvt::Message message{"Cannot open file containing program text.\r\n/opt/clvt.dat", "",
                                clvt::Icon::Critical, clvt::Buttons::Ok};
    QVERIFY(Answer(message, QMessageBox::Ok, shown));
    QCOMPARE(shown.text, QString("Cannot open file containing program text.\n/opt/clvt.dat"));
    QCOMPARE(shown.icon, QMessageBox::Critical);
    QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    const clvt::Message question{"Continue?", "Calculate", clvt::Icon::Question,
                                 clvt::Buttons::YesNo};
    QVERIFY(Answer(question, QMessageBox::Yes, shown));
    QCOMPARE(shown.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(shown.title, QString("Calculate"));
    QVERIFY(!Answer(question, QMessageBox::No, shown));
  }

  void clipboardTakesUtf8Text() {
    clvt::QtClipboard clipboard;
    clipboard.SetText("old");
    clipboard.Clear();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    clipboard.SetText(
        "Gr\xC3\xB6\xC3\x9F"
        "e\r\n");
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8("Größe\r\n"));
  }
};

QTEST_MAIN(QtServicesTest)
#include "qt_services_test.moc"
