// The look operations reach exactly the controls they name: captions take the colours,
// text boxes, buttons and lists keep theirs; a left-out text box keeps its font.
#include "support/look_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// A window with one control of each kind; the output box is laid out in Courier New, and
// the box inside the frame has no font of its own.
struct Window {
  QWidget window;
  QLabel* label = new QLabel("Year:", &window);
  QGroupBox* frame = new QGroupBox("Output", &window);
  QRadioButton* option = new QRadioButton("Dee", frame);
  QCheckBox* check = new QCheckBox("Bold", &window);
  QLineEdit* input = new QLineEdit(frame);
  QLineEdit* output = new QLineEdit(&window);
  QPushButton* button = new QPushButton("Calculate", &window);
  QComboBox* list = new QComboBox(&window);

  Window() {
    window.setFont(QFont("DejaVu Serif", 11));
    output->setFont(QFont("Courier New", 10));
    label->setGeometry(0, 0, 100, 20);
    frame->setGeometry(0, 30, 200, 100);
    option->setGeometry(10, 20, 80, 20);
    input->setGeometry(10, 50, 150, 24);
    check->setGeometry(0, 140, 100, 20);
    output->setGeometry(0, 170, 200, 24);
    button->setGeometry(0, 200, 100, 30);
    list->setGeometry(110, 200, 100, 30);
    window.resize(220, 240);
  }
};

}  // namespace

class LookWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void backColourPaintsWindowAndCaptionsOnly() {
    Window w;
    const QColor base = w.input->palette().color(QPalette::Base);
    const QColor buttonColour = w.button->palette().color(QPalette::Button);
    clvt::SetBackColor(&w.window, 0x404040);
    const QColor grey(0x40, 0x40, 0x40);
    for (QWidget* caption : {&w.window, static_cast<QWidget*>(w.label),
                             static_cast<QWidget*>(w.frame), static_cast<QWidget*>(w.option),
                             static_cast<QWidget*>(w.check)}) {
      QCOMPARE(caption->palette().color(QPalette::Window), grey);
      QVERIFY(caption->autoFillBackground());
    }
    for (QWidget* other : {static_cast<QWidget*>(w.input), static_cast<QWidget*>(w.output),
                           static_cast<QWidget*>(w.button), static_cast<QWidget*>(w.list)}) {
      QVERIFY(!other->autoFillBackground());
    }
    QCOMPARE(w.input->palette().color(QPalette::Base), base);
    QCOMPARE(w.button->palette().color(QPalette::Button), buttonColour);

    // What is painted: the window's free area is grey, the inside of a text box is not.
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    const QImage image = w.window.grab().toImage();
    QCOMPARE(image.pixelColor(215, 5), grey);
    QCOMPARE(image.pixelColor(85, 60), grey);  // right of the option button's caption
    QCOMPARE(image.pixelColor(95, 150), grey);  // right of the check box's caption
    QCOMPARE(image.pixelColor(w.output->geometry().center()), base);
  }

  void foreColourReachesEnabledCaptionsOnly() {
    Window w;
    const QColor windowText = w.window.palette().color(QPalette::WindowText);
    const QColor inputText = w.input->palette().color(QPalette::Text);
    const QColor disabled = w.label->palette().color(QPalette::Disabled, QPalette::WindowText);
    clvt::SetForeColor(&w.window, 0xFFFFFF);
    for (QWidget* caption : {static_cast<QWidget*>(w.label), static_cast<QWidget*>(w.frame),
                             static_cast<QWidget*>(w.option), static_cast<QWidget*>(w.check)}) {
      QCOMPARE(caption->palette().color(QPalette::Active, QPalette::WindowText),
               QColor(Qt::white));
      QCOMPARE(caption->palette().color(QPalette::Disabled, QPalette::WindowText), disabled);
    }
    QCOMPARE(w.window.palette().color(QPalette::WindowText), windowText);
    QCOMPARE(w.input->palette().color(QPalette::Text), inputText);
  }

  void fontNameKeepsSizesAndLeftOutTextBoxes() {
    Window w;
    QFont bold = w.button->font();
    bold.setBold(true);
    bold.setPointSize(14);
    w.button->setFont(bold);
    clvt::SetFontName(&w.window, "Arial", false);
    for (QWidget* control :
         {static_cast<QWidget*>(w.label), static_cast<QWidget*>(w.frame),
          static_cast<QWidget*>(w.option), static_cast<QWidget*>(w.check),
          static_cast<QWidget*>(w.button), static_cast<QWidget*>(w.list)}) {
      QCOMPARE(control->font().family(), QString("Arial"));
    }
    QVERIFY(w.button->font().bold());
    QCOMPARE(w.button->font().pointSize(), 14);
    QCOMPARE(w.output->font().family(), QString("Courier New"));
    QCOMPARE(w.output->font().pointSize(), 10);
    QCOMPARE(w.input->font().family(), QString("DejaVu Serif"));  // not the frame's Arial
    QCOMPARE(w.window.font().family(), QString("DejaVu Serif"));

    clvt::SetFontName(&w.window, "Liberation Sans", true);
    QCOMPARE(w.output->font().family(), QString("Liberation Sans"));
    QCOMPARE(w.output->font().pointSize(), 10);
    QCOMPARE(w.input->font().family(), QString("Liberation Sans"));
  }

  void nullWindowIsIgnored() {
    clvt::SetBackColor(nullptr, 0);
    clvt::SetForeColor(nullptr, 0);
    clvt::SetFontName(nullptr, "Arial", true);
  }
};

QTEST_MAIN(LookWidgetTest)
#include "look_widget_test.moc"
