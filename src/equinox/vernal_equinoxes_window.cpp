// The vernal equinox window. Geometry is laid out in twips (15 per pixel) as the window was
// designed; the shared controls and what they do come from the listing-window scaffold.
#include "equinox/vernal_equinoxes_window.h"

#include <functional>
#include <string>
#include <type_traits>
#include <utility>

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "equinox/equinox_table.h"
#include "platform/message_box.h"
#include "support/accessible_widget.h"
#include "support/text_box_widget.h"
#include "support/twips_widget.h"

namespace clvt {
namespace {

// The table is as wide as its longest line: 104 columns, a marked line of a year from
// -1,000,000 down, which a run lists when the main window's year was changed after opening.
// Lines of the years 1 to 4000 take at most 84.
constexpr ListingWindowShape kShape{
    "frmVernalEquinoxes",   "Vernal equinoxes",         "txbNumYears",
    "Number of years",      "Vernal equinox table",
    /*numberBoxLeft=*/3950, /*longestLineColumns=*/104,
    /*listingTop=*/1080,    /*buttonRowTop=*/5325,      /*clearLeft=*/5000};
constexpr int kBottomMarginTwips = 600;  // below the copy button, title bar included
constexpr int kTitleBarTwips = 345;      // caption and borders, which Qt keeps outside
constexpr int kButtonHeightTwips = 360;
constexpr int kFirstDegree = 70;
constexpr int kDegreeCount = 10;
constexpr int kDefaultDegree = 77;
constexpr int kMinuteCount = 60;

// Runs action after an item is chosen from list's open pop-up, by a click or Return there. Qt
// reports an item reached by an arrow key or by typing on the closed list the same way, and a
// keyboard user must then stay on the list: "30" is typed as "3" and "0".
class ChoiceFromPopUp : public QObject {
 public:
  ChoiceFromPopUp(QComboBox* list, std::function<void()> action)
      : QObject(list), action_(std::move(action)) {
    list->view()->installEventFilter(this);
    connect(list, &QComboBox::activated, this, [this] {
      if (open_) action_();
    });
  }

 protected:
  // The pop-up closes just before the list reports the choice made in it, so it counts as
  // open until the events of that choice are done.
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      open_ = true;
    } else if (event->type() == QEvent::Hide) {
      QMetaObject::invokeMethod(
          this, [this] { open_ = false; }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  std::function<void()> action_;
  bool open_ = false;
};

template <typename T>
T* Make(QWidget* parent, const char* name, int left, int top, int width, int height,
        const char* text = nullptr) {
  T* w = new T(parent);
  w->setObjectName(QString::fromLatin1(name));
  if constexpr (!std::is_same_v<T, QComboBox>) w->setText(QString::fromLatin1(text));
  PlaceInTwips(w, {left, top, width, height});
  return w;
}

}  // namespace

VernalEquinoxesWindow::VernalEquinoxesWindow(ListingHost& host, MessageBoxes& messages,
                                             Clipboard& clipboard, QWidget* parent)
    : ListingWindow(kShape, host, messages, clipboard, parent) {
  lblDates1_ = Make<QLabel>(this, "lblDates1", 240, 150, 3735, 375,
                            "Calculate vernal equinox dates/times for");
  lblDates2_ = Make<QLabel>(this, "lblDates2", 4700, 135, 3615, 375,
                            "years from the year of the input date.");
  lblWashingtonLongitude_ =
      Make<QLabel>(this, "lblWashingtonLongitude", 240, 600, 2175, 375, "'Washington' longitude:");
  cboDegrees_ = Make<QComboBox>(this, "cboDegrees", 2460, 600, 700, 315);
  SetListAccessibleName(cboDegrees_, QStringLiteral("Degrees"));
  lblDegrees_ = Make<QLabel>(this, "lblDegrees", 3240, 600, 850, 375, "degrees");
  cboMinutes_ = Make<QComboBox>(this, "cboMinutes", 4140, 600, 700, 315);
  SetListAccessibleName(cboMinutes_, QStringLiteral("Minutes"));
  lblMinutes_ = Make<QLabel>(this, "lblMinutes", 4900, 600, 1100, 375, "minutes W");
  optApparentST_ = Make<QRadioButton>(this, "optApparentST", 6240, 600, 1215, 360, "Apparent");
  optMeanST_ = Make<QRadioButton>(this, "optMeanST", 7560, 600, 1935, 360, "Mean solar time");
  SetTabOrder({cboDegrees_, cboMinutes_, optApparentST_, optMeanST_});

  FormLoad(QStringLiteral("12"));
  // A button fills its background from the Button role; the options take the window's.
  for (QRadioButton* option : {optApparentST_, optMeanST_}) {
    option->setBackgroundRole(QPalette::Window);
  }
  FillLongitudeLists();
  optApparentST_->setChecked(true);
  // Nothing in the window follows a change of size, so it keeps the one it was laid out for.
  setFixedSize(TwipsToPixels(ClientWidthTwips()),
               TwipsToPixels(kShape.buttonRowTop + kButtonHeightTwips + kBottomMarginTwips -
                             kTitleBarTwips));

  for (QComboBox* list : {cboDegrees_, cboMinutes_}) {
    new ChoiceFromPopUp(list, [this] {
      if (isVisible()) cmdDoIt_->setFocus();
    });
  }
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

void VernalEquinoxesWindow::ShowHeading(bool moveFocus) {
  if (EquinoxTableHoldsRun(ListingText())) return;
  txbOutput_->setPlainText(QString::fromStdString(EquinoxHeading(host_.Dee().name)));
  if (moveFocus && cmdDoIt_->isEnabled()) cmdDoIt_->setFocus();
  txbOutput_->viewport()->update();
}

void VernalEquinoxesWindow::DoIt() {
  EquinoxRequest request;
  ReadListing(request, EquinoxTableHoldsRun);
  request.inputInUse = host_.InputDateInUse();
  request.start = [this] { return host_.InputYear(); };
  request.settings.degrees = kFirstDegree + cboDegrees_->currentIndex();
  request.settings.minutes = cboMinutes_->currentIndex();
  request.settings.apparent = optApparentST_->isChecked();
  request.settings.dee = host_.Dee();
  WriteRun(RunVernalEquinoxes(request, messages_));
}

}  // namespace clvt
