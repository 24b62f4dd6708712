// The date sequence window. It reads its number box and the main window's state, lets the
// pure builder make the text of a run, and appends it; the listing lives only in txbOutput.
// A "Do it" while the main window has no input notation in use (its input was cleared while
// this window stayed open) lists nothing and says why, rather than starting from a stale day.
#include "sequence/date_sequence_window.h"

#include <QLabel>
#include <QLineEdit>

#include "platform/message_box.h"
#include "sequence/sequence_listing.h"
#include "support/listing_text.h"
#include "support/text_box_widget.h"
#include "support/twips_widget.h"

namespace clvt {
namespace {

// The listing box is as wide as its longest line: 86 columns, written by a run that starts
// at a one-digit JDN (the weekday padding is fixed by that first day) and reaches a
// Wednesday.
constexpr ListingWindowShape kShape{
    "frmDateSequence",      "Date sequence",           "txbNumDays",
    "Number of days",       "Date sequence listing",
    /*numberBoxLeft=*/2000, /*longestLineColumns=*/86,
    /*listingTop=*/600,     /*buttonRowTop=*/4850,     /*clearLeft=*/4800};
// The controls end 5210 twips down; a margin below them as on the left.
constexpr int kFormHeight = 5450;

}  // namespace

DateSequenceWindow::DateSequenceWindow(ListingHost& host, MessageBoxes& messages,
                                       Clipboard& clipboard, QWidget* parent)
    : ListingWindow(kShape, host, messages, clipboard, parent),
      lblDates1_(new QLabel(QStringLiteral("Calculate dates for"), this)),
      lblDates2_(new QLabel(QStringLiteral("days from the input date."), this)) {
  setFixedSize(TwipsToPixels(ClientWidthTwips()), TwipsToPixels(kFormHeight));
  lblDates1_->setObjectName(QStringLiteral("lblDates1"));
  lblDates2_->setObjectName(QStringLiteral("lblDates2"));
  PlaceInTwips(lblDates1_, {120, 150, 1935, 375});
  PlaceInTwips(lblDates2_, {2760, 140, 2295, 375});
  lblDates1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblDates2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetTabOrder({});
  FormLoad(QStringLiteral("14"));
}

void DateSequenceWindow::DoIt() {
  SequenceRequest request;
  ReadListing(request, SequenceListingHoldsRun);
  request.inputInUse = host_.InputDayInUse();
  // The main window's input as it stands now; an input gone invalid gives the day of the
  // last good run.
  request.start = [this] { return host_.InputJdn(); };
  request.dee = host_.Dee();
  WriteRun(RunDateSequence(request, messages_));
}

}  // namespace clvt
