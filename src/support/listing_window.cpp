// The scaffold of the two listing windows. Geometry is in twips (15 per pixel) as the windows
// were designed; every button's work runs guarded, so no exception leaves a slot.
#include "support/listing_window.h"

#include <QEvent>
#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include <string>

#include "platform/message_box.h"
#include "support/accessible_widget.h"
#include "support/enter_key_widget.h"
#include "support/focus_mark_widget.h"
#include "support/listing_text.h"
#include "support/look_widget.h"
#include "support/text_box_widget.h"
#include "support/twips_widget.h"

namespace clvt {
namespace {

constexpr int kMargin = 240;   // left of the listing, and right of the buttons
constexpr int kRightGap = 40;  // Close reaches this far past the listing's right edge
constexpr int kTopRow = 120;   // the number box and Do it
constexpr int kRowHeight = 360;
constexpr int kNumberBoxWidth = 615;
constexpr int kNumberBoxMaxLength = 3;
constexpr int kDoItWidth = 1020;
constexpr int kDoItInset = 995;  // Do it's left edge from the listing's right edge
constexpr int kListingHeight = 4095;
constexpr int kButtonWidth = 1455;  // Clear and Close
// Offsets from the main window's left edge and from the top of its output frame.
constexpr int kOffsetLeft = 160;
constexpr int kOffsetTop = 300;
constexpr int kDefaultPointSize = 9;  // without a main window to take the font from
constexpr uint32_t kWhite = 0xFFFFFF;

}  // namespace

ListingWindow::ListingWindow(const ListingWindowShape& shape, ListingHost& host,
                             MessageBoxes& messages, Clipboard& clipboard, QWidget* parent)
    : QWidget(parent, Qt::Window),
      host_(host),
      messages_(messages),
      clipboard_(clipboard),
      numberBox_(new QLineEdit(this)),
      cmdDoIt_(new QPushButton(
          QString::fromUtf8(kDoItCaption.data(), static_cast<qsizetype>(kDoItCaption.size())),
          this)),
      txbOutput_(new ListingBox(this)),
      cmdCopyToClipboard_(new QPushButton(CopyCaption(false), this)),
      cmdClear_(new QPushButton(QStringLiteral("Clear"), this)),
      cmdClose_(new QPushButton(QStringLiteral("Close"), this)),
      clientWidthTwips_(kMargin + ListingBoxWidthTwips(shape.longestLineColumns) + kRightGap +
                        kMargin) {
  setObjectName(QString::fromLatin1(shape.objectName));
  setWindowTitle(QString::fromLatin1(shape.title));
  setAttribute(Qt::WA_DeleteOnClose);
  DescribeAsWindow(this);

  numberBox_->setObjectName(QString::fromLatin1(shape.numberBoxName));
  cmdDoIt_->setObjectName(QStringLiteral("cmdDoIt"));
  txbOutput_->setObjectName(QStringLiteral("txbOutput"));
  cmdCopyToClipboard_->setObjectName(QStringLiteral("cmdCopyToClipboard"));
  cmdClear_->setObjectName(QStringLiteral("cmdClear"));
  cmdClose_->setObjectName(QStringLiteral("cmdClose"));
  numberBox_->setMaxLength(kNumberBoxMaxLength);
  numberBox_->setAccessibleName(QString::fromLatin1(shape.numberBoxAccessibleName));
  txbOutput_->setAccessibleName(QString::fromLatin1(shape.listingAccessibleName));

  const int listingWidth = ListingBoxWidthTwips(shape.longestLineColumns);
  const int rightEdge = kMargin + listingWidth;
  PlaceInTwips(numberBox_, {shape.numberBoxLeft, kTopRow, kNumberBoxWidth, kRowHeight});
  PlaceInTwips(cmdDoIt_, {rightEdge - kDoItInset, kTopRow, kDoItWidth, kRowHeight});
  PlaceInTwips(txbOutput_, {kMargin, shape.listingTop, listingWidth, kListingHeight});
  PlaceInTwips(cmdCopyToClipboard_, {kMargin, shape.buttonRowTop, kCopyNarrowTwips, kRowHeight});
  PlaceInTwips(cmdClear_, {shape.clearLeft, shape.buttonRowTop, kButtonWidth, kRowHeight});
  PlaceInTwips(cmdClose_, {rightEdge + kRightGap - kButtonWidth, shape.buttonRowTop, kButtonWidth,
                           kRowHeight});

  const auto on = [this](auto work) { return Guarded(messages_, work); };
  connect(cmdDoIt_, &QPushButton::clicked, this, on([this] { cmdDoIt_Click(); }));
  connect(cmdCopyToClipboard_, &QPushButton::clicked, this,
          on([this] { cmdCopyToClipboard_Click(); }));
  connect(cmdClear_, &QPushButton::clicked, this, on([this] { cmdClear_Click(); }));
  connect(cmdClose_, &QPushButton::clicked, this, on([this] { cmdClose_Click(); }));
  new QShortcut(QKeySequence(Qt::Key_Escape), this, on([this] { cmdClose_Click(); }));
  RunOnEnterRelease(numberBox_, on([this] {
                      if (cmdDoIt_->isEnabled()) cmdDoIt_Click();
                    }));
  PressButtonsOnEnter(this);
  MarkFocus(this);
  FollowSelectionWithCopyButton(*txbOutput_, *cmdCopyToClipboard_);
}

void ListingWindow::SetTabOrder(std::initializer_list<QWidget*> between) {
  QWidget* previous = numberBox_;
  const auto next = [&previous](QWidget* w) {
    setTabOrder(previous, w);
    previous = w;
  };
  next(cmdDoIt_);
  for (QWidget* w : between) next(w);
  for (QWidget* w : {static_cast<QWidget*>(txbOutput_), static_cast<QWidget*>(cmdCopyToClipboard_),
                     static_cast<QWidget*>(cmdClear_), static_cast<QWidget*>(cmdClose_)}) {
    next(w);
  }
}

void ListingWindow::FormLoad(const QString& number) {
  // The window's caption left of the number box reaches under the box; the box stays on top.
  numberBox_->raise();
  QWidget* mainWidget = host_.MainWidget();
  QFont font = mainWidget != nullptr ? mainWidget->font() : QFont();
  if (mainWidget == nullptr) font.setPointSize(kDefaultPointSize);
  font.setFamily(QStringLiteral("Arial"));
  setFont(font);
  SetFontName(this, QStringLiteral("Arial"), true);
  txbOutput_->setFont(ListingFont());
  SetBackColor(this, host_.BackColour());
  SetForeColor(this, kWhite);
  FitCaptions(this);
  PlaceBesideMainWindow();
  SetListingCopyButton(*cmdCopyToClipboard_, false);
  numberBox_->setText(number);
}

void ListingWindow::PlaceBesideMainWindow() {
  QWidget* mainWidget = host_.MainWidget();
  if (mainWidget == nullptr) return;
  QWidget* frame = host_.OutputFrame();
  const int frameTop = frame != nullptr ? frame->mapTo(mainWidget, QPoint()).y() : 0;
  move(mainWidget->pos() +
       QPoint(TwipsToPixels(kOffsetLeft), frameTop + TwipsToPixels(kOffsetTop)));
}

void ListingWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    Guarded(messages_, [this] { Form_Activate(); })();
  }
}

