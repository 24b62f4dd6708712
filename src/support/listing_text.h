#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/message.h"
#include "platform/message_box.h"

// What the two listing windows (date sequence, vernal equinoxes) and `clvt sequence` /
// `clvt equinox` share about a listing's text: how much a listing box holds, how its length is
// counted against that, and the messages of a "Do it" that cannot list.
namespace clvt {

// A listing box holds at most 63 x 1024 characters; the one limit of both listing windows.
inline constexpr int32_t kTextBoxCapacityInKB = 63;
inline constexpr int64_t kListingCapacity = int64_t{kTextBoxCapacityInKB} * 1024;  // 64,512

// Title of every message box of a listing window: the caption of its "Do it" button.
inline constexpr std::string_view kDoItCaption = "Do it";

// Length of a listing text as the capacity counts it: characters, with each "\n" line end
// counting two, as the carriage return and line feed of the box's own text would.
// Example: ListingLength("1\xE2\x80\xAF" "000\n") == 7.
int64_t ListingLength(std::string_view utf8);

// True when a listing of length characters (as ListingLength counts) exceeds capacity: a run
// stops before its next line, and a new run first asks ClearFullTextboxQuestion().
bool ListingIsFull(int64_t length, int64_t capacity = kListingCapacity);

// What one run of a listing's "Do it" writes. A window writes text into its listing box
// (replacing the box's text or appending to it) and only then shows closingMessage, so that the
// lines the message speaks of stand in the box while it is up; `clvt` prints text and reports
// the run's end its own way. The builders of both listings return a type derived from this.
struct ListingRun {
  std::string text;                       // exactly the text to write, "\n" line ends
  bool replace = false;                   // the listing's text becomes text; else appended
  std::optional<Message> closingMessage;  // what ended the run early, shown after the text
  bool stoppedFull = false;               // the listing filled up mid-run (closingMessage is
                             // TextboxFullMessage()): no summary, and the focus stays put
};

// Whether a listing's "Do it" goes on to list, after the steps both listings take first: the
// message of a refused number (numberMessage) is shown and stops the run, as does a number of
// 0; without an input date in the main window NoInputDateMessage() stops it; a listing already
// past capacity asks ClearFullTextboxQuestion(), and No stops it. clear is set when the user
// agreed to have the full listing cleared.
struct ListingStart {
  bool proceed = false;
  bool clear = false;
};
ListingStart StartListing(const std::optional<Message>& numberMessage, int64_t number,
                          bool inputDateInUse, int64_t heldLength, MessageBoxes& messages,
                          int64_t capacity = kListingCapacity);

Message ClearFullTextboxQuestion();  // "Textbox is full.  Clear it?" Yes/No, no icon
Message TextboxFullMessage();        // "Textbox is full." exclamation
// "Do it" while the main window has no input notation in use (its input was cleared while
// the listing window stayed open), or for a date sequence, while a weekday is chosen in place
// of a calendar: there is no day or year to start from.
Message NoInputDateMessage();  // information

}  // namespace clvt
