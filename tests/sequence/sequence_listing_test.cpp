// The date sequence listing: line layout, arrows, summaries, capacity. The number box and the
// steps before a run are the listings' shared ones (support/listing_text_test.cpp).
// Dates below were worked out by hand from the calendars' rules: 2016 is a Gregorian leap
// year but not a Dee-Cecil one (cycle position 3), so from 2016-02-29 CE on the two
// calendars disagree until Dee-Cecil 2017-02-29.
#include "sequence/sequence_listing.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <vector>

#include "calendar/calendar.h"
#include "doubles/recording_message_boxes.h"
#include "platform/digit_grouping.h"

namespace clvt {
namespace {

constexpr int32_t kJDN20151122 = 2457349;  // Sunday; 2015-11-22 in Gregorian and Dee-Cecil
constexpr int32_t kJDN20160208 = 2457427;  // Monday
constexpr int32_t kJDN99991231 = 5373484;  // Gregorian 9999-12-31

const std::string kHeadingDeeCecil =
    "   Common Era date      Dee-Cecil date         Julian day number    Day of week\n\n";
const std::string kLine20151122DeeCecil =
    "   2015-11-22 CE        2015-11-22 DC          2,457,349            Sunday";

class SequenceListing : public ::testing::Test {
 protected:
  void SetUp() override { OverrideNumberSymbols(","); }
  void TearDown() override { OverrideNumberSymbols(std::nullopt, std::nullopt); }

