// The half-second update and the text rewrites of the main window, without widgets. The
// three ticks a lower-case designator takes are followed through the window.
#include "run/live_input.h"

#include <gtest/gtest.h>

namespace clvt {
namespace {

LiveInputView CompleteMonthDayYearView(int calendarPosition) {
  LiveInputView v;
  v.input.optInputDateWithoutAYN = true;
  v.input.cboMonthNames = 11;
  v.input.cboDayNumbers = 22;
  v.input.txbYearADBCetc = "2015";
  v.input.cboYearDesADBCetc = 3;
  v.input.cboCalendar0 = calendarPosition;
  v.cboMonthNamesVisible = true;
  return v;
}

// A chosen calendar is never overridden; a hidden year-month-day box shows no legend.
TEST(TimerTick, DesignatorChoosesLegendAndCalendar) {
  const struct {
    const char* text;
    DeeVariant dee;
    std::string legend;
    int calendar;
    int chosen = 0;
    bool visible = true;
  } rows[] = {
      {"2015-11-22 CE", kDeeCecilVariant, std::string(kLegendCE), kCalendarPositionGregorian},
      {"2015-11-22 DC", kDeeCecilVariant,
       "'DC' = the proleptic Dee-Cecil Calendar with astronomical year numbering",
       kCalendarPositionDee},
      {"2015-11-22 D", kDeeVariant,
       "'D' = the proleptic Dee Calendar with astronomical year numbering", kCalendarPositionDee},
      // Under Dee-Cecil a lone "D" is no designator.
      {"2015-11-22 D", kDeeCecilVariant, "", 0},
      // Designators are read as the input check reads them; we used to miss these.
      {"2015-11-22 C.E.", kDeeCecilVariant, std::string(kLegendCE), kCalendarPositionGregorian},
      {"2015-11-22 J'C", kDeeCecilVariant, std::string(kLegendJC), kCalendarPositionJulian},
      // Letters that only contain a designator name no calendar.
      {"2015-11-22 CEX", kDeeCecilVariant, "", 0},
      {"2015-11-22 JC", kDeeCecilVariant, std::string(kLegendJC), kCalendarPositionGregorian,
       kCalendarPositionGregorian},
      {"2015-11-22 CE", kDeeCecilVariant, "", 0, 0, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.text) + " / " + std::string(row.dee.name));
    LiveInputView v;
    v.input.optInputDateWithAYN = true;
    v.input.txbYearCEJC = row.text;
    v.input.cboCalendar1 = row.chosen;
    v.txbYearCEJCVisible = row.visible;
    const LiveInputTick t = TimerTick(v, row.dee);
    EXPECT_EQ(t.lblCE, row.legend);
    EXPECT_EQ(t.lblCEVisible, !row.legend.empty());
    EXPECT_EQ(t.cboCalendar1, row.calendar);
  }
}

TEST(TimerTick, MonthDayYearCompleteness) {
  const struct {
    const char* name;
    void (*edit)(InputControls&);
    bool complete;
  } rows[] = {
      {"all chosen", [](InputControls&) {}, true},
      {"no era", [](InputControls& c) { c.cboYearDesADBCetc = 0; }, false},
      {"blank year", [](InputControls& c) { c.txbYearADBCetc = "   "; }, false},
      {"no notation", [](InputControls& c) { c.optInputDateWithoutAYN = false; }, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    LiveInputView v = CompleteMonthDayYearView(kCalendarPositionGregorian);
    row.edit(v.input);
    const LiveInputTick t = TimerTick(v, kDeeCecilVariant);
    EXPECT_EQ(t.blnInputComplete, row.complete);
    EXPECT_EQ(t.notation, row.complete ? kInputWithoutAYN : kInputIncomplete);
    EXPECT_EQ(t.cmdCalculateEnabled, row.complete);
    EXPECT_EQ(t.cmdDateSequenceEnabled, row.complete);
  }
}

TEST(TimerTick, WeekdayModeHidesArithmeticAndDisablesListings) {
  for (int position = kCalendarPositionSunday; position <= 10; ++position) {
    SCOPED_TRACE(position);
    const LiveInputTick t = TimerTick(CompleteMonthDayYearView(position), kDeeCecilVariant);
    EXPECT_TRUE(t.cmdCalculateEnabled);
    EXPECT_FALSE(t.fraPlusMinusVisible);
    EXPECT_FALSE(t.cmdDateSequenceEnabled);
    EXPECT_FALSE(t.cmdVernalEquinoxesEnabled);
  }
  // An incomplete weekday input keeps the frame, since nothing can be calculated yet.
  LiveInputView v = CompleteMonthDayYearView(kCalendarPositionSunday);
  v.input.cboDayNumbers = 0;
  EXPECT_TRUE(TimerTick(v, kDeeCecilVariant).fraPlusMinusVisible);
}

TEST(TimerTick, AmountLabelsOnlyChangeWhileADirectionIsChosen) {
  LiveInputView v = CompleteMonthDayYearView(1);
  v.input.txbArith = {"1", "2", "1", ""};
  LiveInputTick t = TimerTick(v, kDeeCecilVariant);
  EXPECT_FALSE(t.txbArithEnabled);
  EXPECT_EQ(t.lblArith, v.lblArith);

  v.input.optMinus = true;
  t = TimerTick(v, kDeeCecilVariant);
  EXPECT_TRUE(t.txbArithEnabled);
  EXPECT_EQ(t.lblArith, (std::array<std::string, 4>{"year", "months", "week", "days"}));
}

TEST(ArithLabel, SingularOnlyForOne) {
  const struct {
    const char* caption;
    const char* text;
    const char* label;
  } rows[] = {
      {"day", "11", "days"},    {"days", " 1", "day"},   {"days", "1,000", "day"},
      {"days", "1.5", "days"},  {"weeks", "01", "week"}, {"days", "1e999", "days"},
      {"years", "-1", "years"}, {"dayss", "1", "day"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.caption) + " / '" + row.text + "'");
    EXPECT_EQ(ArithLabel(row.caption, row.text), row.label);
  }
}

TEST(RewriteForCalendarChoice, ReplacesOtherDesignators) {
  const struct {
    const char* text;
    int position;
    DeeVariant dee;
    const char* expected;
  } rows[] = {
      {"2015-11-22 JC", 1, kDeeCecilVariant, "2015-11-22 CE"},
      {"2015-11-22 ce", 2, kDeeCecilVariant, "2015-11-22 JC"},
      {"2015-11-22 CE", 3, kDeeCecilVariant, "2015-11-22 DC"},
      {"2015-11-22 JC", 3, kDeeVariant, "2015-11-22 D"},
      {"2015-11-22 d", 1, kDeeVariant, "2015-11-22 CE"},
      {"2015-11-22 jc", 0, kDeeCecilVariant, "2015-11-22 JC"},
      {"", 2, kDeeCecilVariant, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.text) + " -> " + std::to_string(row.position));
    EXPECT_EQ(RewriteForCalendarChoice(row.text, CalendarAtPosition(row.position), row.dee),
              row.expected);
  }
}

