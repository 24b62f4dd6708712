// The conversion run: outputs, the invalid-date message, the weekday match and the date
// arithmetic, with expected values from published dates and worked examples. What clvt prints
// for a run (the outputs, the Gregorian leap-year message, the weekday verdicts, the amount
// messages of clvt's own check) is checked by its golden transcripts; this covers the rest.
#include "run/conversion.h"

#include <gtest/gtest.h>

#include <limits>

#include "calendar/calendar.h"
#include "datetext/formatting.h"
#include "platform/digit_grouping.h"

namespace clvt {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

class ConversionTest : public ::testing::Test {
 protected:
  void SetUp() override { OverrideNumberSymbols(","); }
  void TearDown() override { OverrideNumberSymbols(std::nullopt); }
};

InputControls Mdy(int month, int day, std::string year, int era, int calendar) {
  InputControls c;
  c.optInputDateWithoutAYN = true;
  c.cboMonthNames = month;
  c.cboDayNumbers = day;
  c.txbYearADBCetc = std::move(year);
  c.cboYearDesADBCetc = era;
  c.cboCalendar0 = calendar;
  return c;
}

InputControls Ymd(std::string text, int calendar) {
  InputControls c;
  c.optInputDateWithAYN = true;
  c.txbYearCEJC = std::move(text);
  c.cboCalendar1 = calendar;
  return c;
}

// A press of Calculate on c in the notation c has chosen, with lngJDN from an earlier run.
CalculateResult Press(InputControls& c, int32_t lngJDN = 0,
                      const DeeVariant& dee = kDeeCecilVariant) {
  return CalculateRun(c, c.optInputDateWithAYN ? kInputWithAYN : kInputWithoutAYN, dee, lngJDN,
                      ",");
}

Message Info(std::string text, std::string title = "Calculate") {
  return Message{std::move(text), std::move(title), Icon::Information, Buttons::Ok};
}

// The traditional output takes the era style of the input; the year box is written back as
// every year is written, grouped from 10,000 on (9999 used to come back as 9,999); a
// year-month-day input is written back normalised.
TEST_F(ConversionTest, EraStyleAndYearBoxFollowTheInput) {
  InputControls c = Mdy(3, 15, "44", kEraBC, kCalendarPositionJulian);
  const CalculateResult r = Press(c);
  ASSERT_TRUE(r.outputShown);
  EXPECT_EQ(r.outputs.txbOutputJC, "March 15, 44 BC");
  EXPECT_EQ(r.outputs.txbOutputJCwithAYN, "-43-03-15 JC");
  for (const auto& [typed, shown] : {std::pair{"9999", "9999"}, std::pair{"10000", "10,000"}}) {
    c = Mdy(1, 1, typed, kEraCE, kCalendarPositionGregorian);
    Press(c);
    EXPECT_EQ(c.txbYearADBCetc, shown);
  }
  c = Ymd("-4,999-12-31 jc", 2);
  EXPECT_TRUE(Press(c).outputShown);
  EXPECT_EQ(c.txbYearCEJC, "-4999-12-31 JC");
}

// The leap-year explanation names the calendar in force and is left out before year 1; a
// failed run keeps the last result.
TEST_F(ConversionTest, InvalidDateMessages) {
  const std::string invalid = "The input date is invalid.";
  const struct {
    InputControls controls;
    DeeVariant dee;
    std::string text;
  } rows[] = {
      {Ymd("-1-02-29 CE", 1), kDeeCecilVariant, invalid},
      {Ymd("33-02-29 DC", 3), kDeeCecilVariant,
       invalid + "\r\n\r\nIn the Dee-Cecil Calendar\r\n33 is not a leap year."},
      {Ymd("33-02-29 D", 3), kDeeVariant,
       invalid + "\r\n\r\nIn the Dee Calendar\r\n33 is not a leap year."},
  };
  for (auto row : rows) {
    SCOPED_TRACE(row.text);
    const CalculateResult r = Press(row.controls, 1234, row.dee);
    EXPECT_FALSE(r.outputShown);
    EXPECT_EQ(r.jdn, 1234);
    EXPECT_EQ(r.messages, std::vector{Info(row.text, "Invalid input")});
  }
}

// Which calendar's reading is shown, and bold, when a weekday is chosen.
TEST_F(ConversionTest, WeekdayMatch) {
  const struct {
    const char* name;
    InputControls controls;
    std::vector<Message> messages;
    int32_t jdn;  // 0: nothing shown
    bool gregorianBold, julianBold;
  } rows[] = {
      {"Sunday: Gregorian", Mdy(11, 22, "2015", kEraCE, 4), {}, 2457349, true, false},
      {"Saturday: Julian", Mdy(11, 22, "2015", kEraCE, 10), {}, 2457362, false, true},
      {"Monday: neither",
       Mdy(11, 22, "2015", kEraCE, 5),
       {Info("The input date is not a Monday in either the Gregorian Calendar or the Julian.")},
       0,
       false,
       false},
      {"Tuesday: both",
       Mdy(1, 1, "250", kEraAD, 6),
       {Info("The input date is a Tuesday in both the Gregorian and the Julian calendars.")},
       1812371,
       false,
       true},
      // Exists only in the Julian calendar: no message for the Gregorian miss.
      {"Julian-only leap day", Mdy(2, 29, "1900", kEraCE, 4 + 2), {}, 2415092, false, true},
  };
  for (auto row : rows) {
    SCOPED_TRACE(row.name);
    const CalculateResult r = Press(row.controls);
    EXPECT_EQ(r.messages, row.messages);
    EXPECT_EQ(r.outputShown, row.jdn != 0);
    if (row.jdn != 0) {
      EXPECT_EQ(r.jdn, row.jdn);
    }
    EXPECT_EQ(r.lblGregorianBold, row.gregorianBold);
    EXPECT_EQ(r.lblJulianBold, row.julianBold);
  }
}

// With a weekday chosen, the window hides the amounts; they are not applied. A negative amount
// stops the match after its one message instead of also claiming that the date falls on the
// weekday in neither calendar.
TEST_F(ConversionTest, WeekdayMatchAndHiddenAmounts) {
  InputControls c = Mdy(11, 22, "2015", kEraCE, 4);
  c.optPlus = true;
  c.fraPlusMinusVisible = false;
  c.txbArith = {"", "", "", "1"};
  EXPECT_EQ(Press(c).jdn, 2457349);
  c.txbArith = {"", "", "", "-1"};
  const CalculateResult r = Press(c, 7);
  EXPECT_EQ(r.messages,
            std::vector{Info("Negative values not permitted in the arithmetical function.")});
  EXPECT_FALSE(r.outputShown);
  EXPECT_EQ(r.jdn, 7);
}

TEST_F(ConversionTest, DateArithmetic) {
  const struct {
    const char* name;
    InputControls controls;
    bool plus;
    std::array<std::string, 4> amounts;  // years, months, weeks, days
    std::string expected;                // the shifted date in the input's calendar
    int32_t requestedDay;                // the input's day, which the new month may not have
    bool clamped;
  } rows[] = {
      {"31 Jan + 1 month",
       Mdy(1, 31, "2015", kEraCE, 1),
       true,
       {"", "1"},
       "2015-02-28 CE",
       31,
       true},
      {"31 Jan + 13 months",
       Mdy(1, 31, "2015", kEraCE, 1),
       true,
       {"", "13"},
       "2016-02-29 CE",
       31,
       true},
      {"15 Nov + 1 month",
       Mdy(11, 15, "2015", kEraCE, 1),
       true,
       {"", "1"},
       "2015-12-15 CE",
       15,
       false},
      {"15 Dec + 1 month",
       Mdy(12, 15, "2015", kEraCE, 1),
       true,
       {"", "1"},
       "2016-01-15 CE",
       15,
       false},
      {"15 Mar - 3 months",
       Mdy(3, 15, "2015", kEraCE, 1),
       false,
       {"", "3"},
       "2014-12-15 CE",
       15,
       false},
      {"29 Feb 2016 J + 1 year",
       Mdy(2, 29, "2016", kEraCE, 2),
       true,
       {"1"},
       "2017-02-28 JC",
       29,
       true},
      {"1 Mar 1 - 1 year", Ymd("1-03-01 CE", 1), false, {"1"}, "0-03-01 CE", 1, false},
      {"1.5 days is 15",
       Mdy(11, 1, "2015", kEraCE, 1),
       true,
       {"", "", "", "1.5"},
       "2015-11-16 CE",
       1,
       false},
      {"group characters",
       Mdy(1, 1, "2015", kEraCE, 1),
       true,
       {"", "", "", " 1'000 "},
       "2017-09-27 CE",
       1,
       false},
      {"Dee months", Ymd("2015-01-31 DC", 3), true, {"", "1"}, "2015-02-28 DC", 31, true},
      // The day is clamped before weeks and days are added: 31 May - 1 month - 1 day is
      // 29 April, not 30 April.
      {"31 May - 1 month 1 day",
       Mdy(5, 31, "2015", kEraCE, 1),
       false,
       {"", "1", "", "1"},
       "2015-04-29 CE",
       31,
       true},
  };
  for (auto row : rows) {
    SCOPED_TRACE(row.name);
    InputControls& c = row.controls;
    (row.plus ? c.optPlus : c.optMinus) = true;
    c.txbArith = row.amounts;
    const CalculateResult r = Press(c);
    ASSERT_TRUE(r.outputShown);
    const OutputDates& o = r.outputs;
    EXPECT_EQ(row.expected.ends_with("JC")   ? o.txbOutputJCwithAYN
              : row.expected.ends_with("DC") ? o.txbOutputDEEwithAYN
                                             : o.txbOutputGCwithAYN,
              row.expected);
    ASSERT_TRUE(r.arithmetic.has_value());
    EXPECT_EQ(r.arithmetic->requestedDay, row.requestedDay);
    EXPECT_EQ(r.arithmetic->clamped, row.clamped);
  }
  // The input box keeps showing the input date, not the result; the amount boxes are trimmed.
  InputControls c = Ymd("2015-1-31 CE", 1);
  c.optPlus = true;
  c.txbArith = {"", " 1 "};
  Press(c);
  EXPECT_EQ(c.txbYearCEJC, "2015-01-31 CE");
  EXPECT_EQ(c.txbArith[1], "1");
}

// The amounts of a run are read again when Calculate is pressed, with the title "Calculate".
TEST_F(ConversionTest, AmountMessages) {
  const std::string negative = "Negative values not permitted in the arithmetical function.";
  const std::string invalid = "Invalid input in the arithmetical function.";
  const struct {
    std::array<std::string, 4> amounts;
    std::string text;
  } rows[] = {
      {{"", "", "", " -5"}, negative},
      {{"100000"}, invalid},
      {{"", "", "99999999999999999999999"}, invalid},
      {{"", "", "", std::string(400, '9')}, invalid},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.amounts[0] + "|" + row.amounts[3].substr(0, 20));
    InputControls c = Mdy(11, 22, "2015", kEraCE, 1);
    c.optPlus = true;
    c.txbArith = row.amounts;
    const CalculateResult r = Press(c, 99);
    EXPECT_FALSE(r.outputShown);
    EXPECT_EQ(r.jdn, 99);
    EXPECT_EQ(r.messages, std::vector{Info(row.text)});
  }
  // The largest amounts the boxes hold, from the last year the input takes.
  InputControls c = Ymd("99,999-12-31 CE", 1);
  c.optPlus = true;
  c.txbArith = {"99999", "999,999", "999999", "999999"};
  EXPECT_TRUE(Press(c).outputShown);
}

