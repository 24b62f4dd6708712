// The date sequence window. It reads its controls and the main window's state, lets the pure
// builder make the text of a run, and appends it; the listing lives only in txbOutput.
// A "Do it" while the main window has no input notation in use (its input was cleared while
// this window stayed open) lists nothing and says why, rather than starting from a stale day.
#include "sequence/date_sequence_window.h"

#include <optional>

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "sequence/sequence_listing.h"
#include "support/enter_key_widget.h"
#include "support/look_widget.h"
#include "support/text_box_widget.h"
#include "support/twips.h"

namespace clvt {
namespace {

constexpr int Px(int twips) { return TwipsToPixels(twips); }
QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

// The listing box is as wide as its longest line: 86 columns, written by a run that starts
// at a one-digit JDN (the weekday padding is fixed by that first day) and reaches a
// Wednesday. The Do it and Close buttons stay aligned with its right edge.
constexpr int kLongestLineColumns = 86;
constexpr int kOutputLeft = 240;
constexpr int kOutputWidth = ListingBoxWidthTwips(kLongestLineColumns);  // 9,888
constexpr int kRightEdge = kOutputLeft + kOutputWidth;
// Client area: the controls end 40 twips right of the box and 5210 down; a margin as on the
// left.
constexpr int kFormWidth = kRightEdge + 40 + 240;  // 10,408
constexpr int kFormHeight = 5450;
// Offsets from the main window when the window is first placed.
constexpr int kLeftOffset = 160;
constexpr int kTopOffset = 300;
constexpr int kCopyNarrow = 3000;
constexpr int kButtonRowTop = 4850;
constexpr int kButtonHeight = 360;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int kDefaultPointSize = 9;

const char* const kCopyCaption = "Copy to clipboard";

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

DateSequenceWindow::DateSequenceWindow(DateSequenceHost& host, MessageBoxes& messages,
                                       Clipboard& clipboard, QWidget* parent)
    : QWidget(parent, Qt::Window),
      host_(host),
      messages_(messages),
      clipboard_(clipboard),
      lblDates1_(new QLabel("Calculate dates for", this)),
      txbNumDays_(new QLineEdit(this)),
      lblDates2_(new QLabel("days from the input date.", this)),
      cmdDoIt_(new QPushButton(FromStd(std::string(kDoItCaption)), this)),
      txbOutput_(new ListingBox(this)),
      cmdCopyToClipboard_(new QPushButton(kCopyCaption, this)),
      cmdClear_(new QPushButton("Clear", this)),
      cmdClose_(new QPushButton("Close", this)) {
  setObjectName("frmDateSequence");
  setWindowTitle("Date sequence");
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(Px(kFormWidth), Px(kFormHeight));

  lblDates1_->setObjectName("lblDates1");
  txbNumDays_->setObjectName("txbNumDays");
  lblDates2_->setObjectName("lblDates2");
  cmdDoIt_->setObjectName("cmdDoIt");
  txbOutput_->setObjectName("txbOutput");
  cmdCopyToClipboard_->setObjectName("cmdCopyToClipboard");
  cmdClear_->setObjectName("cmdClear");
  cmdClose_->setObjectName("cmdClose");

  lblDates1_->setGeometry(TwipsRect(120, 150, 1935, 375));
  txbNumDays_->setGeometry(TwipsRect(2000, 120, 615, 360));
  lblDates2_->setGeometry(TwipsRect(2760, 140, 2295, 375));
  cmdDoIt_->setGeometry(TwipsRect(kRightEdge - 995, 120, 1020, 360));
  txbOutput_->setGeometry(TwipsRect(kOutputLeft, 600, kOutputWidth, 4095));
  cmdCopyToClipboard_->setGeometry(TwipsRect(240, kButtonRowTop, kCopyNarrow, kButtonHeight));
  cmdClear_->setGeometry(TwipsRect(4800, kButtonRowTop, 1455, kButtonHeight));
  cmdClose_->setGeometry(TwipsRect(kRightEdge + 40 - 1455, kButtonRowTop, 1455, kButtonHeight));
  lblDates1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblDates2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  txbNumDays_->setMaxLength(3);
  txbNumDays_->setAccessibleName("Number of days");
  txbOutput_->setAccessibleName("Date sequence listing");

  setTabOrder(txbNumDays_, cmdDoIt_);
  setTabOrder(cmdDoIt_, txbOutput_);
  setTabOrder(txbOutput_, cmdCopyToClipboard_);
  setTabOrder(cmdCopyToClipboard_, cmdClear_);
  setTabOrder(cmdClear_, cmdClose_);

  connect(cmdDoIt_, &QPushButton::clicked, this, [this] { cmdDoIt_Click(); });
  connect(cmdCopyToClipboard_, &QPushButton::clicked, this,
          [this] { cmdCopyToClipboard_Click(); });
  connect(cmdClear_, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
  connect(cmdClose_, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
  RunOnEnterRelease(txbNumDays_, [this] {
    if (cmdDoIt_->isEnabled()) cmdDoIt_Click();
  });
  PressButtonsOnEnter(this);
  FollowSelectionWithCopyButton(*txbOutput_, *cmdCopyToClipboard_);  // txbOutput_MouseUp

  Form_Load();
}

void DateSequenceWindow::Form_Load() {
  QWidget* mainWidget = host_.MainWidget();
  QFont font = mainWidget != nullptr ? mainWidget->font() : QFont();
  if (mainWidget == nullptr) font.setPointSize(kDefaultPointSize);
  setFont(font);
  SetFontName(this, "Arial", false);
  SetBackColor(this, host_.lngBackColor());
  SetForeColor(this, kWhite);

  if (mainWidget != nullptr) {
    int frameTop = 0;
    if (QWidget* frame = host_.OutputFrame()) frameTop = frame->mapTo(mainWidget, QPoint()).y();
    move(mainWidget->pos() + QPoint(Px(kLeftOffset), frameTop + Px(kTopOffset)));
  }

  SetListingCopyButton(*cmdCopyToClipboard_, false);
  txbNumDays_->setText("14");
  txbOutput_->clear();
}

void DateSequenceWindow::Form_Activate() {
  cmdCopyToClipboard_->setEnabled(true);
  // A click that activated the window presses what it landed on; moving the focus away now
  // would cancel that press.
  if (!MousePressUnderWay()) FocusNumDays();
}

void DateSequenceWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void DateSequenceWindow::FocusNumDays() {
  txbNumDays_->setCursorPosition(static_cast<int>(txbNumDays_->text().size()));
  txbNumDays_->setFocus();
}

void DateSequenceWindow::cmdDoIt_Click() {
  const NumDaysCheck check = CheckNumDays(txbNumDays_->text().toStdString());
  txbNumDays_->setText(FromStd(check.text));
  if (check.message) {
    messages_.Show(*check.message);
    return;
  }
  if (check.numDays == 0) return;
  if (host_.intInputDateType() < 0) {
    messages_.Show(NoInputDateMessage());
    return;
  }

  const int64_t capacity = int64_t{host_.lngTextBoxCapacityInKB()} * 1024;
  if (ListingIsFull(txbOutput_->Length(), capacity)) {
    if (!messages_.Show(ClearFullTextboxQuestion())) return;
    txbOutput_->clear();
  }

  // The run's own start: the main window's input as it stands now. Its verdict is not
  // checked; an input gone invalid leaves lngJDN as the last good run set it.
  host_.GetJDN(host_.SelectedCalendarText(), false);
  SequenceRequest request;
  request.startJDN = host_.lngJDN();
  request.numDays = check.numDays;
  request.dee = DeeVariant{host_.strDeeCalendarName(), host_.strDeeCalendarDesignation()};
  request.optDee = host_.DeeSelected();
  request.heldLength = txbOutput_->Length();
  request.heldContainsCE = txbOutput_->toPlainText().contains(QLatin1String("CE"));
  request.capacity = capacity;
  const SequenceRun run = BuildSequenceRun(request);
  txbOutput_->WriteRun(run.text, false,
                       run.textboxFull ? std::optional(TextboxFullMessage()) : std::nullopt,
                       messages_);
  if (!run.textboxFull) FocusNumDays();
}

void DateSequenceWindow::cmdCopyToClipboard_Click() {
  if (!txbOutput_->document()->isEmpty()) {
    clipboard_.Clear();
    clipboard_.SetText(txbOutput_->SelectedOrAllText().toStdString());
    SetListingCopyButton(*cmdCopyToClipboard_, false);
  }
  cmdClear_->setFocus();
}

void DateSequenceWindow::cmdClear_Click() {
  txbOutput_->clear();
  SetListingCopyButton(*cmdCopyToClipboard_, false);
  FocusNumDays();
}

void DateSequenceWindow::cmdClose_Click() { hide(); }

}  // namespace clvt
