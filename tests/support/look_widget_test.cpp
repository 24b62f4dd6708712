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

// A window with one control of each kind; the output box is in Courier New, and the box
// inside the frame has no font of its own.
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
  }
  QList<QWidget*> Captions(QList<QWidget*> more = {}) {
    return QList<QWidget*>{label, frame, option, check} + more;
  }
  QList<QWidget*> Others() { return {input, output, button, list}; }
};

}  // namespace

class LookWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void coloursReachTheWindowAndEnabledCaptionsOnly() {
    Window w;
    const QColor base = w.input->palette().color(QPalette::Base);
    const QColor inputText = w.input->palette().color(QPalette::Text);
    const QColor disabled = w.label->palette().color(QPalette::Disabled, QPalette::WindowText);
    clvt::SetBackColor(&w.window, 0x404040);
    clvt::SetForeColor(&w.window, 0xFFFFFF);
    for (QWidget* caption : w.Captions({&w.window})) {
      QCOMPARE(caption->palette().color(QPalette::Window), QColor(0x40, 0x40, 0x40));
      QVERIFY(caption->autoFillBackground());
    }
    for (QWidget* caption : w.Captions()) {
      QCOMPARE(caption->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::white));
      QCOMPARE(caption->palette().color(QPalette::Disabled, QPalette::WindowText), disabled);
    }
    for (QWidget* other : w.Others()) QVERIFY(!other->autoFillBackground());
    QCOMPARE(w.input->palette().color(QPalette::Base), base);
    QCOMPARE(w.input->palette().color(QPalette::Text), inputText);
  }

  void fontNameKeepsSizesAndLeftOutTextBoxes() {
    Window w;
    QFont bold = w.button->font();
    bold.setBold(true);
    bold.setPointSize(14);
    w.button->setFont(bold);
    clvt::SetFontName(&w.window, "Arial", false);
    for (QWidget* control : w.Captions({w.button, w.list})) {
      QCOMPARE(control->font().family(), QString("Arial"));
    }
    QVERIFY(w.button->font().bold());
    QCOMPARE(w.button->font().pointSize(), 14);
    QCOMPARE(w.output->font().family(), QString("Courier New"));
    QCOMPARE(w.input->font().family(), QString("DejaVu Serif"));  // not the frame's Arial

    clvt::SetFontName(&w.window, "Liberation Sans", true);
    QCOMPARE(w.output->font().family(), QString("Liberation Sans"));
    QCOMPARE(w.output->font().pointSize(), 10);
    QCOMPARE(w.input->font().family(), QString("Liberation Sans"));

    clvt::SetBackColor(nullptr, 0);  // a missing window is ignored
    clvt::SetForeColor(nullptr, 0);
    clvt::SetFontName(nullptr, "Arial", true);
  }
};

QTEST_MAIN(LookWidgetTest)
#include "look_widget_test.moc"
