// The vernal equinox table: columns, marks, summary, the heading, and the stops at year 4000
// and at the table's capacity. The number box and the steps before a run are the listings'
// shared ones (support/listing_text_test.cpp). Whole tables (heading, the time mode named
// every tenth line, the stop after 4000) are checked by the clvt equinox golden transcripts.
#include "equinox/equinox_table.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "doubles/recording_message_boxes.h"
#include "platform/digit_grouping.h"

namespace clvt {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

const Message kOutOfRange{
    "Vernal equinoxes are calculated only for years in the range 1 through 4000.", "Out of range",
    Icon::Information, Buttons::Ok};

class EquinoxTable : public testing::Test {
 protected:
  void SetUp() override { OverrideNumberSymbols(",", "."); }
  void TearDown() override { OverrideNumberSymbols(std::nullopt, std::nullopt); }

  static EquinoxSettings DeeOnly() {
    EquinoxSettings settings;
    settings.dee = kDeeVariant;
    return settings;
  }

  EquinoxRun Run(int32_t year, std::string_view years, EquinoxSettings settings = {},
                 int64_t capacity = kListingCapacity) {
    EquinoxRequest request;
    request.numberBox = years;
    request.start = [year] { return year; };
    request.settings = settings;
    request.capacity = capacity;
    return RunVernalEquinoxes(request, messages);
  }

  std::string LineFor(int32_t year, int index = 1, EquinoxSettings settings = {}) {
    return MakeEquinoxLine(year, index, settings).value().text;
  }

