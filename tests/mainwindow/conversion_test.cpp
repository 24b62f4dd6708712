// The conversion run: outputs, the invalid-date message, the weekday match and the date
// arithmetic, with expected values from published dates and worked examples.
#include "mainwindow/conversion.h"

#include <gtest/gtest.h>

#include <limits>

#include "calendar/calendar.h"
#include "datetext/formatting.h"
#include "platform/digit_grouping.h"

namespace clvt {
namespace {

class ConversionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OverrideNumberSymbols(",");
    lngDeeEpochJDN = kDeeCecilEpochJDN;
  }
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

Message Info(std::string text, std::string title = "Calculate") {
  return Message{std::move(text), std::move(title), Icon::Information, Buttons::Ok};
}

TEST_F(ConversionTest, EraStyleAndYearBoxFollowTheInput) {
  InputControls c = Mdy(3, 15, "44", kEraBC, kCalendarPositionJulian);
  const CalculateResult r = CalculateRun(c, kInputWithoutAYN, DeeCecilVariant(), 0, ",");
  ASSERT_TRUE(r.outputShown);
  EXPECT_EQ(r.outputs.txbOutputJC, "March 15, 44 BC");
  EXPECT_EQ(r.outputs.txbOutputJCwithAYN, "-43-03-15 JC");

  c = Mdy(1, 1, "9999", kEraCE, kCalendarPositionGregorian);
  CalculateRun(c, kInputWithoutAYN, DeeCecilVariant(), 0, ",");
  EXPECT_EQ(c.txbYearADBCetc, "9,999");
  c = Mdy(1, 1, "9998", kEraCE, kCalendarPositionGregorian);
  CalculateRun(c, kInputWithoutAYN, DeeCecilVariant(), 0, ",");
  EXPECT_EQ(c.txbYearADBCetc, "9998");
  c = Ymd("-4,999-12-31 jc", 2);
  EXPECT_TRUE(CalculateRun(c, kInputWithAYN, DeeCecilVariant(), 0, ",").outputShown);
  EXPECT_EQ(c.txbYearCEJC, "-4999-12-31 JC");
}

TEST_F(ConversionTest, InvalidDateMessages) {
  const std::string invalid = "The input date is invalid.";
  struct Row {
    InputControls controls;
    int notation;
    DeeVariant dee;
    std::string text;
  };
  const std::vector<Row> rows = {
      {Mdy(2, 29, "1900", kEraCE, kCalendarPositionGregorian), kInputWithoutAYN,
       DeeCecilVariant(),
       invalid + "\r\n\r\nIn the Gregorian Calendar\r\n1900 is not a leap year."},
      {Ymd("-1-02-29 CE", 1), kInputWithAYN, DeeCecilVariant(), invalid},
      {Ymd("33-02-29 DC", 3), kInputWithAYN, DeeCecilVariant(),
       invalid + "\r\n\r\nIn the Dee-Cecil Calendar\r\n33 is not a leap year."},
      {Ymd("33-02-29 D", 3), kInputWithAYN, DeeOnlyVariant(),
       invalid + "\r\n\r\nIn the Dee Calendar\r\n33 is not a leap year."},
  };
  for (Row row : rows) {
    SCOPED_TRACE(row.text);
    const CalculateResult r = CalculateRun(row.controls, row.notation, row.dee, 1234, ",");
    EXPECT_FALSE(r.outputShown);
    EXPECT_EQ(r.lngJDN, 1234);  // a failed run keeps the last result
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], Info(row.text, "Invalid input"));
  }
}

TEST_F(ConversionTest, WeekdayMatch) {
  struct Row {
    const char* name;
    InputControls controls;
    std::vector<Message> messages;
    int32_t jdn;  // 0: nothing shown
    bool gregorianBold;
    bool julianBold;
  };
  const std::vector<Row> rows = {
      {"Sunday: Gregorian", Mdy(11, 22, "2015", kEraCE, 4), {}, 2457349, true, false},
      {"Saturday: Julian", Mdy(11, 22, "2015", kEraCE, 10), {}, 2457362, false, true},
      {"Monday: neither",
       Mdy(11, 22, "2015", kEraCE, 5),
       {Info("The input date is not a Monday in either the Gregorian Calendar or the "
             "Julian.")},
       0, false, false},
      {"Tuesday: both",
       Mdy(1, 1, "250", kEraAD, 6),
       {Info("The input date is a Tuesday in both the Gregorian and the Julian calendars.")},
       1812371, false, true},
      // Exists only in the Julian calendar: no message for the Gregorian miss.
      {"Julian-only leap day", Mdy(2, 29, "1900", kEraCE, 4 + 2), {}, 2415092, false, true},
  };
  for (Row row : rows) {
    SCOPED_TRACE(row.name);
    const CalculateResult r =
        CalculateRun(row.controls, kInputWithoutAYN, DeeCecilVariant(), 0, ",");
    EXPECT_EQ(r.messages, row.messages);
    EXPECT_EQ(r.outputShown, row.jdn != 0);
    if (row.jdn != 0) {
      EXPECT_EQ(r.lngJDN, row.jdn);
      EXPECT_EQ(r.outputs.txbJDN, GroupDigits(row.jdn));
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
  EXPECT_EQ(CalculateRun(c, kInputWithoutAYN, DeeCecilVariant(), 0, ",").lngJDN, 2457349);
  c = Mdy(11, 22, "2015", kEraCE, 4);
  c.optMinus = true;
  c.fraPlusMinusVisible = false;
  c.txbArith = {"", "", "", "-1"};
  const CalculateResult r = CalculateRun(c, kInputWithoutAYN, DeeCecilVariant(), 7, ",");
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0],
            Info("Negative values not permitted in the arithmetical function."));
  EXPECT_FALSE(r.outputShown);
  EXPECT_EQ(r.lngJDN, 7);
}

