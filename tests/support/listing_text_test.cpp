// What both listings share: the check of the number box, the first steps of a run of "Do it",
// and the length counted toward the capacity. Each listing's own lines are tested with it.
#include "support/listing_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/recording_message_boxes.h"

namespace clvt {
namespace {

const Message kNoInputDate{"Please enter an input date in the main window first.", "Do it",
                           Icon::Information};
const Message kClearFull{"Textbox is full.  Clear it?", "Do it", Icon::None, Buttons::YesNo};

TEST(CheckNumberBox, ChecksTheBoxText) {
  struct Row {
    std::string text;
    const char* noun;
    const char* trimmed;
    int number;
    const char* message;  // "" = none
  };
  // clang-format off
  const Row rows[] = {
      {"007",    "days",  "007", 7,   ""},
      {" 12 ",   "years", "12",  12,  ""},
      {"800",    "days",  "800", 800, ""},
      {"    ",   "days",  "",    0,   ""},
      {"0",      "years", "0",   0,   ""},
      {"1,5",    "days",  "1,5", 0,   "Invalid input for number of days."},
      {"-5",     "years", "-5",  0,   "Invalid input for number of years."},
      {"1 2",    "days",  "1 2", 0,   "Invalid input for number of days."},
      {"\t5",    "days",  "\t5", 0,   "Invalid input for number of days."},
      {"\xd9\xa3", "years", "\xd9\xa3", 0, "Invalid input for number of years."},  // Arabic-Indic 3
      {"801",    "days",  "801", 0,   "Too many days"},
      {"801",    "years", "801", 0,   "Too many years"},
      // Overflowing digit runs must not wrap round to a small or negative count.
      {"18446744073709551617", "days", "18446744073709551617", 0, "Too many days"},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text + " " + row.noun);
    const NumberBoxCheck check = CheckNumberBox(row.text, row.noun, 800);
    EXPECT_EQ(check.text, row.trimmed);
    EXPECT_EQ(check.number, row.number);
    if (*row.message == '\0') {
      EXPECT_FALSE(check.message.has_value());
    } else {
      EXPECT_EQ(check.message, (Message{row.message, "Do it", Icon::Information}));
    }
  }
}

// The number box is checked first, then the main window's input, then the capacity; the
// listing is cleared only when the user agrees.
TEST(StartListing, StepsBeforeARunLists) {
  struct Row {
    const char* name;
    const char* numberBox;
    bool inputInUse;
    int64_t heldLength;
    bool answer;
    bool proceeds, replace;
    std::vector<Message> shown;
  };
  const Row rows[] = {
      {"lists", " 3", true, 0, true, true, false, {}},
      {"empty box", "", true, 0, true, false, false, {}},
      {"refused number",
       "abc",
       false,
       0,
       true,
       false,
       false,
       {{"Invalid input for number of years.", "Do it", Icon::Information}}},
      // Without an input date in the main window its year reads 0; we used to list 0, 1, 2.
      {"no input date", "3", false, 0, true, false, false, {kNoInputDate}},
      {"full, kept", "3", true, kListingCapacity + 1, false, false, false, {kClearFull}},
      {"full, cleared", "3", true, kListingCapacity + 1, true, true, true, {kClearFull}},
      {"exactly full is not over", "3", true, kListingCapacity, true, true, false, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ListingRequest request;
    request.numberBox = row.numberBox;
    request.inputInUse = row.inputInUse;
    request.heldLength = row.heldLength;
    RecordingMessageBoxes messages;
    messages.answers = {row.answer};
    ListingRun run;
    EXPECT_EQ(StartListing(request, "years", 800, messages, run), row.proceeds);
    EXPECT_EQ(run.changed, row.proceeds);
    EXPECT_EQ(run.number, row.proceeds ? 3 : 0);
    EXPECT_EQ(run.replace, row.replace);
    EXPECT_EQ(run.numberBox, std::string(row.numberBox) == " 3" ? "3" : row.numberBox);
    EXPECT_EQ(messages.shown, row.shown);
  }
}

TEST(ListingLength, CountsCharactersAndLineEndsAsTwo) {
  EXPECT_EQ(ListingLength("ab\ncd\n"), 8);
  EXPECT_EQ(ListingLength("1\xE2\x80\xAF"
                          "000"),
            5);  // narrow no-break space is one
  EXPECT_FALSE(ListingIsFull(64512));
  EXPECT_TRUE(ListingIsFull(64513));
}

}  // namespace
}  // namespace clvt