  RecordingMessageBoxes messages;
};

TEST_F(EquinoxTable, YearColumnGivesOneDigitYearsAnExtraBlank) {
  struct Row {
    int32_t year;
    std::string start;
  };
  const Row rows[] = {{9, "   9     1,"},
                      {10, "  10     1,"},
                      {2024, "  2024     2,"},
                      {-5, "  -5     1,"},
                      {-10, " -10     1,"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.year);
    EXPECT_EQ(LineFor(row.year).substr(0, row.start.size()), row.start);
  }
  // The Gregorian and Dee dates of one-digit years get one more leading blank too (the
  // golden transcripts show years 1 and 2), those of two-digit years do not.
  EXPECT_NE(LineFor(10).find("     10-03-21 CE"), std::string::npos);
  EXPECT_NE(LineFor(10).find("   10-03-20 DC"), std::string::npos);
}

TEST_F(EquinoxTable, TimesMatchThePublishedEquinoxes) {
  // Published instants of the March equinox: 2000-03-20 07:35 UT, 2024-03-20 03:06 UT.
  // 'Washington' at 77d0m W is 5 h 08 min behind London; apparent time is 8 minutes earlier.
  EquinoxSettings mean;
  mean.apparent = false;
  const std::string line2000 = LineFor(2000, 0, mean);
  EXPECT_EQ(line2000.substr(0, 24), "  2000     2,451,623.816");
  EXPECT_NE(line2000.find("     2000-03-20 CE 07:35 m   2000-03-20 DC 02:27 m"), std::string::npos);
  EXPECT_NE(LineFor(2000, 0).find(" 07:27 a   2000-03-20 DC 02:19 a"), std::string::npos);

  EXPECT_NE(LineFor(2024, 0, mean).find("     2024-03-20 CE 03:06 m   2024-03-20 DC 21:58 m"),
            std::string::npos);
}

TEST_F(EquinoxTable, JulianDateFollowsTheNumberSymbols) {
  OverrideNumberSymbols(".", ",");
  EXPECT_EQ(LineFor(2000).substr(0, 24), "  2000     2.451.623,816");
  OverrideNumberSymbols("\xe2\x80\xaf", ".");  // a narrow no-break space, three bytes
  EXPECT_EQ(LineFor(2000).substr(0, 28),
            "  2000     2\xe2\x80\xaf"
            "451\xe2\x80\xaf"
            "623.816");
}

TEST_F(EquinoxTable, CycleColumn) {
  struct Row {
    int32_t year;
    std::string end;
  };
  // The cycle position (DeeCyclePosition) with a star on leap years; the 33rd year of a cycle
  // shows 33. Places 1 to 9 take one more blank.
  const Row rows[] = {{33, " 33"}, {4, "  4*"}, {9, "  9"}, {10, " 10"}, {2000, " 20*"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.year);
    // What follows the minutes of the Dee time: two blanks where no time mode is named.
    const std::string line = LineFor(row.year);
    std::string column = line.substr(line.rfind(':') + 3);
    if (column.ends_with("  <--")) column.resize(column.size() - 5);
    EXPECT_EQ(column, "  " + row.end) << line;
  }
}

TEST_F(EquinoxTable, MarksDatesOffTheExpectedDayInEitherTimeAndVariant) {
  // 2024: 'Washington' March 20 DC, which is March 21 D: expected under both variants.
  EXPECT_FALSE(MakeEquinoxLine(2024, 0, {})->marked);
  EXPECT_NE(LineFor(2024, 0, DeeOnly()).find("2024-03-21 D 21:50"), std::string::npos);
  EXPECT_FALSE(MakeEquinoxLine(2024, 0, DeeOnly())->marked);

  // 609 near midnight at 'Washington': 23:58 apparent on March 20 DC, but 8 minutes later in
  // mean time, 00:06 on March 21 DC, which is marked (and is March 22 D under Dee).
  EquinoxSettings mean;
  mean.apparent = false;
  const std::optional<EquinoxLine> apparent = MakeEquinoxLine(609, 0, {});
  EXPECT_FALSE(apparent->marked);
  EXPECT_NE(apparent->text.find(" 05:06 a   609-03-20 DC 23:58 a"), std::string::npos);
  const std::optional<EquinoxLine> cecil = MakeEquinoxLine(609, 0, mean);
  EXPECT_TRUE(cecil->marked);
  EXPECT_TRUE(cecil->text.ends_with(" 15  <--"));
  EXPECT_NE(cecil->text.find(" 05:14 m   609-03-21 DC 00:06 m"), std::string::npos);
  EXPECT_EQ(apparent->text.substr(0, 30), cecil->text.substr(0, 30));
  EquinoxSettings meanDee = DeeOnly();
  meanDee.apparent = false;
  EXPECT_TRUE(MakeEquinoxLine(609, 0, meanDee)->marked);
}

TEST_F(EquinoxTable, LineKeepsTheValuesItShows) {
  // 2000: JDE 2451623.81699 (Meeus, chapter 27) less Delta T 63.86 s (Espenak-Meeus
  // polynomial for 1986-2005 at 2000); 07:35 UT, 07:27 apparent at London.
  const EquinoxLine line = MakeEquinoxLine(2000, 0, {}).value();
  EXPECT_NEAR(line.deltaTMinutes * 60.0, 63.86, 0.01);
  EXPECT_NEAR(line.julianDate, 2451623.81699 - 63.86 / 86400.0, 2e-5);
  EXPECT_EQ((std::array{line.london.year, line.london.month, line.london.day}),
            (std::array{2000, 3, 20}));
  EXPECT_EQ(line.londonTime, "07:27");
  EXPECT_EQ(line.cyclePosition, 20);
  EXPECT_TRUE(line.deeLeapYear);
  EXPECT_NE(line.text.find(line.londonDate + " " + line.londonTime), std::string::npos);
  EXPECT_NE(line.text.find(line.washingtonDate + " " + line.washingtonTime), std::string::npos);
}

TEST_F(EquinoxTable, OneYearHasNoSummary) { EXPECT_EQ(Lines(Run(2024, "1").text).size(), 4u); }

TEST_F(EquinoxTable, StartAbove4000WritesNoLine) {
  const EquinoxRun run = Run(4001, "12");
  EXPECT_EQ(run.text, EquinoxHeading("Dee-Cecil") +
                          "\nNumber of VE not on March 20 in Dee-Cecil Calendar for 77d0m W: "
                          "0 of 12\n");
  EXPECT_EQ(run.closingMessage, kOutOfRange);
  EXPECT_TRUE(run.stoppedOutOfRange);
  EXPECT_TRUE(run.lines.empty());
  const EquinoxRun one = Run(4001, "1");
  EXPECT_EQ(one.text, EquinoxHeading("Dee-Cecil"));
  EXPECT_EQ(one.closingMessage, kOutOfRange);
  // The message follows the lines it ends, so the run shows none itself.
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EquinoxTable, HostileYearsNeverOverflow) {
  // Years far below 1 are listed when the main window's year changes after opening; those
  // whose dates leave the calendar's day numbers stop the run with the range message.
  for (int32_t year :
       {std::numeric_limits<int32_t>::min(), -9999998, std::numeric_limits<int32_t>::max()}) {
    SCOPED_TRACE(year);
    const EquinoxRun run = Run(year, "3");
    EXPECT_EQ(Lines(run.text).size(), 3u + 2u);
    EXPECT_EQ(run.closingMessage, kOutOfRange);
  }
  // The mean-instant polynomial diverges far from its table's years, but stays finite.
  const std::string line = LineFor(-1000000);
  EXPECT_EQ(line.substr(0, 14), " -1000000     ");
  EXPECT_EQ(line.find("nan"), std::string::npos);
  EXPECT_EQ(line.find("inf"), std::string::npos);
}

// A table holding a run gets an empty line and the new run; an overfull one that the user
// agreed to clear, or one without a run, gets the heading first.
TEST_F(EquinoxTable, HeadingOnlyIntoATableWithoutARun) {
  EquinoxRequest request;
  request.numberBox = "1";
  request.start = [] { return 2024; };
  request.heldLength = 5000;
  request.heldRun = true;
  EXPECT_EQ(RunVernalEquinoxes(request, messages).text, "\n" + LineFor(2024, 0) + "\n");
  request.heldLength = kListingCapacity + 1;
  EXPECT_EQ(RunVernalEquinoxes(request, messages).text,
            EquinoxHeading("Dee-Cecil") + LineFor(2024, 0) + "\n");
}

TEST_F(EquinoxTable, StopsWhenTheTableOutgrowsItsCapacity) {
  // Every line end counts as two characters; the check comes before each line, so the line
  // that reaches the capacity exactly is still written and the next one is not.
  const std::string heading = EquinoxHeading("Dee-Cecil");
  const int64_t twoLines = ListingLength(heading) + ListingLength(LineFor(2024, 0)) + 2 +
                           ListingLength(LineFor(2025)) + 2;
  const EquinoxRun run = Run(2024, "12", {}, twoLines);
  EXPECT_TRUE(run.stoppedFull);
  EXPECT_FALSE(run.stoppedOutOfRange);
  EXPECT_EQ(Lines(run.text).size(), 3u + 3u);  // no summary
  EXPECT_EQ(run.lines.size(), 3u);
  EXPECT_FALSE(run.summary.has_value());
  EXPECT_EQ(run.closingMessage,
            (Message{"Textbox is full.", "Do it", Icon::Exclamation, Buttons::Ok}));
  EXPECT_TRUE(messages.shown.empty());
}

// The capacity counts characters: a grouping symbol of several bytes is one. 800 years from
// year 1 fit the table; we used to count bytes and stop after 790 with "Textbox is full.".
TEST_F(EquinoxTable, MultiByteGroupingSymbolsCountOneCharacterTowardTheCapacity) {
  for (const char* symbol : {",", "\xe2\x80\xaf", "\xe2\x80\x99"}) {  // U+202F, U+2019
    SCOPED_TRACE(symbol);
    OverrideNumberSymbols(symbol, ".");
    const EquinoxRun run = Run(1, "800");
    EXPECT_FALSE(run.stoppedFull);
    EXPECT_EQ(Lines(run.text).size(), 3u + 800u + 2u);
    EXPECT_EQ(run.closingMessage, std::nullopt);
  }
}

}  // namespace
}  // namespace clvt