void ListingWindow::Form_Activate() {
  cmdCopyToClipboard_->setEnabled(true);
  // A click that activated the window presses what it landed on; moving the focus away now
  // would cancel that press.
  const bool pressUnderWay = MousePressUnderWay();
  ShowHeading(!pressUnderWay);
  if (!pressUnderWay) FocusNumberBox();
}

void ListingWindow::FocusNumberBox() {
  numberBox_->setCursorPosition(static_cast<int>(numberBox_->text().size()));
  numberBox_->setFocus();
}

const std::string& ListingWindow::ListingText() const { return txbOutput_->HeldText(); }

void ListingWindow::ReadListing(ListingRequest& request,
                                bool (*holdsRun)(std::string_view listing)) const {
  request.numberBox = numberBox_->text().toStdString();
  request.heldLength = txbOutput_->Length();
  request.heldRun = holdsRun(txbOutput_->HeldText());
}

void ListingWindow::WriteRun(const ListingRun& run) {
  numberBox_->setText(QString::fromStdString(run.numberBox));
  if (!run.changed) return;
  txbOutput_->WriteRun(run, messages_);
  if (!run.stoppedFull) FocusNumberBox();
}

void ListingWindow::cmdDoIt_Click() { DoIt(); }

void ListingWindow::cmdCopyToClipboard_Click() {
  if (CopySelectedOrAll(*txbOutput_, clipboard_)) {
    SetListingCopyButton(*cmdCopyToClipboard_, false);
  }
  cmdClear_->setFocus();
}

void ListingWindow::cmdClear_Click() {
  txbOutput_->clear();
  ShowHeading(true);
  SetListingCopyButton(*cmdCopyToClipboard_, false);
  FocusNumberBox();
}

void ListingWindow::cmdClose_Click() { hide(); }

}  // namespace clvt
