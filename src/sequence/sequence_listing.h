#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/morvel/date_rec.h"

#include "base/message.h"
#include "datetext/input_controls.h"
#include "support/listing_text.h"

// The date sequence listing as pure functions: the check of the number of days, and the text
// one run of "Do it" appends to the listing (heading, day lines, summary). The window and
// `clvt sequence` both build their output here, so the two always agree.
namespace clvt {

// Largest number of days one run lists.
inline constexpr int kMaxSequenceDays = 800;

// The verdict on the text of the number-of-days box.
struct NumDaysCheck {
  std::string text;                // the text without leading and trailing blanks
  int numDays = 0;                 // 1..800 when the run may go ahead, 0 otherwise
  std::optional<Message> message;  // set when the text is refused with a message
};

// Checks the number of days: blanks around it are dropped; empty text or a value of 0 stops
// silently; anything but plain digits gives "Invalid input for number of days.", a value
// above 800 "Too many days" (both information, title "Do it"). Leading zeros are fine
// ("007" -> 7). Digit runs of any length are safe: "99999999999999999999" is too many days.
NumDaysCheck CheckNumDays(std::string_view text);

// "Invalid input for number of days." (information, title "Do it").
Message InvalidNumDaysMessage();

// What one run starts from and lists.
struct SequenceRequest {
  int32_t startJDN = 0;         // the first day listed
  int numDays = 0;              // 1..800; values outside are clamped to that range
  DeeVariant dee;               // the variant of the Dee dates and of the heading; under the
                                // Dee variant the dates get a trailing blank so that "D" takes
                                // as many columns as "DC"
  int64_t heldLength = 0;       // ListingLength of what the listing already holds
  bool heldContainsCE = false;  // whether that listing contains the text "CE"
  int64_t capacity = kListingCapacity;  // characters the listing may hold
};

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

// What one run appends (never replace): the text, and when the listing filled up mid-run
// stoppedFull with closingMessage "Textbox is full.", the summary then left out.
struct SequenceRun : ListingRun {
  int daysListed = 0;                  // lines written
  std::vector<SequenceDay> days;       // one per line written, in order
  int sameCount = 0;                   // days of the run with the same numbers in both calendars
  std::optional<std::string> summary;  // the summary sentence, when one was written
};

// Builds one run, the Dee dates in request.dee. Into an empty listing (heldLength 0) it writes
// the heading; after earlier runs (a listing containing "CE") one empty line. Before each line
// it checks the capacity and stops when the listing already exceeds it. A run never steps
// past the last representable JDN; it then ends there as if fewer days had been asked for.
// Example: {2457349, 1, kDeeCecilVariant, 0, false} gives the heading and the line
// "   2015-11-22 CE        2015-11-22 DC          2,457,349            Sunday".
SequenceRun BuildSequenceRun(const SequenceRequest& request);

// The summary sentence for count matching days out of numDays (numDays >= 1).
std::string SequenceSummary(int count, int numDays);

// English word for a count: 0 "No", 1..20 "One".."Twenty", tens "Thirty".."Ninety",
// 21..99 "Twenty one" .. "Ninety nine"; from 100 on (and below 0) the digits grouped with the
// user's digit-grouping symbol, "1,234".
std::string NumberWord(int n);

}  // namespace clvt
