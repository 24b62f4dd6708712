#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/message.h"
#include "platform/message_box.h"

// What the two listing windows (date sequence, vernal equinoxes) and `clvt sequence` /
// `clvt equinox` share about a listing: how much a listing box holds, how its length is
// counted against that, the request and the first steps of a "Do it", and the messages of a
// "Do it" that cannot list.
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

// What one press of a listing's "Do it" starts from; each listing's request adds what its
// lines are made of. A window fills it from its controls and the main window, clvt from its
// arguments.
struct ListingRequest {
  std::string numberBox;                // the number box's text as typed ("14", " 007", "")
  bool inputInUse = true;               // the main window has what a run starts from
  int64_t heldLength = 0;               // ListingLength of what the listing holds
  bool heldRun = false;                 // the listing holds the lines of an earlier run
  int64_t capacity = kListingCapacity;  // characters the listing may hold
  // The day (JDN) or year the run starts from, asked only once the run goes ahead: the main
  // window's input is read as it stands at that moment.
  std::function<int32_t()> start;
};

// What one press of a listing's "Do it" does. A window writes numberBox back into its number
// box and, when changed, text into its listing box (replacing the box's text or appending to
// it), and only then shows closingMessage, so that the lines the message speaks of stand in the
// box while it is up; `clvt` prints text and reports the run's end its own way. The builders
// of both listings return a type derived from this.
struct ListingRun {
  std::string numberBox;                  // the number box's text, trimmed
  int number = 0;                         // the days or years asked for: 1..800, or 0
  bool changed = false;                   // false: the press stopped before listing anything
  std::string text;                       // exactly the text to write, "\n" line ends
  bool replace = false;                   // the listing's text becomes text; else appended
  std::optional<Message> closingMessage;  // what ended the run early, shown after the text
  bool stoppedFull = false;               // the listing filled up mid-run (closingMessage is
                             // TextboxFullMessage()): no summary, and the focus stays put
};

// "Invalid input for number of days." for noun "days" (information, title "Do it").
Message InvalidNumberMessage(std::string_view noun);

// The verdict on a number box's text (noun "days" or "years", at most `most`): blanks around
// it are dropped; an empty text or 0 stops silently; anything but plain digits gives
// InvalidNumberMessage(noun), a value above most "Too many days" (information, title "Do it").
// Leading zeros are fine ("007" -> 7); a digit run of any length is too many, never wrapped.
struct NumberBoxCheck {
  std::string text;                // the text without leading and trailing blanks
  int number = 0;                  // 1..most when the run may go ahead, 0 otherwise
  std::optional<Message> message;  // set when the text is refused with a message
};
NumberBoxCheck CheckNumberBox(std::string_view text, std::string_view noun, int most);

// The steps every listing's "Do it" takes first, deciding run's numberBox, number, changed
// and replace: the number box is checked (CheckNumberBox), and a refused number's message is
// shown and stops the run, as does a number of 0; without request.inputInUse
// NoInputDateMessage() stops it; a listing already past capacity asks
// ClearFullTextboxQuestion(), where No stops the run and Yes sets replace. True (and changed)
// when the run goes on to list.
bool StartListing(const ListingRequest& request, std::string_view noun, int most,
                  MessageBoxes& messages, ListingRun& run);

Message ClearFullTextboxQuestion();  // "Textbox is full.  Clear it?" Yes/No, no icon
Message TextboxFullMessage();        // "Textbox is full." exclamation
// "Do it" while the main window has no input notation in use (its input was cleared while
// the listing window stayed open), or for a date sequence, while a weekday is chosen in place
// of a calendar: there is no day or year to start from.
Message NoInputDateMessage();  // information

}  // namespace clvt