// Leaving an amount box: a negative amount is kept, anything else that is not a number is
// emptied.
TEST_F(ConversionTest, CheckArithBox) {
  EXPECT_FALSE(CheckArithBox(" 1,000 ", ",").message.has_value());
  ArithBoxCheck check = CheckArithBox("  -5", ",");
  EXPECT_EQ(check.message,
            Info("Negative values not permitted in the arithmetical function.", "Invalid input"));
  EXPECT_FALSE(check.clearBox);
  for (const char* text : {"5x", "1e3", "+5", "\xC3\xA9"}) {
    SCOPED_TRACE(text);
    check = CheckArithBox(text, ",");
    EXPECT_EQ(check.message, Info("Invalid input in the arithmetical function.", "Invalid input"));
    EXPECT_TRUE(check.clearBox);
  }
  // The locale's grouping symbol is a group character like ",": we used to empty the box.
  EXPECT_FALSE(CheckArithBox("1\u202F000", "\u202F").message.has_value());
  EXPECT_TRUE(CheckArithBox("1\u2000000", "\u202F").clearBox);  // shares the lead bytes
}

// Shifted dates whose JDN leaves 32 bits stop the run with a message instead of wrapping.
TEST_F(ConversionTest, ArithmeticNeverOverflows) {
  const struct {
    const char* name;
    DateRec rec;
    std::array<int32_t, 4> amounts;
    bool plus;
  } rows[] = {
      {"years past int32", {2015, 1, 1, 'G'}, {kMax, 0, 0, 0}, true},
      {"months past int32", {2015, 12, 31, 'J'}, {kMax, kMax, 0, 0}, true},
      {"JDN past int32", {5874000, 12, 31, 'G'}, {999999, 0, 0, 0}, true},
      {"JDN below int32", {-5874000, 1, 31, 'D'}, {999999, 0, 0, 0}, false},
      {"weeks past int32", {2015, 1, 1, 'G'}, {0, 0, kMax, kMax}, true},
      {"days below int32", {-4712, 1, 1, 'J'}, {0, 0, 1, kMax}, false},
  };
  for (auto row : rows) {
    SCOPED_TRACE(row.name);
    DateToJDN(row.rec, kDeeCecilVariant);
    ASSERT_EQ(row.rec.valid, 1);
    EXPECT_EQ(ApplyDateArithmetic(row.rec, row.amounts, row.plus, kDeeCecilVariant).message,
              (Message{"The result of the date arithmetic is out of permitted range.", "Calculate",
                       Icon::Exclamation}));
  }
  // Clamping ends even for a record no day of which exists.
  DateRec bad{2015, 13, 31, 'G'};
  EXPECT_TRUE(ApplyDateArithmetic(bad, {0, 0, 0, 0}, true, kDeeCecilVariant).message.has_value());
}

