// A link label opens its page once per use, with the mouse, the keyboard or an assistive
// tool; the window's web links start xdg-open and return at once, and the failure message
// arrives later from the event loop.
#include "support/web_link_widget.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <filesystem>
#include <map>
#include <string>

#include "doubles/recording_message_boxes.h"
#include "platform/shell.h"
#include "support/scratch_dir.h"
#include "support/web_link.h"

namespace clvt {

class WebLinkWidgetTest : public QObject {
  Q_OBJECT

  static void Mouse(QWidget* link, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, link->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(link, &event);
  }
  static void Key(QWidget* link, QEvent::Type type, int key, bool repeat = false) {
    QKeyEvent event(type, key, Qt::NoModifier, QString(), repeat);
    QApplication::sendEvent(link, &event);
  }

 private slots:
  // We used to open the page on the release of any mouse button, twice on a double-click,
  // and never from the keyboard.
  void linkOpensOncePerUse_data() {
    QTest::addColumn<QString>("use");
    QTest::addColumn<int>("opened");
    QTest::newRow("left click") << "left" << 1;
    QTest::newRow("right click") << "right" << 0;
    QTest::newRow("middle click") << "middle" << 0;
    QTest::newRow("double-click") << "double" << 1;
    QTest::newRow("press dragged off") << "drag off" << 0;
    QTest::newRow("Return") << "Return" << 1;
    QTest::newRow("keypad Enter") << "Enter" << 1;
    QTest::newRow("Space") << "Space" << 1;
    QTest::newRow("Return held down") << "held" << 1;
    QTest::newRow("other key") << "A" << 0;
    QTest::newRow("assistive press") << "press" << 1;
  }
  void linkOpensOncePerUse() {
    QFETCH(QString, use);
    QFETCH(int, opened);
    WebLinkLabel link("Maker", "http://www.x.example/");
    link.resize(100, 20);
    QSignalSpy activations(&link, &WebLinkLabel::activated);
    const QPoint in(10, 10);
    const std::map<QString, Qt::MouseButton> clicks{
        {"left", Qt::LeftButton}, {"right", Qt::RightButton}, {"middle", Qt::MiddleButton}};
    const std::map<QString, int> keys{{"Return", Qt::Key_Return},
                                      {"Enter", Qt::Key_Enter},
                                      {"Space", Qt::Key_Space},
                                      {"A", Qt::Key_A}};
    if (clicks.contains(use)) {
      Mouse(&link, QEvent::MouseButtonPress, clicks.at(use), in);
      Mouse(&link, QEvent::MouseButtonRelease, clicks.at(use), in);
    } else if (use == "double") {  // as a window system delivers it
      for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                      QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        Mouse(&link, type, Qt::LeftButton, in);
      }
    } else if (use == "drag off") {
      Mouse(&link, QEvent::MouseButtonPress, Qt::LeftButton, in);
      Mouse(&link, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(150, 10));
    } else if (keys.contains(use)) {
      Key(&link, QEvent::KeyPress, keys.at(use));
      Key(&link, QEvent::KeyRelease, keys.at(use));
    } else if (use == "held") {
      Key(&link, QEvent::KeyPress, Qt::Key_Return);
      Key(&link, QEvent::KeyPress, Qt::Key_Return, true);
      Key(&link, QEvent::KeyRelease, Qt::Key_Return);
    } else {
      QAccessibleInterface* about = QAccessible::queryAccessibleInterface(&link);
      about->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    QTRY_COMPARE(activations.count(), opened);  // an assistive press comes a moment later
  }

  void slowOpenerDoesNotHoldUpTheWindowAndItsFailureArrivesLater() {
    testing::ScratchDir dir;
    const std::string release = dir.Path("release");
    // An xdg-open that waits for the test, then finds no browser (exit 3).
    const std::string opener = dir.Write(
        "xdg-open", "#!/bin/sh\nwhile [ ! -e '" + release + "' ]; do sleep 0.02; done\nexit 3\n");
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    RecordingMessageBoxes messages;
    SystemShell shell(opener);
    QWidget window;
    OpenWebLinkFrom(window, "http://www.x.com/", shell, messages);
    QVERIFY(messages.shown.empty());  // returned while the opener still waits

    dir.Write("release", "");
    QTRY_COMPARE_WITH_TIMEOUT(messages.shown.size(), size_t{1}, 10000);
    QCOMPARE(messages.shown[0], WebLinkFailureMessage(kShellNoAssociation, "com/"));
  }
};

}  // namespace clvt

QTEST_MAIN(clvt::WebLinkWidgetTest)
#include "web_link_widget_test.moc"
