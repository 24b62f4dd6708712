// The checks of the typed input date: verdicts, exact messages and the rewritten boxes.
#include "datetext/input_check.h"

#include <gtest/gtest.h>

#include "datetext/formatting.h"
#include "platform/digit_grouping.h"

namespace clvt {
namespace {

class InputCheckTest : public ::testing::Test {
 protected:
  void SetUp() override { OverrideNumberSymbols(","); }
  void TearDown() override { OverrideNumberSymbols(std::nullopt); }
};

InputControls YmdControls(std::string text, int calendar) {
  InputControls c;
  c.optInputDateWithAYN = true;
  c.txbYearCEJC = std::move(text);
  c.cboCalendar1 = calendar;
  return c;
}

InputControls MdyControls(std::string year) {
  InputControls c;
  c.optInputDateWithoutAYN = true;
  c.cboMonthNames = 11;
  c.cboDayNumbers = 22;
  c.txbYearADBCetc = std::move(year);
  c.cboYearDesADBCetc = kEraCE;
  c.cboCalendar0 = kCalendarPositionGregorian;
  return c;
}

struct YmdCase {
  std::string text;
  int calendar;
  const char* message;  // "" when accepted
  const char* boxAfter;
  std::vector<std::string> parts;
  const char* groupingSymbol = ",";
};

const std::string huge = "99999999999999999999";
const std::string longRun(5000, '9');

TEST_F(InputCheckTest, YearMonthDayTexts) {
  const char* adbc =
      "The calendar designators 'AD' and 'BC'\r\ncan only be used with month,day,year dates.";
  const std::vector<YmdCase> cases = {
      {"2015-11-22 ce", 1, "", "2015-11-22 CE", {"2015", "11", "22"}},
      {"2015-11-22", 2, "", "2015-11-22 JC", {"2015", "11", "22"}},
      {"2015-11-22", 0, "Please specify calendar for year-month-day date.", "2015-11-22", {}},
      {"2015-11-22 JC",
       1,
       "Inconsistent calendar designations in year-month-day date.",
       "2015-11-22 JC",
       {}},
      {"-4,999-12-31 JC", 2, "", "-4,999-12-31 JC", {"-4999", "12", "31"}},
      {"2.015-1-2 CE", 1, "", "", {"2015", "1", "2"}},
      {"2'015-1-2 CE", 1, "", "", {"2015", "1", "2"}},
      // A designator in front is checked as one behind: we used to convert "JC 1582-10-05"
      // with Gregorian chosen as the Gregorian 1582-10-05, ten days from the date typed.
      {"CE 2015-11-22", 1, "", "CE 2015-11-22", {"2015", "11", "22"}},
      {"JC 1582-10-05", 1, "Inconsistent calendar designations in year-month-day date.", "", {}},
      // Decorated designators are read as the check reads them: we used to take "J.C." with
      // Gregorian chosen silently, and "C.E." with no calendar chosen in the Julian calendar.
      {"2015-11-22 c.e.", 1, "", "2015-11-22 C.E.", {"2015", "11", "22"}},
      {"2015-11-22 J.C.", 1, "Inconsistent calendar designations in year-month-day date.", "", {}},
      {"2015-11-22 D,C", 3, "", "2015-11-22 D,C", {"2015", "11", "22"}},
      {"2015-11-22 CE", 0, "Please specify calendar for year-month-day date.", "", {}},
      // The locale's grouping symbol, as the program writes it back into the box.
      {"12\u202F345-01-05 CE", 1, "", "", {"12345", "01", "05"}, "\u202F"},
      {"-12\u2019345-01-05 JC", 2, "", "", {"-12345", "01", "05"}, "\u2019"},
      {"12\u2000345-01-05 CE", 1, "Invalid input date", "", {}, "\u202F"},
      {"0-02-29 CE", 1, "", "", {"0", "02", "29"}},
      {"100000-1-1 CE", 1, "Input date is out of permitted range.", "", {}},
      {"99,999-12-31 CE", 1, "", "", {"99999", "12", "31"}},
      {"-100,000-12-31 CE", 1, "Input date is out of permitted range.", "", {}},
      {"2015-13-01 CE", 1, "Invalid input date", "", {}},
      {"2015-11-32 CE", 1, "Invalid input date", "", {}},
      {"2015-11 CE", 1, "Invalid input date", "", {}},
      {"2015-11-22-1 CE", 1, "Invalid input date", "", {}},
      {"2015-02-30 CE", 1, "", "", {"2015", "02", "30"}},
      {"2015-11-22 BC", 1, adbc, "", {}},
      {"2015-11-22 XY", 1, "Invalid input date", "", {}},
      {"2015-11-22 D", 3, "Invalid input date", "", {}},  // Dee-Cecil in force: "DC" only
      // Overlong, huge and non-ASCII texts get the program's own message; nothing overflows.
      {huge + "-1-1 CE", 1, "Input date is out of permitted range.", "", {}},
      {"-" + longRun + "-1-1 CE", 1, "Input date is out of permitted range.", "", {}},
      {"1-" + huge + "-1 CE", 1, "Invalid input date", "", {}},
      {"- CE", 1, "Invalid input date", "", {}},
      {"2015-11-22 \xC3\x89", 1, "Invalid input date", "", {}},
      {"\xEF\xBC\x92\xEF\xBC\x90-1-1 CE", 1, "Invalid input date", "", {}},
  };
  for (const YmdCase& row : cases) {
    SCOPED_TRACE(row.text.substr(0, 30) + " / calendar " + std::to_string(row.calendar));
    InputControls c = YmdControls(row.text, row.calendar);
    const InputCheck check = InputDateOK(c, kInputWithAYN, kDeeCecilVariant, row.groupingSymbol);
    EXPECT_EQ(check.message ? check.message->text : "", row.message);
    EXPECT_EQ(check.ok, !check.message);
    EXPECT_EQ(check.strDateParts, row.parts);
    if (*row.boxAfter != '\0') {
      EXPECT_EQ(c.txbYearCEJC, row.boxAfter);
    }
  }
}

struct MdyCase {
  std::string year;
  const char* message;   // "" when accepted
  const char* boxAfter;  // null: not checked
  const char* groupingSymbol = ",";
};

TEST_F(InputCheckTest, MonthDayYearYearBox) {
  const char* zero = "Zero and negative years not accepted.\r\nInput the date as year-month-day.";
  const std::vector<MdyCase> cases = {
      {"1,234", "", "1,234"},
      {"1 234", "", "1 234"},
      {" 2015 ", "", "2015"},
      {"0005", "", "5"},
      {"99,999", "", "99,999"},
      {"+5", "Invalid year value", "+5"},
      {"1'234", "Invalid year value", "1'234"},
      {"", "Invalid year value", ""},
      {"-5", zero, "-5"},
      {"0", zero, "0"},
      {"0,000", zero, ",000"},
      {"100,000", "Year is out of permitted range", "100,000"},
      // The locale's grouping symbol reads as a comma (we used to say "Invalid year value"),
      // and an apostrophe only where the locale itself groups with it.
      {"12\u202F345", "", "12\u202F345", "\u202F"},
      {"0\u00A0000", zero, "\u00A0000", "\u00A0"},
      {"\u202F-5", "Invalid year value", "\u202F-5", "\u202F"},
      {"1'234", "", "1'234", "'"},
      {huge, "Year is out of permitted range", nullptr},
      {longRun, "Year is out of permitted range", nullptr},
      {"\xC3\xA9", "Invalid year value", nullptr},
      {"2015\t", "Invalid year value", nullptr},
  };
  for (const MdyCase& row : cases) {
    SCOPED_TRACE("year '" + row.year.substr(0, 30) + "'");
    InputControls c = MdyControls(row.year);
    const InputCheck check = InputDateOK(c, kInputWithoutAYN, kDeeCecilVariant, row.groupingSymbol);
    EXPECT_EQ(check.message ? check.message->text : "", row.message);
    EXPECT_EQ(check.ok, !check.message);
    if (row.boxAfter != nullptr) {
      EXPECT_EQ(c.txbYearADBCetc, row.boxAfter);
    }
  }
}

TEST_F(InputCheckTest, NoNotationSelected) {
  InputControls c;
  const InputCheck check = InputDateOK(c, kInputWithAYN, kDeeCecilVariant, ",");
  EXPECT_FALSE(check.ok);
  EXPECT_EQ(*check.message,
            (Message{"Please select type of input date", "Calculate", Icon::None, Buttons::Ok}));
  c.optInputDateWithAYN = true;
  EXPECT_TRUE(InputDateOK(c, kInputIncomplete, kDeeCecilVariant, ",").ok);
}

// The check's table above reads decorated designators ("C.E.", "J.C.", "D,C") through this.
TEST(ReadYmdDesignator, ReadsTheDesignatorAsTheCheckDoes) {
  struct Row {
    const char* text;
    DeeVariant dee;
    const char* letters;
    std::optional<Calendar> calendar;
  };
  const Row rows[] = {
      {"2015-11-22 C E", kDeeCecilVariant, "CE", Calendar::kGregorian},
      {"2015-11-22 C'E", kDeeCecilVariant, "CE", Calendar::kGregorian},
      {"2015-11-22 D", kDeeVariant, "D", Calendar::kDee},
      {"2015-11-22 D", kDeeCecilVariant, "D", std::nullopt},
      {"2015-11-22 DC", kDeeVariant, "DC", std::nullopt},
      {"2015-11-22 ce", kDeeCecilVariant, "ce",
       std::nullopt},  // case-sensitive: callers upper-case
      {"2015-11-22 AD", kDeeCecilVariant, "AD", std::nullopt},
      {"2015-11-22", kDeeCecilVariant, "", std::nullopt},
      {"CE 2015-11-22", kDeeCecilVariant, "CE", Calendar::kGregorian},
      {"12\u202F345-01-05 CE", kDeeCecilVariant, "CE", Calendar::kGregorian},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.text) + " / " + std::string(row.dee.designation));
    const YmdDesignator d = ReadYmdDesignator(row.text, row.dee, "\u202F");
    EXPECT_EQ(d.letters, row.letters);
    EXPECT_EQ(d.calendar, row.calendar);
  }
}

