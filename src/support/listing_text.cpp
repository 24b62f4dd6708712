#include "support/listing_text.h"

#include <algorithm>
#include <string>

#include "datetext/text_helpers.h"
#include "platform/utf8.h"

namespace clvt {

int64_t ListingLength(std::string_view utf8) {
  return CharacterCount(utf8) + std::count(utf8.begin(), utf8.end(), '\n');
}

bool ListingIsFull(int64_t length, int64_t capacity) { return length > capacity; }

Message InvalidNumberMessage(std::string_view noun) {
  return Message{"Invalid input for number of " + std::string(noun) + ".",
                 std::string(kDoItCaption), Icon::Information};
}

NumberBoxCheck CheckNumberBox(std::string_view text, std::string_view noun, int most) {
  NumberBoxCheck check;
  check.text = TrimBlanks(text);
  if (check.text.empty()) return check;
  if (!IsWholeNumber(check.text, false, "")) {
    check.message = InvalidNumberMessage(noun);
    return check;
  }
  // DigitsValue saturates, so a hostile run of digits reads as too many, never wraps.
  const int64_t value = DigitsValue(check.text);
  if (value > most) {
    check.message =
        Message{"Too many " + std::string(noun), std::string(kDoItCaption), Icon::Information};
    return check;
  }
  check.number = static_cast<int>(value);
  return check;
}

bool StartListing(const ListingRequest& request, std::string_view noun, int most,
                  MessageBoxes& messages, ListingRun& run) {
  const NumberBoxCheck check = CheckNumberBox(request.numberBox, noun, most);
  run.numberBox = check.text;
  if (check.message) messages.Show(*check.message);
  if (check.message || check.number == 0) return false;
  if (!request.inputInUse) {
    messages.Show(NoInputDateMessage());
    return false;
  }
  if (ListingIsFull(request.heldLength, request.capacity)) {
    if (!messages.Show(ClearFullTextboxQuestion())) return false;
    run.replace = true;
  }
  run.number = check.number;
  run.changed = true;
  return true;
}

Message ClearFullTextboxQuestion() {
  return Message{"Textbox is full.  Clear it?", std::string(kDoItCaption), Icon::None,
                 Buttons::YesNo};
}

Message TextboxFullMessage() {
  return Message{"Textbox is full.", std::string(kDoItCaption), Icon::Exclamation};
}

Message NoInputDateMessage() {
  return Message{"Please enter an input date in the main window first.", std::string(kDoItCaption),
                 Icon::Information};
}

}  // namespace clvt
