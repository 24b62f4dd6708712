// Every caption of every window fits its control on a machine without the fonts the layout was
// made for: registered with a fontconfig configuration (hide_liberation.conf) that hides the
// Liberation fonts, so Arial comes in a wider family.
#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <QtTest>

#include "doubles/memory_registry.h"
#include "doubles/recording_clipboard.h"
#include "doubles/recording_message_boxes.h"
#include "doubles/recording_shell.h"
#include "mainwindow/main_window.h"
#include "platform/services.h"
#include "support/find_control.h"
#include "support/popup_window.h"
#include "support/program_text.h"
#include "support/text_box_widget.h"

namespace clvt {
namespace {

// Paints window as it is (captions are fitted as they are painted) and names its shown
// captions that reach past the room their controls' style leaves for them.
QStringList CutCaptions(QWidget& window) {
  window.grab();
  QStringList cut;
  for (QWidget* control : window.findChildren<QWidget*>()) {
    const auto* label = qobject_cast<const QLabel*>(control);
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    if ((label == nullptr && button == nullptr) || !control->isVisibleTo(&window)) continue;
    const QString text = label != nullptr ? label->text() : button->text();
    const QFontMetrics metrics(control->font());
    const QStyle* style = control->style();
    int room = control->width() - 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    if (label != nullptr) room = label->contentsRect().width();
    if (qobject_cast<const QRadioButton*>(control) != nullptr) {
      room = control->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
             style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    }
    const bool fits =
        label != nullptr && label->wordWrap()
            ? metrics.boundingRect(label->contentsRect(), Qt::TextWordWrap, text).height() <=
                  label->contentsRect().height()
            : metrics.horizontalAdvance(text) <= room;
    if (!fits) cut << control->objectName() + ": " + text;
  }
  return cut;
}

}  // namespace

class CaptionsFitTest : public QObject {
  Q_OBJECT

 private slots:
  void everyCaptionFitsItsControl() {
    QVERIFY2(!QFontInfo(QFont(QStringLiteral("Arial"))).family().startsWith("Liberation"),
             "the Liberation fonts are not hidden");
    QVERIFY(!LoadProgramText("clvt.dat"));
    RecordingMessageBoxes messages;
    RecordingClipboard clipboard;
    RecordingShell shell;
    MemoryRegistry registry;
    MainWindow main(Services{messages, clipboard, shell, registry});
    main.Start();
    main.Timer1_Timer();  // the notation of today's date is in use
    main.cmdDateSequence_Click();
    main.cmdVernalEquinoxes_Click();
    main.cmdHelp_Click();
    for (const char* name : {"frmMain", "frmDateSequence", "frmVernalEquinoxes", "frmView"}) {
      auto* window = name == QLatin1String("frmMain") ? &main : main.findChild<QWidget*>(name);
      QVERIFY2(window != nullptr && window->isVisible(), name);
      QCOMPARE(CutCaptions(*window), QStringList());
    }
    // It was cut to "Dee Calendar versio"; a caption that fits keeps the window's size.
    QVERIFY(testing::FindControl<QLabel>(&main, "Label3")->font().pointSizeF() < 9);
    QCOMPARE(testing::FindControl<QLabel>(&main, "lblGregorian")->font().pointSizeF(), 9.0);

    // A caption that changes is fitted again: the listing's copy button for a selection.
    auto* sequence = main.findChild<QWidget*>("frmDateSequence");
    SetListingCopyButton(*testing::FindControl<QPushButton>(sequence, "cmdCopyToClipboard"), true);
    QCOMPARE(CutCaptions(*sequence), QStringList());
    // The pop-up's message, in bold, in its strip over the copy button.
    QStringList cutInPopUp{"not shown"};
    QTimer::singleShot(50, [&cutInPopUp] {
      cutInPopUp = CutCaptions(PopupWindow::frmPopUp());
      PopupWindow::frmPopUp().hide();
    });
    main.cmdCopyResult_Click();
    QCOMPARE(cutInPopUp, QStringList());
    QVERIFY(messages.shown.empty());
  }
};

}  // namespace clvt

QTEST_MAIN(clvt::CaptionsFitTest)
#include "captions_fit_test.moc"
