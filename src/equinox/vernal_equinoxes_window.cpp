// The vernal equinox window. Geometry is laid out in twips (15 per pixel) as the window was
// designed; the copy button widens while a selection is pending so its longer caption fits.
#include "equinox/vernal_equinoxes_window.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "equinox/equinox.h"
#include "equinox/equinox_table.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "support/accessible_list_widget.h"
#include "support/enter_key_widget.h"
#include "support/identity.h"
#include "support/look_widget.h"
#include "support/text_box_widget.h"
#include "support/twips.h"

namespace clvt {
namespace {

constexpr int kCopyNarrowTwips = 3000;
constexpr int kClearLeftTwips = 5000;
// The table is as wide as its longest line: 104 columns, a marked line of a year from
// -1,000,000 down, which a run lists when the main window's year was changed after opening.
// Lines of the years 1 to 4000 take at most 84. Do it and Close stay aligned with its right
// edge.
constexpr int kLongestLineColumns = 104;
constexpr int kOutputLeftTwips = 240;
constexpr int kOutputWidthTwips = ListingBoxWidthTwips(kLongestLineColumns);  // 11,832
constexpr int kRightEdgeTwips = kOutputLeftTwips + kOutputWidthTwips;
constexpr int kOffsetLeftTwips = 160;    // from the main window's left edge
constexpr int kOffsetTopTwips = 300;     // below the top of the main window's output frame
constexpr int kBottomMarginTwips = 600;  // below the copy button, title bar included
constexpr int kTitleBarTwips = 345;      // caption and borders, which Qt keeps outside
constexpr int kWindowWidthTwips = kRightEdgeTwips + 40 + 240;  // 12,352
constexpr int kFirstDegree = 70;
constexpr int kDegreeCount = 10;
constexpr int kDefaultDegree = 77;
constexpr int kMinuteCount = 60;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr char kCopyCaption[] = "Copy to clipboard";

int Px(int twips) { return TwipsToPixels(twips); }

void Place(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

template <typename T>
T* Make(QWidget* parent, const char* name, const QString& text = {}) {
  T* w = new T(text, parent);
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

}  // namespace

VernalEquinoxesWindow::VernalEquinoxesWindow(VernalEquinoxHost host, MessageBoxes& messages,
                                             Clipboard& clipboard, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(std::move(host)), messages_(messages),
      clipboard_(clipboard) {
  setObjectName(QStringLiteral("frmVernalEquinoxes"));
  setWindowTitle(QStringLiteral("Vernal equinoxes"));
  // Close hides the window; closing it from the title bar destroys it, and the opener
  // creates it afresh next time.
  setAttribute(Qt::WA_DeleteOnClose);

  lblDates1_ = Make<QLabel>(this, "lblDates1", "Calculate vernal equinox dates/times for");
  Place(lblDates1_, 240, 150, 3735, 375);
  txbNumYears_ = Make<QLineEdit>(this, "txbNumYears");
  txbNumYears_->setMaxLength(3);
  txbNumYears_->setAccessibleName(QStringLiteral("Number of years"));
  Place(txbNumYears_, 3950, 120, 615, 360);
  lblDates2_ = Make<QLabel>(this, "lblDates2", "years from the year of the input date.");
  Place(lblDates2_, 4700, 135, 3615, 375);
  cmdDoIt_ = Make<QPushButton>(this, "cmdDoIt", QString::fromLatin1(kDoItCaption.data(),
                                                                     kDoItCaption.size()));
  Place(cmdDoIt_, kRightEdgeTwips - 995, 120, 1020, 360);
  lblWashingtonLongitude_ = Make<QLabel>(this, "lblWashingtonLongitude", "'Washington' longitude:");
  Place(lblWashingtonLongitude_, 240, 600, 2175, 375);
  cboDegrees_ = new QComboBox(this);
  cboDegrees_->setObjectName(QStringLiteral("cboDegrees"));
  SetListAccessibleName(cboDegrees_, QStringLiteral("Degrees"));
  Place(cboDegrees_, 2460, 600, 700, 315);
  lblDegrees_ = Make<QLabel>(this, "lblDegrees", "degrees");
  Place(lblDegrees_, 3240, 600, 850, 375);
  cboMinutes_ = new QComboBox(this);
  cboMinutes_->setObjectName(QStringLiteral("cboMinutes"));
  SetListAccessibleName(cboMinutes_, QStringLiteral("Minutes"));
  Place(cboMinutes_, 4140, 600, 700, 315);
  lblMinutes_ = Make<QLabel>(this, "lblMinutes", "minutes W");
  Place(lblMinutes_, 4900, 600, 1100, 375);
  optApparentST_ = Make<QRadioButton>(this, "optApparentST", "Apparent");
  Place(optApparentST_, 6240, 600, 1215, 360);
  optMeanST_ = Make<QRadioButton>(this, "optMeanST", "Mean solar time");
  Place(optMeanST_, 7560, 600, 1935, 360);
  txbOutput_ = new ListingBox(this);
  txbOutput_->setObjectName(QStringLiteral("txbOutput"));
  txbOutput_->setAccessibleName(QStringLiteral("Vernal equinox table"));
  Place(txbOutput_, kOutputLeftTwips, 1080, kOutputWidthTwips, 4095);
  cmdCopyToClipboard_ = Make<QPushButton>(this, "cmdCopyToClipboard", kCopyCaption);
  Place(cmdCopyToClipboard_, 240, 5325, kCopyNarrowTwips, 360);
  cmdClear_ = Make<QPushButton>(this, "cmdClear", "Clear");
  cmdClose_ = Make<QPushButton>(this, "cmdClose", "Close");
  Place(cmdClose_, kRightEdgeTwips + 40 - 1455, 5325, 1455, 360);
  // Clear sits on the row of Close, left of it.
  Place(cmdClear_, kClearLeftTwips, 5325, 1455, 360);

  QWidget* const order[] = {txbNumYears_, cmdDoIt_,  cboDegrees_,         cboMinutes_,
                            optApparentST_, optMeanST_, txbOutput_, cmdCopyToClipboard_,
                            cmdClear_,      cmdClose_};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  SetFontName(this, QStringLiteral("Arial"), true);
  QFont arial = font();
  arial.setFamily(QStringLiteral("Arial"));
  setFont(arial);
  txbOutput_->setFont(ListingFont());
  const uint32_t back = host_.BackColor ? host_.BackColor() : kDefaultBackColor;
  SetBackColor(this, back);
  SetForeColor(this, kWhite);
  // A button fills its background from the Button role; the options take the window's.
  for (QRadioButton* option : {optApparentST_, optMeanST_}) {
    option->setBackgroundRole(QPalette::Window);
  }

  InitEquinoxTerms();
  FillLongitudeLists();
  txbNumYears_->setText(QStringLiteral("12"));
  optApparentST_->setChecked(true);

  const int copyBottom = 5325 + 360;
  resize(Px(kWindowWidthTwips), Px(copyBottom + kBottomMarginTwips - kTitleBarTwips));
  PlaceBesideMainWindow();

  connect(cmdDoIt_, &QPushButton::clicked, this, &VernalEquinoxesWindow::cmdDoIt_Click);
  connect(cmdCopyToClipboard_, &QPushButton::clicked, this,
          &VernalEquinoxesWindow::cmdCopyToClipboard_Click);
  connect(cmdClear_, &QPushButton::clicked, this, &VernalEquinoxesWindow::cmdClear_Click);
  connect(cmdClose_, &QPushButton::clicked, this, &VernalEquinoxesWindow::cmdClose_Click);
  for (QComboBox* list : {cboDegrees_, cboMinutes_}) {
    connect(list, &QComboBox::activated, this, [this] {
      if (isVisible()) cmdDoIt_->setFocus();
    });
  }
  RunOnEnterRelease(txbNumYears_, [this] {
    if (cmdDoIt_->isEnabled()) cmdDoIt_Click();
  });
  PressButtonsOnEnter(this);
  FollowSelectionWithCopyButton(*txbOutput_, *cmdCopyToClipboard_);  // txbOutput_MouseUp
}

void VernalEquinoxesWindow::PlaceBesideMainWindow() {
  if (host_.mainWindow == nullptr) return;
  const int frameTop = host_.outputFrame != nullptr ? host_.outputFrame->y() : 0;
  move(host_.mainWindow->x() + Px(kOffsetLeftTwips),
       host_.mainWindow->y() + frameTop + Px(kOffsetTopTwips));
}

void VernalEquinoxesWindow::FillLongitudeLists() {
  cboDegrees_->clear();
  for (int d = kFirstDegree; d < kFirstDegree + kDegreeCount; ++d) {
    cboDegrees_->addItem(QString::number(d));
  }
  cboDegrees_->setCurrentIndex(kDefaultDegree - kFirstDegree);
  cboMinutes_->clear();
  for (int m = 0; m < kMinuteCount; ++m) cboMinutes_->addItem(QString::number(m));
  cboMinutes_->setCurrentIndex(0);
}

void VernalEquinoxesWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void VernalEquinoxesWindow::Form_Activate() {
  cmdCopyToClipboard_->setEnabled(true);
  // A click that activated the window presses what it landed on; moving the focus away now
  // would cancel that press.
  const bool pressUnderWay = MousePressUnderWay();
  WriteEquinoxHeading(!pressUnderWay);
  if (!pressUnderWay) FocusNumYears();
}

void VernalEquinoxesWindow::WriteEquinoxHeading(bool moveFocus) {
  if (txbOutput_->toPlainText().contains(QStringLiteral("CE"))) return;
  const DeeVariant dee = host_.Dee ? host_.Dee() : DeeVariant{};
  txbOutput_->setPlainText(QString::fromStdString(EquinoxHeading(dee.name)));
  if (moveFocus && cmdDoIt_->isEnabled()) cmdDoIt_->setFocus();
  txbOutput_->viewport()->update();
}

void VernalEquinoxesWindow::FocusNumYears() {
  txbNumYears_->setCursorPosition(static_cast<int>(txbNumYears_->text().size()));
  txbNumYears_->setFocus();
}

void VernalEquinoxesWindow::cmdDoIt_Click() {
  const std::string numYears = txbNumYears_->text().toStdString();
  EquinoxRunInput input;
  input.txbNumYears = numYears;
  input.inputDateInUse = !host_.intInputDateType || host_.intInputDateType() >= 0;
  input.startYear = host_.GetYear ? host_.GetYear() : lngYear;
  input.settings.degrees = kFirstDegree + cboDegrees_->currentIndex();
  input.settings.minutes = cboMinutes_->currentIndex();
  input.settings.apparent = optApparentST_->isChecked();
  input.settings.dee = host_.Dee ? host_.Dee() : DeeVariant{};
  input.settings.optDee = host_.DeeSelected && host_.DeeSelected();
  input.tableLength = txbOutput_->Length();
  input.tableContainsCE = txbOutput_->toPlainText().contains(QStringLiteral("CE"));
  input.capacity = int64_t{host_.TextBoxCapacityInKB ? host_.TextBoxCapacityInKB() : 63} * 1024;

  const EquinoxRunResult run = RunVernalEquinoxes(input, messages_);
  txbNumYears_->setText(QString::fromStdString(run.txbNumYears));
  if (!run.changed) return;
  lngYear = run.lngYear;
  txbOutput_->WriteRun(run.text, run.replaceTable, run.closingMessage, messages_);
  if (!run.stoppedFull) FocusNumYears();
}

void VernalEquinoxesWindow::cmdCopyToClipboard_Click() {
  if (!txbOutput_->document()->isEmpty()) {
    clipboard_.Clear();
    clipboard_.SetText(txbOutput_->SelectedOrAllText().toStdString());
    SetListingCopyButton(*cmdCopyToClipboard_, false);
  }
  cmdClear_->setFocus();
}

void VernalEquinoxesWindow::cmdClear_Click() {
  txbOutput_->clear();
  WriteEquinoxHeading(true);
  SetListingCopyButton(*cmdCopyToClipboard_, false);
  FocusNumYears();
}

void VernalEquinoxesWindow::cmdClose_Click() { hide(); }

}  // namespace clvt
