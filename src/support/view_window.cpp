// The text viewer window. What it shows, the failure messages and where the controls go come
// from support/view_text.h; this file reads and writes the controls.
#include "support/view_window.h"

#include <QCloseEvent>
#include <QFont>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>

#include "platform/executable_folder.h"
#include "platform/message_box.h"
#include "support/accessible_widget.h"
#include "support/enter_key_widget.h"
#include "support/focus_mark_widget.h"
#include "support/look_widget.h"
#include "support/program_text.h"
#include "support/text_box_widget.h"
#include "support/twips_widget.h"
#include "support/view_text.h"

namespace clvt {
namespace {

// Design client area of the window.
constexpr int32_t kDesignClientWidth = 11670;
constexpr int32_t kDesignClientHeight = 6585;
// The layout is stated for the outer window. Offscreen and under some window managers Qt
// cannot tell the frame, so the outer size is taken as the client size plus a classic frame:
// two 4-pixel borders and a 19-pixel title bar. This keeps the margins around the controls the
// same on every desktop.
constexpr int32_t kFrameWidth = 2 * 4 * kTwipsPerPixel;
constexpr int32_t kFrameHeight = (2 * 4 + 19) * kTwipsPerPixel;
// Texts 13 and 17: title and text of the message for an empty help file.
constexpr int16_t kEmptyFileTitleText = 13;
constexpr int16_t kEmptyFileMessageText = 17;
// Texts 16 and 36: the help file's name and the viewer's caption while it shows it.
constexpr int16_t kHelpFileText = 16;
constexpr int16_t kHelpCaptionText = 36;
constexpr qreal kWindowPointSize = 9.75;
constexpr qreal kButtonPointSize = 8.25;
constexpr qreal kHelpTextPointSize = 10;

// Ceiling, so that the smallest client size still gives at least the smallest outer size.
int MinimumPixels(int32_t twips) { return (twips + kTwipsPerPixel - 1) / kTwipsPerPixel; }

}  // namespace

ViewWindow::ViewWindow(MessageBoxes& messages, Clipboard& clipboard, QWidget* parent)
    : QWidget(parent, Qt::Window),
      messages_(messages),
      clipboard_(clipboard),
      txbText1_(new TextBoxWidget(this)),
      cmdCopyToClipboard_(new QPushButton(CopyCaption(false), this)),
      cmdClose_(new QPushButton(QStringLiteral("Close"), this)),
      copyWidth_(kCopyAllWidth) {
  setObjectName(QStringLiteral("frmView"));
  setWindowTitle(QStringLiteral("Viewing"));
  DescribeAsWindow(this);
  QFont windowFont(QStringLiteral("Arial"));
  windowFont.setPointSizeF(kWindowPointSize);
  setFont(windowFont);

  txbText1_->setObjectName(QStringLiteral("txbText1"));
  txbText1_->setAccessibleName(QStringLiteral("Text of the file"));
  txbText1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txbText1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  connect(txbText1_, &TextBoxWidget::selectionSettled, this,
          [this] { txbText1_SelectionSettled(); });

  QFont buttonFont(QStringLiteral("Tahoma"));
  buttonFont.setPointSizeF(kButtonPointSize);
  cmdCopyToClipboard_->setObjectName(QStringLiteral("cmdCopyToClipboard"));
  cmdCopyToClipboard_->setFont(buttonFont);
  cmdClose_->setObjectName(QStringLiteral("cmdClose"));
  cmdClose_->setFont(buttonFont);
  connect(cmdCopyToClipboard_, &QPushButton::clicked, this,
          Guarded(messages_, [this] { cmdCopyToClipboard_Click(); }));
  connect(cmdClose_, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
  new QShortcut(QKeySequence(Qt::Key_Escape), this, [this] { cmdClose_Click(); });
  setTabOrder(txbText1_, cmdCopyToClipboard_);
  setTabOrder(cmdCopyToClipboard_, cmdClose_);
  PressButtonsOnEnter(this);
  MarkFocus(this);
  FitCaptions(this);

  setMinimumSize(MinimumPixels(kViewerMinWidth - kFrameWidth),
                 MinimumPixels(kViewerMinHeight - kFrameHeight));
  resize(TwipsToPixels(kDesignClientWidth), TwipsToPixels(kDesignClientHeight));
  LayOut();
}

bool ViewWindow::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) RequestFirstDisplay();
  return QWidget::event(e);
}

void ViewWindow::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  // Activation alone is not enough: a window manager may show a new window without
  // activating it, and the text must still appear.
  RequestFirstDisplay();
}

