#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "datetext/input_controls.h"
#include "platform/message_box.h"
#include "platform/morvel/date_rec.h"
#include "run/conversion.h"
#include "support/listing_text.h"

// The date sequence as pure functions: the press of Date sequence in the main window, and one
// run of "Do it" (the check of the number of days, and the text it appends to the listing:
// heading, day lines, summary). The window and `clvt sequence` both build their output here,
// so the two always agree.
namespace clvt {

// Largest number of days one run lists.
inline constexpr int kMaxSequenceDays = 800;

// The press of Date sequence in the main window: the input check, then the input's JDN after
// any amounts (CheckPressInput, then ReadStartJDN). The listing starts from start.jdn when ok.
PressStart DateSequenceStart(InputControls& controls, Notation notation, const DeeVariant& dee,
                             int32_t jdn, std::string_view groupingSymbol);

// One press of "Do it": its number box holds the number of days, start gives the first day's
// JDN, and heldRun says whether the listing holds day lines of an earlier run
// (SequenceListingHoldsRun).
struct SequenceRequest : ListingRequest {
  DeeVariant dee;  // the variant of the Dee dates and of the heading; under the Dee variant the
                   // dates get a trailing blank so that "D" takes as many columns as "DC"
};

// Whether listing, the window's text, holds day lines of a run: each of them holds "CE".
bool SequenceListingHoldsRun(std::string_view listing);

// The values one day line shows; its text is written from them.
struct SequenceDay {
  int32_t jdn = 0;
  DateRec gregorian;          // the day in the Gregorian calendar
  DateRec dee;                // the day in the Dee calendar of the request's variant
  std::string gregorianText;  // "2015-11-22 CE"
  std::string deeText;        // "2015-11-22 DC"
  std::string weekday;        // "Sunday"
  bool same = false;          // both dates have the same year-month-day numbers
  bool marked = false;        // the line carries "<--": agreement starts or stops here
};

// What one press does, as ListingRun says; when the listing filled up mid-run, stoppedFull with
// closingMessage "Textbox is full.", the summary then left out.
struct SequenceRun : ListingRun {
  std::vector<SequenceDay> days;       // one per line written, in order
  int sameCount = 0;                   // days of the run with the same numbers in both calendars
  std::optional<std::string> summary;  // the summary sentence, when one was written
};

// One press of "Do it": StartListing with the noun "days" (its messages go through messages),
// then the run, the Dee dates in request.dee. Into an empty or cleared listing it writes the
// heading; after an earlier run one empty line. Before each line it checks the capacity and
// stops when the listing already exceeds it. A run never steps past the last representable
// JDN; it then ends there as if fewer days had been asked for. Example: "1" day from 2457349
// into an empty listing gives the heading and the line
// "   2015-11-22 CE        2015-11-22 DC          2,457,349            Sunday".
SequenceRun RunDateSequence(const SequenceRequest& request, MessageBoxes& messages);

// The summary sentence for count matching days out of numDays (numDays >= 1).
std::string SequenceSummary(int count, int numDays);

// English word for a count: 0 "No", 1..20 "One".."Twenty", tens "Thirty".."Ninety",
// 21..99 "Twenty one" .. "Ninety nine"; from 100 on (and below 0) the digits grouped with the
// user's digit-grouping symbol, "1,234".
std::string NumberWord(int n);

}  // namespace clvt