// Choosing the variant already in force must not grow the designator or the legend.
TEST(DeeVariantSwitch, RoundTripsAndIsIdempotent) {
  EXPECT_EQ(RewriteDeeDesignator("2015-11-22 DC", kDeeVariant), "2015-11-22 D");
  EXPECT_EQ(RewriteDeeDesignator("2015-11-22 D", kDeeCecilVariant), "2015-11-22 DC");
  EXPECT_EQ(RewriteDeeDesignator("2015-11-22 DC", kDeeCecilVariant), "2015-11-22 DC");
  EXPECT_EQ(RewriteDeeDesignator("2015-11-22 D", kDeeVariant), "2015-11-22 D");
  const std::string cecil = DeeLegend(kDeeCecilVariant);
  const std::string dee = DeeLegend(kDeeVariant);
  EXPECT_EQ(RewriteDeeLegend(cecil, kDeeVariant), dee);
  EXPECT_EQ(RewriteDeeLegend(dee, kDeeCecilVariant), cecil);
  EXPECT_EQ(RewriteDeeLegend(cecil, kDeeCecilVariant), cecil);
  EXPECT_EQ(RewriteDeeLegend(kLegendJC, kDeeVariant), kLegendJC);
}

// The five-step cycle is checked through the window; colours off the cycle restart it.
TEST(NextBackColor, OffCycleColoursRestart) {
  EXPECT_EQ(NextBackColor(0xFFFFFF), kDefaultBackColor);
  EXPECT_EQ(NextBackColor(0), kDefaultBackColor);
}

}  // namespace
}  // namespace clvt