// Whatever the locale groups with, a year the program writes into either year box passes
// the check again: in fr_FR and de_CH the next Calculate used to reject it.
// The calendar lists hold the three calendars at 1..3; the empty item, the weekdays and
// anything else name none, and a calendar goes back to the position it came from.
TEST(CalendarAtPosition, NamesOnlyTheCalendarItems) {
  const std::optional<Calendar> calendars[] = {Calendar::kGregorian, Calendar::kJulian,
                                               Calendar::kDee};
  for (int position = -1; position <= 11; ++position) {
    SCOPED_TRACE(position);
    const std::optional<Calendar> calendar = CalendarAtPosition(position);
    EXPECT_EQ(calendar, position >= 1 && position <= 3 ? calendars[position - 1] : std::nullopt);
    if (calendar) {
      EXPECT_EQ(CalendarPosition(calendar), position);
    }
  }
  EXPECT_EQ(CalendarPosition(std::nullopt), 0);
}

// A locale without a grouping symbol (empty here) groups with "," or, beside a decimal comma
// as in pt_PT, a no-break space: we used to write 2,460,389,6295 there.
TEST_F(InputCheckTest, YearsWrittenBackReadAgain) {
  const std::pair<const char*, const char*> locales[] = {
      {",", "."},      {".", ","},      {"'", "."}, {"\u00A0", ","},
      {"\u202F", ","}, {"\u2019", "."}, {"", "."},  {"", ","},
  };
  for (const auto& [grouping, decimal] : locales) {
    SCOPED_TRACE(std::string(grouping) + " / " + decimal);
    OverrideNumberSymbols(grouping, decimal);
    const std::string symbol = DigitGroupingSymbol();
    EXPECT_NE(symbol, DecimalSymbol());
    InputControls c;
    c.optInputDateWithAYN = true;
    c.cboCalendar1 = kCalendarPositionGregorian;
    DisplayInputDateWithAYN(DateRec{-12345, 1, 5}, c, kDeeCecilVariant);
    const InputCheck ymd = InputDateOK(c, kInputWithAYN, kDeeCecilVariant, symbol);
    ASSERT_TRUE(ymd.ok) << c.txbYearCEJC;
    EXPECT_EQ(ymd.strDateParts[0], "-12345");

    c = MdyControls("");
    DisplayInputDateWithoutAYN(DateRec{-12345, 1, 5}, c);
    EXPECT_TRUE(InputDateOK(c, kInputWithoutAYN, kDeeCecilVariant, symbol).ok) << c.txbYearADBCetc;
  }
}

