// The pop-up's wiring: it shows modally where and how it is asked, and the caller resumes
// after its timer or a click, with nothing of one use left for the next.
#include "support/popup_window.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>

using clvt::PopupWindow;

namespace {

struct Seen {
  bool visible = false;
  bool modal = false;
  bool timerActive = false;
  QRect geometry;
  QRect labelGeometry;
  QImage shot;
  QAccessible::Role role = QAccessible::NoRole;
  QString spoken;           // the pop-up's accessible name
  bool guardFired = false;  // the wait had to be ended from outside
};

// Runs `use` (which shows the pop-up) and records how the pop-up looked once it showed;
// `during` then runs inside the pop-up's wait. A guard ends a wait that would never end.
Seen WhileShown(const std::function<void()>& use, const std::function<void()>& during = {}) {
  PopupWindow& popup = PopupWindow::frmPopUp();
  Seen seen;
  QTimer::singleShot(0, [&] {
    seen.visible = popup.isVisible();
    seen.modal = QApplication::activeModalWidget() == &popup;
    seen.timerActive = popup.Timer1()->isActive();
    seen.geometry = popup.geometry();
    seen.labelGeometry = popup.lblMessage()->geometry();
    seen.shot = popup.grab().toImage();
    const QAccessibleInterface* about = QAccessible::queryAccessibleInterface(&popup);
    seen.role = about->role();
    seen.spoken = about->text(QAccessible::Name);
    if (during) during();
  });
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&] {
    seen.guardFired = true;
    popup.hide();
  });
  guard.start(10000);
  use();
  return seen;
}

}  // namespace

class PopupWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // One use ends after its interval; the next, cut short by a click, takes its own size.
  void endsAfterItsIntervalOrOnAClick() {
    PopupWindow& popup = PopupWindow::frmPopUp();
    const Seen timed = WhileShown([] {
      clvt::PopUpInForm(nullptr, "Result copied to clipboard", 2920, 300, 50, 3900, 8050);
    });
    QVERIFY(!timed.guardFired && timed.visible && timed.modal && timed.timerActive);
    // Screen readers hear it as an alert with its message; it used to be an unnamed frame.
    QCOMPARE(timed.role, QAccessible::AlertMessage);
    QCOMPARE(timed.spoken, QString("Result copied to clipboard"));
    // 8050 x 3900 twips and 2920 x 300 twips at 15 twips a pixel.
    QCOMPARE(timed.geometry, QRect(537, 260, 195, 20));
    // Inside the 1-pixel border: the message, taller at first, keeps no more than the strip.
    QCOMPARE(timed.labelGeometry, QRect(1, 1, 193, 18));
    QVERIFY(!popup.isVisible() && !popup.Timer1()->isActive());

    // A message far wider than the strip is cut off by the label; the window does not grow.
    const QString longText(200, QChar('W'));
    const Seen clicked =
        WhileShown([&] { clvt::PopUpInForm(nullptr, longText, 4500, 900, 600000, 1500, 3000); },
                   [&] { QTest::mouseClick(popup.lblMessage(), Qt::LeftButton); });
    QVERIFY(!clicked.guardFired && clicked.visible);
    QCOMPARE(clicked.geometry, QRect(200, 100, 300, 60));
    QCOMPARE(clicked.labelGeometry, QRect(1, 1, 298, 18));
    QVERIFY(!popup.isVisible() && !popup.Timer1()->isActive());

    // Hostile sizes still give a usable window.
    const Seen hostile =
        WhileShown([] { clvt::PopUpInForm(nullptr, "", -32768, 0, 20, -32768, 32767); });
    QVERIFY(!hostile.guardFired);
    QCOMPARE(hostile.geometry.size(), QSize(1, 1));
  }

  void placedInForm() {
    QWidget form;
    form.setGeometry(100, 50, 400, 300);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QPoint corner = form.frameGeometry().topLeft();
    const Seen inForm =
        WhileShown([&] { clvt::PopUpInForm(&form, "In form", 1500, 300, 20, 150, 300); });
    QVERIFY(!inForm.guardFired);
    QCOMPARE(inForm.geometry, QRect(corner + QPoint(20, 10), QSize(100, 20)));
    // The message stays inside the border: all four edges show.
    const QImage shot = inForm.shot;
    for (const QPoint edge : {QPoint(50, 0), QPoint(50, 19), QPoint(0, 10), QPoint(99, 10)}) {
      QCOMPARE(QColor(shot.pixel(edge)), QColor(Qt::black));
    }
  }
};

QTEST_MAIN(PopupWindowTest)
#include "popup_window_test.moc"