  static SequenceRun Run(int32_t start, int days, int64_t held = 0, bool heldRun = false) {
    SequenceRequest request;
    request.numberBox = std::to_string(days);
    request.heldLength = held;
    request.heldRun = heldRun;
    request.start = [start] { return start; };
    RecordingMessageBoxes messages;
    return RunDateSequence(request, messages);
  }
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(SequenceNumberWord, FollowsItsTable) {
  OverrideNumberSymbols(",");
  const std::pair<int, const char*> rows[] = {
      {0, "No"},     {1, "One"},          {19, "Nineteen"}, {20, "Twenty"},  {21, "Twenty one"},
      {40, "Forty"}, {99, "Ninety nine"}, {100, "100"},     {1234, "1,234"},
  };
  for (const auto& [n, word] : rows) {
    SCOPED_TRACE(n);
    EXPECT_EQ(NumberWord(n), word);
  }
  OverrideNumberSymbols(std::nullopt, std::nullopt);
}

// The golden transcript ends with "All days have the same date"; the arrows test with 21 of 28.
TEST(SequenceSummaryText, ChoosesTheSentence) {
  const std::tuple<int, int, const char*> rows[] = {
      {0, 14, "All days have different dates in the two calendars."},
      {1, 8, "Only one day has the same date in the two calendars"},
      {2, 3, "Two days (67%) have the same date in the two calendars."},
      {799, 800, "799 days (100%) have the same date in the two calendars."},
  };
  for (const auto& [count, days, sentence] : rows) {
    SCOPED_TRACE(std::to_string(count) + " of " + std::to_string(days));
    EXPECT_EQ(SequenceSummary(count, days), sentence);
  }
}

// The golden transcript of clvt sequence holds the worked lines and the summary of 28 days.
TEST_F(SequenceListing, SummaryOnlyFromThreeDays) {
  EXPECT_EQ(Run(kJDN20151122, 2).text.find("calendars"), std::string::npos);
  EXPECT_TRUE(
      Run(kJDN20151122, 3)
          .text.ends_with("Tuesday\n\nAll days have the same date in the two calendars.\n"));
}

TEST_F(SequenceListing, ArrowsMarkWhereAgreementStartsAndStops) {
  // 2016-02-08 .. 2016-03-06: 21 days agree, then Gregorian 2016-02-29 is Dee-Cecil 03-01.
  const SequenceRun run = Run(kJDN20160208, 28);
  const std::vector<std::string> lines = Lines(run.text);
  ASSERT_EQ(lines.size(), 2u + 28u + 2u);
  EXPECT_EQ(lines[2 + 20],
            "   2016-02-28 CE        2016-02-28 DC          2,457,447            Sunday");
  EXPECT_EQ(lines[2 + 21],
            "   2016-02-29 CE        2016-03-01 DC  <--     2,457,448            Monday");
  ASSERT_EQ(run.days.size(), 28u);
  for (std::size_t i = 2; i < 30; ++i) {
    SCOPED_TRACE(lines[i]);
    EXPECT_EQ(lines[i].find("<--") != std::string::npos, i == 2 + 21);
    EXPECT_EQ(run.days[i - 2].marked, i == 2 + 21);
    EXPECT_EQ(run.days[i - 2].same, i < 2 + 21);
    EXPECT_EQ(lines[i].find("2,457,"), 47u) << "the JDN keeps its column on every line";
  }
  const SequenceDay& leapDay = run.days[21];
  EXPECT_EQ((std::array{leapDay.gregorian.month, leapDay.gregorian.day, leapDay.dee.month,
                        leapDay.dee.day}),
            (std::array{2, 29, 3, 1}));
  EXPECT_EQ(run.sameCount, 21);
  EXPECT_EQ(lines[30], "");
  EXPECT_EQ(lines[31], "Twenty one days (75%) have the same date in the two calendars.");
  EXPECT_EQ(run.summary, lines[31]);
}

TEST_F(SequenceListing, SecondRunGetsOneEmptyLineAndNoHeading) {
  const SequenceRun first = Run(kJDN20151122, 1);
  EXPECT_TRUE(SequenceListingHoldsRun(first.text));
  const SequenceRun second = Run(kJDN20151122, 1, ListingLength(first.text), true);
  EXPECT_EQ(second.text, "\n" + kLine20151122DeeCecil + "\n");
  // A listing without "CE" (nothing this program wrote) gets no separating line.
  EXPECT_FALSE(SequenceListingHoldsRun(kHeadingDeeCecil));
  EXPECT_EQ(Run(kJDN20151122, 1, 5, false).text, kLine20151122DeeCecil + "\n");
}

TEST_F(SequenceListing, DeeColumnShiftsWhereGroupingBegins) {
  const std::vector<std::string> lines = Lines(Run(kJDN99991231, 2).text);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2].substr(0, 24), "   9999-12-31 CE        ");
  EXPECT_NE(lines[2][24], ' ');
  EXPECT_EQ(lines[3].substr(0, 26), "   10,000-01-01 CE        ");
  EXPECT_NE(lines[3][26], ' ') << "the Dee padding stays the first day's";
}

TEST_F(SequenceListing, StopsWhenTheListingFillsUp) {
  // Each 2015-11-22.. line of a Sunday is 74 characters plus a line end (2); the separating
  // empty line is 2. Starting 78 below the capacity, line 1 lands exactly on it, which is not
  // beyond it, so line 2 is written; one character more and line 1 is the last.
  const int64_t exact = kListingCapacity - 78;
  const SequenceRun atCapacity = Run(kJDN20151122, 14, exact, true);
  EXPECT_EQ(atCapacity.days.size(), 2u);
  EXPECT_TRUE(atCapacity.stoppedFull);
  EXPECT_EQ(atCapacity.text.find("calendars"), std::string::npos) << "no summary";
  EXPECT_FALSE(atCapacity.summary.has_value());

  const SequenceRun beyond = Run(kJDN20151122, 14, exact + 1, true);
  EXPECT_EQ(beyond.days.size(), 1u);
  EXPECT_TRUE(beyond.stoppedFull);
  EXPECT_EQ(beyond.text, "\n" + kLine20151122DeeCecil + "\n");
}

TEST_F(SequenceListing, NeverStepsPastTheLastJulianDayNumber) {
  const SequenceRun run = Run(INT32_MAX - 1, 5);
  EXPECT_EQ(run.days.size(), 2u);
}

}  // namespace
}  // namespace clvt
