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
      {"2015-11-22 CE", DeeCecilVariant(), std::string(kLegendCE), kCalendarPositionGregorian},
      {"2015-11-22 DC", DeeCecilVariant(),
       "'DC' = the proleptic Dee-Cecil Calendar with astronomical year numbering",
       kCalendarPositionDee},
      {"2015-11-22 D", DeeOnlyVariant(),
       "'D' = the proleptic Dee Calendar with astronomical year numbering",
       kCalendarPositionDee},
      // Under Dee-Cecil a lone "D" is no designator.
      {"2015-11-22 D", DeeCecilVariant(), "", 0},
      // Designators are read as the input check reads them; we used to miss these.
      {"2015-11-22 C.E.", DeeCecilVariant(), std::string(kLegendCE), kCalendarPositionGregorian},
      {"2015-11-22 J'C", DeeCecilVariant(), std::string(kLegendJC), kCalendarPositionJulian},
      // Letters that only contain a designator name no calendar.
      {"2015-11-22 CEX", DeeCecilVariant(), "", 0},
      {"2015-11-22 JC", DeeCecilVariant(), std::string(kLegendJC), kCalendarPositionGregorian,
       kCalendarPositionGregorian},
      {"2015-11-22 CE", DeeCecilVariant(), "", 0, 0, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.text) + " / " + row.dee.name);
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
    const LiveInputTick t = TimerTick(v, DeeCecilVariant());
    EXPECT_EQ(t.blnInputComplete, row.complete);
    EXPECT_EQ(t.intInputDateType, row.complete ? kInputWithoutAYN : kInputIncomplete);
    EXPECT_EQ(t.cmdCalculateEnabled, row.complete);
    EXPECT_EQ(t.cmdDateSequenceEnabled, row.complete);
  }
}

TEST(TimerTick, WeekdayModeHidesArithmeticAndDisablesListings) {
  for (int position = kCalendarPositionSunday; position <= 10; ++position) {
    SCOPED_TRACE(position);
    const LiveInputTick t = TimerTick(CompleteMonthDayYearView(position), DeeCecilVariant());
    EXPECT_TRUE(t.cmdCalculateEnabled);
    EXPECT_FALSE(t.fraPlusMinusVisible);
    EXPECT_FALSE(t.cmdDateSequenceEnabled);
    EXPECT_FALSE(t.cmdVernalEquinoxesEnabled);
  }
  // An incomplete weekday input keeps the frame, since nothing can be calculated yet.
  LiveInputView v = CompleteMonthDayYearView(kCalendarPositionSunday);
  v.input.cboDayNumbers = 0;
  EXPECT_TRUE(TimerTick(v, DeeCecilVariant()).fraPlusMinusVisible);
}

TEST(TimerTick, AmountLabelsOnlyChangeWhileADirectionIsChosen) {
  LiveInputView v = CompleteMonthDayYearView(1);
  v.input.txbArith = {"1", "2", "1", ""};
  LiveInputTick t = TimerTick(v, DeeCecilVariant());
  EXPECT_FALSE(t.txbArithEnabled);
  EXPECT_EQ(t.lblArith, v.lblArith);

  v.input.optMinus = true;
  t = TimerTick(v, DeeCecilVariant());
  EXPECT_TRUE(t.txbArithEnabled);
  EXPECT_EQ(t.lblArith, (std::array<std::string, 4>{"year", "months", "week", "days"}));
}

TEST(ArithLabel, SingularOnlyForOne) {
  const struct {
    const char* caption;
    const char* text;
    const char* label;
  } rows[] = {
      {"day", "11", "days"},     {"days", " 1", "day"},    {"days", "1,000", "day"},
      {"days", "1.5", "days"},   {"weeks", "01", "week"},  {"days", "1e999", "days"},
      {"years", "-1", "years"},  {"dayss", "1", "day"},
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
      {"2015-11-22 JC", 1, DeeCecilVariant(), "2015-11-22 CE"},
      {"2015-11-22 ce", 2, DeeCecilVariant(), "2015-11-22 JC"},
      {"2015-11-22 CE", 3, DeeCecilVariant(), "2015-11-22 DC"},
      {"2015-11-22 JC", 3, DeeOnlyVariant(), "2015-11-22 D"},
      {"2015-11-22 d", 1, DeeOnlyVariant(), "2015-11-22 CE"},
      {"2015-11-22 jc", 0, DeeCecilVariant(), "2015-11-22 JC"},
      {"", 2, DeeCecilVariant(), ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.text) + " -> " + std::to_string(row.position));
    EXPECT_EQ(RewriteForCalendarChoice(row.text, row.position, row.dee), row.expected);
  }
}

// Choosing the variant already in force must not grow the designator or the legend.
TEST(DeeVariantSwitch, RoundTripsAndIsIdempotent) {
  EXPECT_EQ(RewriteDeeDesignator("2015-11-22 DC", DeeOnlyVariant()), "2015-11-22 D");
  EXPECT_EQ(RewriteDeeDesignator("2015-11-22 D", DeeCecilVariant()), "2015-11-22 DC");
  EXPECT_EQ(RewriteDeeDesignator("2015-11-22 DC", DeeCecilVariant()), "2015-11-22 DC");
  EXPECT_EQ(RewriteDeeDesignator("2015-11-22 D", DeeOnlyVariant()), "2015-11-22 D");
  const std::string cecil = DeeLegend(DeeCecilVariant());
  const std::string dee = DeeLegend(DeeOnlyVariant());
  EXPECT_EQ(RewriteDeeLegend(cecil, DeeOnlyVariant()), dee);
  EXPECT_EQ(RewriteDeeLegend(dee, DeeCecilVariant()), cecil);
  EXPECT_EQ(RewriteDeeLegend(cecil, DeeCecilVariant()), cecil);
  EXPECT_EQ(RewriteDeeLegend(kLegendJC, DeeOnlyVariant()), kLegendJC);
}

// The five-step cycle is checked through the window; colours off the cycle restart it.
TEST(NextBackColor, OffCycleColoursRestart) {
  EXPECT_EQ(NextBackColor(0xFFFFFF), kDefaultBackColor);
  EXPECT_EQ(NextBackColor(0), kDefaultBackColor);
}

}  // namespace
}  // namespace clvt