TEST_F(InputCheckTest, DisplayWithAYN) {
  struct Row {
    DateRec rec;
    int calendar;
    const char* text;
  };
  const std::vector<Row> rows = {
      {{-4999, 12, 31}, 2, "-4999-12-31 JC"},
      {{12345, 1, 5}, 1, "12,345-01-05 CE"},
      {{-12345, 1, 5}, 1, "-12,345-01-05 CE"},
      {{2015, 11, 22}, 0, "2015-11-22 DC"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    InputControls c;
    c.cboCalendar1 = row.calendar;
    DisplayInputDateWithAYN(row.rec, c, kDeeCecilVariant);
    EXPECT_EQ(c.txbYearCEJC, row.text);
  }
}

TEST_F(InputCheckTest, DisplayWithoutAYNKeepsEraStyle) {
  struct Row {
    int32_t year;
    int eraBefore;
    const char* yearBox;
    int eraAfter;
  };
  const std::vector<Row> rows = {
      {0, 0, "1", kEraBCE},
      {0, kEraAD, "1", kEraBC},
      {-43, kEraBC, "44", kEraBC},
      // The BC year shown, 10,000, is grouped; we used to group by the year's own -9999.
      {-9999, kEraBCE, "10,000", kEraBCE},
      {2015, 0, "2015", kEraCE},
      {2015, kEraBC, "2015", kEraAD},
      {10000, kEraCE, "10,000", kEraCE},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.year) + " era " + std::to_string(row.eraBefore));
    InputControls c;
    c.cboYearDesADBCetc = row.eraBefore;
    DisplayInputDateWithoutAYN(DateRec{row.year, 2, 28}, c);
    EXPECT_EQ(c.txbYearADBCetc, row.yearBox);
    EXPECT_EQ(c.cboYearDesADBCetc, row.eraAfter);
    EXPECT_EQ(c.cboMonthNames, 2);
    EXPECT_EQ(c.cboDayNumbers, 28);
  }
}

}  // namespace
}  // namespace clvt