// The file is read after the show has finished, so that a failure message can hide the window
// again without interrupting its own showing.
void ViewWindow::RequestFirstDisplay() {
  if (blnFileDisplayed_ || firstDisplayQueued_) return;
  firstDisplayQueued_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        firstDisplayQueued_ = false;
        if (blnFileDisplayed_ || !isVisible()) return;
        Guarded(messages_, [this] { FirstDisplay(); })();
      },
      Qt::QueuedConnection);
}

void ViewWindow::FirstDisplay() {
  cmdClose_->setText(QStringLiteral("Close"));
  txbText1_->clear();
  SetCopyCaption(false);
  cmdCopyToClipboard_->setVisible(!blnCopyToClipboardInvisible);
  cmdCopyToClipboard_->setEnabled(true);
  txbText1_->setReadOnly(true);
  // Read-only text boxes select with the mouse only; the keyboard must select and copy too.
  txbText1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  LayOut();

  const ViewerText read =
      ReadViewerText(strFilename, GetText(kEmptyFileTitleText), GetText(kEmptyFileMessageText));
  if (read.failure) {
    messages_.Show(*read.failure);
    hide();
    return;
  }
  txbText1_->setPlainText(QString::fromStdU32String(read.text));
  txbText1_->moveCursor(QTextCursor::Start);
  txbText1_->ensureCursorVisible();
  blnFileDisplayed_ = true;
}

void ViewWindow::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  if (!isMinimized()) LayOut();
}

void ViewWindow::LayOut() {
  // The minimum size set in the constructor already keeps the window from shrinking below
  // the smallest outer size; the layout snaps the same way for sizes Qt reports mid-change.
  const ViewerLayout layout = LayOutViewer(width() * kTwipsPerPixel + kFrameWidth,
                                           height() * kTwipsPerPixel + kFrameHeight, copyWidth_);
  PlaceInTwips(txbText1_, layout.text);
  PlaceInTwips(cmdCopyToClipboard_, layout.copy);
  PlaceInTwips(cmdClose_, layout.close);
}

void ViewWindow::SetCopyCaption(bool selection) {
  cmdCopyToClipboard_->setText(CopyCaption(selection));
  copyWidth_ = selection ? kCopySelectedWidth : kCopyAllWidth;
  LayOut();
}

void ViewWindow::txbText1_SelectionSettled() {
  if (cmdCopyToClipboard_->isHidden() || !cmdCopyToClipboard_->isEnabled()) return;
  SetCopyCaption(txbText1_->textCursor().hasSelection());
}

void ViewWindow::cmdCopyToClipboard_Click() {
  if (CopySelectedOrAll(*txbText1_, clipboard_)) SetCopyCaption(false);
  cmdClose_->setFocus();
}

void ViewWindow::cmdClose_Click() { hide(); }

void ViewWindow::closeEvent(QCloseEvent* e) {
  // The close box ends this showing of the file: the next show reads it afresh.
  blnFileDisplayed_ = false;
  txbText1_->clear();
  e->accept();
}

void ShowHelpText(ViewWindow& viewer, const QWidget& mainWindow, const std::string& helpFile,
                  const std::string& caption) {
  if (viewer.isMinimized()) viewer.setWindowState(viewer.windowState() & ~Qt::WindowMinimized);
  if (!(viewer.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
    // Outer sizes of both windows differ from their client sizes by the same frame, so the
    // client size shrinks by exactly as much as the outer one.
    constexpr int32_t kTopOffset = 380;
    constexpr int32_t kLeftOffset = 100;
    constexpr int32_t kNarrower = 200;
    constexpr int32_t kLower = 480;
    const QRect frame = mainWindow.frameGeometry();
    viewer.move(frame.left() + TwipsToPixels(kLeftOffset), frame.top() + TwipsToPixels(kTopOffset));
    viewer.resize(mainWindow.width() - TwipsToPixels(kNarrower),
                  mainWindow.height() - TwipsToPixels(kLower));
  }
  viewer.strFilename = helpFile;
  viewer.setWindowTitle(QString::fromStdString(caption));
  viewer.blnCopyToClipboardInvisible = true;
  QFont textFont = viewer.txbText1()->font();
  textFont.setPointSizeF(kHelpTextPointSize);
  viewer.txbText1()->setFont(textFont);
  viewer.show();
  viewer.raise();
  viewer.activateWindow();
}

void ShowHelp(QWidget& mainWindow, MessageBoxes& messages, Clipboard& clipboard) {
  auto* viewer =
      mainWindow.findChild<ViewWindow*>(QStringLiteral("frmView"), Qt::FindDirectChildrenOnly);
  if (viewer == nullptr) viewer = new ViewWindow(messages, clipboard, &mainWindow);
  ShowHelpText(*viewer, mainWindow, DataFilePath(GetText(kHelpFileText)),
               GetText(kHelpCaptionText));
}

}  // namespace clvt