struct ArithCase {
  const char* name;
  InputControls controls;
  bool plus;
  std::array<std::string, 4> amounts;
  const char* expectedYmd;  // the shifted date in the input's calendar
  int32_t requestedDay;     // the input's day, which the new month may not have
  bool clamped;
};

TEST_F(ConversionTest, DateArithmetic) {
  const std::vector<ArithCase> cases = {
      {"31 Jan + 1 month", Mdy(1, 31, "2015", kEraCE, 1), true, {"", "1", "", ""},
       "2015-02-28 CE", 31, true},
      {"31 Jan + 13 months", Mdy(1, 31, "2015", kEraCE, 1), true, {"", "13", "", ""},
       "2016-02-29 CE", 31, true},
      {"15 Mar - 3 months", Mdy(3, 15, "2015", kEraCE, 1), false, {"", "3", "", ""},
       "2014-12-15 CE", 15, false},
      {"29 Feb 2016 J + 1 year", Mdy(2, 29, "2016", kEraCE, 2), true, {"1", "", "", ""},
       "2017-02-28 JC", 29, true},
      {"1 Mar 1 - 1 year", Ymd("1-03-01 CE", 1), false, {"1", "", "", ""}, "0-03-01 CE", 1,
       false},
      {"1.5 days is 15", Mdy(11, 1, "2015", kEraCE, 1), true, {"", "", "", "1.5"},
       "2015-11-16 CE", 1, false},
      {"group characters", Mdy(1, 1, "2015", kEraCE, 1), true, {"", "", "", " 1'000 "},
       "2017-09-27 CE", 1, false},
      {"Dee months", Ymd("2015-01-31 DC", 3), true, {"", "1", "", ""}, "2015-02-28 DC", 31,
       true},
      // The day is clamped before weeks and days are added: 31 May - 1 month - 1 day is
      // 29 April, not 30 April.
      {"31 May - 1 month 1 day", Mdy(5, 31, "2015", kEraCE, 1), false, {"", "1", "", "1"},
       "2015-04-29 CE", 31, true},
  };
  for (ArithCase row : cases) {
    SCOPED_TRACE(row.name);
    InputControls& c = row.controls;
    (row.plus ? c.optPlus : c.optMinus) = true;
    c.txbArith = row.amounts;
    const int notation = c.optInputDateWithAYN ? kInputWithAYN : kInputWithoutAYN;
    const CalculateResult r = CalculateRun(c, notation, DeeCecilVariant(), 0, ",");
    ASSERT_TRUE(r.outputShown);
    const std::string shown = std::string(row.expectedYmd);
    const std::string designator = shown.substr(shown.rfind(' ') + 1);
    const std::string& out = designator == "JC"   ? r.outputs.txbOutputJCwithAYN
                             : designator == "DC" ? r.outputs.txbOutputDEEwithAYN
                                                  : r.outputs.txbOutputGCwithAYN;
    EXPECT_EQ(out, row.expectedYmd);
    ASSERT_TRUE(r.arithmetic.has_value());
    EXPECT_EQ(r.arithmetic->requestedDay, row.requestedDay);
    EXPECT_EQ(r.arithmetic->clamped, row.clamped);
    for (const std::string& box : c.txbArith) {
      EXPECT_EQ(box.find(' '), std::string::npos) << "amount boxes are trimmed";
    }
  }
  // The input boxes keep showing the input date, not the result.
  InputControls c = Ymd("2015-1-31 CE", 1);
  c.optPlus = true;
  c.txbArith = {"", "1", "", ""};
  CalculateRun(c, kInputWithAYN, DeeCecilVariant(), 0, ",");
  EXPECT_EQ(c.txbYearCEJC, "2015-01-31 CE");
}

