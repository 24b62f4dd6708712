// The Enter key rules on bare widgets: a text box acts when Enter comes up after going down in
// it, and a push button presses on Return or keypad Enter, each at most once per key press.
#include "support/enter_key_widget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <vector>

namespace clvt {
namespace {

enum class Step { Press, Release, RepeatPress, RepeatRelease, PressElsewhere, FocusOut };

void Send(QWidget* target, Step step, int key) {
  if (step == Step::FocusOut) {
    QFocusEvent focus(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(target, &focus);
    return;
  }
  const bool press =
      step == Step::Press || step == Step::RepeatPress || step == Step::PressElsewhere;
  const bool repeat = step == Step::RepeatPress || step == Step::RepeatRelease;
  QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, QString(),
                  repeat);
  QApplication::sendEvent(target, &event);
}

}  // namespace

class EnterKeyWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void textBoxActsOncePerPressMadeInIt_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<std::vector<Step>>("steps");
    QTest::addColumn<int>("runs");
    using enum Step;
    QTest::newRow("Return") << int(Qt::Key_Return) << std::vector{Press, Release} << 1;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << std::vector{Press, Release} << 1;
    QTest::newRow("other key") << int(Qt::Key_A) << std::vector{Press, Release} << 0;
    QTest::newRow("held down") << int(Qt::Key_Return)
                               << std::vector{Press,         RepeatRelease, RepeatPress,
                                              RepeatRelease, RepeatPress,   Release}
                               << 1;
    // The press closed a message box shown by the first run; only its release comes here.
    QTest::newRow("release of a press elsewhere")
        << int(Qt::Key_Return) << std::vector{Press, Release, PressElsewhere, Release} << 1;
    QTest::newRow("focus left between")
        << int(Qt::Key_Return) << std::vector{Press, FocusOut, Release} << 0;
  }
  void textBoxActsOncePerPressMadeInIt() {
    QFETCH(int, key);
    QFETCH(std::vector<Step>, steps);
    QFETCH(int, runs);
    QLineEdit box;
    QLineEdit elsewhere;
    int ran = 0;
    RunOnEnterRelease(&box, [&] { ++ran; });
    for (Step step : steps) Send(step == Step::PressElsewhere ? &elsewhere : &box, step, key);
    QCOMPARE(ran, runs);
  }

  void buttonsPressOncePerEnter() {
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("Do it"), &window);
    PressButtonsOnEnter(&window);
    QSignalSpy clicks(button, &QPushButton::clicked);
    const struct {
      int key;
      Step step;
      int clicks;
    } steps[] = {
        {Qt::Key_Return, Step::Press, 1},   {Qt::Key_Return, Step::RepeatPress, 1},
        {Qt::Key_Return, Step::Release, 1}, {Qt::Key_Enter, Step::Press, 2},
        {Qt::Key_Enter, Step::Release, 2},  {Qt::Key_Space, Step::Press, 2},
        {Qt::Key_Space, Step::Release, 3},  // Space keeps working
    };
    for (const auto& s : steps) {
      Send(button, s.step, s.key);
      QCOMPARE(clicks.count(), s.clicks);
    }
  }
};

}  // namespace clvt

QTEST_MAIN(clvt::EnterKeyWidgetTest)
#include "enter_key_widget_test.moc"