// Without a calendar (the empty item or a weekday) the date is still read first, so a huge
// year keeps its range message; a date that was read is then invalid.
TEST_F(ConversionTest, GetJDNWithoutChecksRefusesHugeYears) {
  for (const std::optional<Calendar> calendar :
       {std::optional(Calendar::kGregorian), std::optional<Calendar>()}) {
    InputControls c = Mdy(1, 1, "99999999999999999999", kEraCE, 1);
    GetJDNResult r = GetJDN(c, kInputWithoutAYN, {}, calendar, true, kDeeCecilVariant, 5);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.jdn, 5);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text, "Input date is out of permitted range.");
    c = Ymd("", 1);
    for (const std::vector<std::string>& parts :
         {std::vector<std::string>{"-" + std::string(30, '9'), "1", "1"}, {"1"}}) {
      EXPECT_FALSE(GetJDN(c, kInputWithAYN, parts, calendar, true, kDeeCecilVariant, 5).ok);
    }
  }
  InputControls c = Mdy(11, 22, "2015", kEraCE, 1);
  GetJDNResult r = GetJDN(c, kInputWithoutAYN, {}, std::nullopt, true, kDeeCecilVariant, 5);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.jdn, 5);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0].title, "Invalid input");
}

TEST_F(ConversionTest, GetYear) {
  const std::string nines(40, '9');
  const struct {
    InputControls controls;
    int32_t year;
  } rows[] = {
      {Ymd(" -500-03-01 CE", 1), -500},      {Ymd(nines + "-1-1", 1), kMax},
      {Ymd("-" + nines + "-1-1", 1), -kMax}, {Mdy(1, 1, "44", kEraBC, 1), -43},
      {Mdy(1, 1, nines, kEraBC, 1), -kMax},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.year);
    EXPECT_EQ(
        GetYear(row.controls, row.controls.optInputDateWithAYN ? kInputWithAYN : kInputWithoutAYN),
        row.year);
  }
}

}  // namespace
}  // namespace clvt