TEST_F(ConversionTest, AmountMessages) {
  struct Row {
    std::array<std::string, 4> amounts;
    const char* text;
  };
  const std::vector<Row> rows = {
      {{"", "", "", " -5"}, "Negative values not permitted in the arithmetical function."},
      {{"100000", "", "", ""}, "Invalid input in the arithmetical function."},
      {{"", "", "99999999999999999999999", ""}, "Invalid input in the arithmetical function."},
      {{"", "", "", std::string(400, '9')}, "Invalid input in the arithmetical function."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.amounts[0] + "|" + row.amounts[3].substr(0, 20));
    InputControls c = Mdy(11, 22, "2015", kEraCE, 1);
    c.optPlus = true;
    c.txbArith = row.amounts;
    const CalculateResult r = CalculateRun(c, kInputWithoutAYN, DeeCecilVariant(), 99, ",");
    EXPECT_FALSE(r.outputShown);
    EXPECT_EQ(r.lngJDN, 99);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], Info(row.text));
  }
  // The largest amounts the boxes hold, from the last year the input takes.
  InputControls c = Ymd("99,999-12-31 CE", 1);
  c.optPlus = true;
  c.txbArith = {"99999", "999,999", "999999", "999999"};
  EXPECT_TRUE(CalculateRun(c, kInputWithAYN, DeeCecilVariant(), 0, ",").outputShown);
}

TEST_F(ConversionTest, CheckArithBox) {
  EXPECT_FALSE(CheckArithBox(" 1,000 ", ",").message.has_value());
  ArithBoxCheck check = CheckArithBox("  -5", ",");
  EXPECT_EQ(check.message,
            Info("Negative values not permitted in the arithmetical function.", "Invalid input"));
  EXPECT_FALSE(check.clearBox);
  for (const char* text : {"5x", "1e3", "+5", "\xC3\xA9"}) {
    SCOPED_TRACE(text);
    check = CheckArithBox(text, ",");
    EXPECT_EQ(check.message,
              Info("Invalid input in the arithmetical function.", "Invalid input"));
    EXPECT_TRUE(check.clearBox);
  }
  // The locale's grouping symbol is a group character like ",": we used to empty the box.
  EXPECT_FALSE(CheckArithBox("1\u202F000", "\u202F").message.has_value());
  EXPECT_TRUE(CheckArithBox("1\u2000000", "\u202F").clearBox);  // shares the lead bytes
}

// Shifted dates whose JDN leaves 32 bits stop the run with a message instead of wrapping.
TEST_F(ConversionTest, ArithmeticNeverOverflows) {
  const int32_t max = std::numeric_limits<int32_t>::max();
  struct Row {
    const char* name;
    DateRec rec;
    std::array<int32_t, 4> amounts;
    bool plus;
  };
  const std::vector<Row> rows = {
      {"years past int32", {2015, 1, 1, 'G'}, {max, 0, 0, 0}, true},
      {"months past int32", {2015, 12, 31, 'J'}, {max, max, 0, 0}, true},
      {"JDN past int32", {5874000, 12, 31, 'G'}, {999999, 0, 0, 0}, true},
      {"JDN below int32", {-5874000, 1, 31, 'D'}, {999999, 0, 0, 0}, false},
      {"weeks past int32", {2015, 1, 1, 'G'}, {0, 0, max, max}, true},
      {"days below int32", {-4712, 1, 1, 'J'}, {0, 0, 1, max}, false},
  };
  for (Row row : rows) {
    SCOPED_TRACE(row.name);
    DateToJDN(row.rec);
    ASSERT_EQ(row.rec.valid, 1);
    const auto message = ApplyDateArithmetic(row.rec, row.amounts, row.plus).message;
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, "The result of the date arithmetic is out of permitted range.");
    EXPECT_EQ(message->title, "Calculate");
  }
  // Clamping ends even for a record no day of which exists.
  DateRec bad{2015, 13, 31, 'G'};
  EXPECT_TRUE(ApplyDateArithmetic(bad, {0, 0, 0, 0}, true).message.has_value());
}

TEST_F(ConversionTest, GetJDNWithoutChecksRefusesHugeYears) {
  InputControls c = Mdy(1, 1, "99999999999999999999", kEraCE, 1);
  GetJDNResult r = GetJDN(c, kInputWithoutAYN, {}, "G", true, DeeCecilVariant(), 5);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.lngJDN, 5);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0].text, "Input date is out of permitted range.");
  c = Ymd("", 1);
  r = GetJDN(c, kInputWithAYN, {"-" + std::string(30, '9'), "1", "1"}, "G", true,
             DeeCecilVariant(), 5);
  EXPECT_FALSE(r.ok);
  r = GetJDN(c, kInputWithAYN, {"1"}, "G", true, DeeCecilVariant(), 5);
  EXPECT_FALSE(r.ok);
}

TEST_F(ConversionTest, GetYear) {
  struct Row {
    InputControls controls;
    int notation;
    int32_t year;
  };
  const int32_t max = std::numeric_limits<int32_t>::max();
  const std::vector<Row> rows = {
      {Ymd(" -500-03-01 CE", 1), kInputWithAYN, -500},
      {Ymd(std::string(40, '9') + "-1-1", 1), kInputWithAYN, max},
      {Ymd("-" + std::string(40, '9') + "-1-1", 1), kInputWithAYN, -max},
      {Mdy(1, 1, "44", kEraBC, 1), kInputWithoutAYN, -43},
      {Mdy(1, 1, std::string(40, '9'), kEraBC, 1), kInputWithoutAYN, -max},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.year);
    EXPECT_EQ(GetYear(row.controls, row.notation), row.year);
  }
}

}  // namespace
}  // namespace clvt
