#include "support/listing_text.h"

#include <algorithm>
#include <string>

#include "platform/utf8.h"

namespace clvt {

int64_t ListingLength(std::string_view utf8) {
  return CharacterCount(utf8) + std::count(utf8.begin(), utf8.end(), '\n');
}

bool ListingIsFull(int64_t length, int64_t capacity) { return length > capacity; }

ListingStart StartListing(const std::optional<Message>& numberMessage, int64_t number,
                          bool inputDateInUse, int64_t heldLength, MessageBoxes& messages,
                          int64_t capacity) {
  ListingStart start;
  if (numberMessage) messages.Show(*numberMessage);
  if (numberMessage || number == 0) return start;
  if (!inputDateInUse) {
    messages.Show(NoInputDateMessage());
    return start;
  }
  if (ListingIsFull(heldLength, capacity)) {
    if (!messages.Show(ClearFullTextboxQuestion())) return start;
    start.clear = true;
  }
  start.proceed = true;
  return start;
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
