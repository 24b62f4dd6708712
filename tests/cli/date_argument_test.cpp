// clvt's DATE arguments: option parsing, and how DATE, CAL and AMOUNTS fill the controls.
#include "cli/date_argument.h"

#include <gtest/gtest.h>

#include <sstream>

#include "calendar/calendar.h"
#include "cli/commands.h"
#include "datetext/formatting.h"

namespace clvt::cli {
namespace {

TEST(ParseArguments, WordsOptionsAndErrors) {
  DateOptions options;
  bool json = false;
  CommandSyntax syntax;
  syntax.options = DateOptionSpecs(options, kCalendarChoices);
  syntax.options.push_back(FlagOption("--json", "", json));
  struct Row {
    std::vector<std::string> args;
    std::vector<std::string> words;
    std::string error;
    bool help = false;
  };
  const std::vector<Row> rows = {
      {{"--", "--dee", "-x"}, {"--dee", "-x"}, ""},
      {{"-", "--calendar=Julian", "-h"}, {"-"}, "", true},
      {{"-x"}, {}, "unknown option '-x'"},
      // A sign, blanks and digits start a negative year, as the window's box takes it; so
      // do they an option's value.
      {{"- 500-03-01 JC", "--dee"}, {"- 500-03-01 JC"}, ""},
      {{"--plus", "-5d", "today"}, {"today"}, ""},
      {{"- x"}, {}, "unknown option '- x'"},
      // A value that would be an option is none; the rest is read on after an error.
      {{"--calendar"}, {}, "option --calendar needs a value"},
      {{"--calendar", "--help"}, {}, "option --calendar needs a value", true},
      {{"--calendar=--help", "x"},
       {"x"},
       "option --calendar takes gregorian, julian or dee, "
       "not '--help'"},
      {{"--json=yes", "--bogus", "x"}, {"x"}, "option --json takes no value"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.args[0]);
    const ParsedArguments parsed = ParseArguments(row.args, syntax);
    EXPECT_EQ(parsed.error, row.error);
    EXPECT_EQ(parsed.words, row.words);
    EXPECT_EQ(parsed.help, row.help);
  }
  EXPECT_EQ(options.calendar, "Julian");
}

DateInput Read(std::vector<std::string> words, std::optional<std::string> calendar = {},
               bool dee = false) {
  DateOptions options;
  options.dateWords = std::move(words);
  options.calendar = std::move(calendar);
  options.dee = dee;
  return ReadDateInput(options);
}

TEST(ReadDateInput, YearMonthDayFollowsDesignatorAndVariant) {
  struct Row {
    std::string text;
    bool dee;
    std::optional<std::string> calendar;
    std::string box;
    int list;
  };
  const std::vector<Row> rows = {
      // The golden transcripts show "C.E.", "D" without --dee and "DC" with it.
      {"2015-11-22 jc", false, {}, "2015-11-22 JC", 2},
      // Decorated designators choose their calendar; we used to leave it to the Julian default.
      {"2015-11-22 D,C", false, {}, "2015-11-22 D,C", 3},
      {"2015-11-22 dc", true, {}, "2015-11-22 D", 3},
      {"2015-11-22", false, "Dee", "2015-11-22", 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    const DateInput in = Read({row.text}, row.calendar, row.dee);
    ASSERT_TRUE(in.ok);
    EXPECT_EQ(in.notation, kInputWithAYN);
    EXPECT_EQ(in.controls.txbYearCEJC, row.box);
    EXPECT_EQ(in.controls.cboCalendar1, row.list);
    EXPECT_EQ(in.dee, row.dee ? kDeeVariant : kDeeCecilVariant);
  }
}

TEST(ReadDateInput, TodayIsTheLocalDate) {
  const DateInput in = Read({"TODAY"}, "julian");
  ASSERT_TRUE(in.ok);
  DateRec today;
  today.calendar = kCalendarJulian;
  today.jdn = TodayJDN();
  JDNToDate(today, kDeeCecilVariant);
  EXPECT_EQ(in.controls.cboMonthNames, today.month);
  EXPECT_EQ(in.controls.cboDayNumbers, today.day);
  EXPECT_EQ(in.controls.cboYearDesADBCetc, kEraCE);
  EXPECT_EQ(in.controls.cboCalendar0, kCalendarPositionJulian);
}

TEST(ReadDateInput, Amounts) {
  DateOptions options;
  options.dateWords = {"2015-11-22 CE"};
  options.minus = " 4D 1,000y  2m ";
  DateInput in = ReadDateInput(options);
  ASSERT_TRUE(in.ok);
  EXPECT_TRUE(in.controls.optMinus);
  EXPECT_FALSE(in.controls.optPlus);
  EXPECT_EQ(in.controls.txbArith, (std::array<std::string, 4>{"1,000", "2", "", "4"}));
  EXPECT_FALSE(in.rejection.has_value());

  options.minus = "5xd";
  in = ReadDateInput(options);
  ASSERT_TRUE(in.ok);
  ASSERT_TRUE(in.rejection.has_value());
  EXPECT_EQ(in.rejection->text, "Invalid input in the arithmetical function.");

  for (const char* bad : {"", "5", "d", "1d 2d", "1 d"}) {
    SCOPED_TRACE(bad);
    options.minus = bad;
    EXPECT_FALSE(ReadDateInput(options).ok);
  }
}

TEST(ReadDateInput, ShapesTheWindowCannotHold) {
  struct Row {
    std::vector<std::string> words;
    std::optional<std::string> calendar;
  };
  const std::vector<Row> rows = {
      {{"November", "99999999999999999999,", "2015", "AD"}, {}},
      {{"November", "22,", "2015", "XX"}, {}},
      {{"2015-11-22 CE " + std::string(kDateMaxCharacters, ' ') + "x"}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.words[0]);
    const DateInput in = Read(row.words, row.calendar);
    EXPECT_FALSE(in.ok);
    EXPECT_FALSE(in.usageError.empty());
  }
}

// --jdn N and a batch line "JDN N": the day as a Gregorian date typed into the year-month-
// day box, so that the window's own run converts it.
TEST(ReadDateLine, JulianDayNumbers) {
  struct Row {
    std::string line;
    std::string box;  // "" for a rejection, "usage" for a usage error
  };
  const std::vector<Row> rows = {
      {"JDN 2,457,349", "2015-11-22 CE"},
      {"jdn -34 802 824", "-99,999-01-01 CE"},  // the first day the box takes
      {"JDN 38'245'309", "99,999-12-31 CE"},    // and the last
      {"JDN 38245310", ""},
      {"JDN -34802825", ""},
      {"JDN " + std::string(40, '9'), ""},
      {"JDN +5", "usage"},
      {"JDN 5x", "usage"},
      {"JDN -", "usage"},
      {"2015-11-22 CE" + std::string(kDateMaxCharacters, ' '), "usage"},
  };
  const DateSetting setting;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    const DateInput in = ReadDateLine(setting, row.line, false);
    if (row.box == "usage") {
      EXPECT_FALSE(in.ok);
      continue;
    }
    ASSERT_TRUE(in.ok);
    EXPECT_EQ(in.rejection.has_value(), row.box.empty());
    if (!row.box.empty()) {
      EXPECT_EQ(in.controls.txbYearCEJC, row.box);
    }
  }
  EXPECT_FALSE(ReadDateLine(setting, "JDN 5", true).ok);  // cut by the reader
}

// Whatever the words, the run ends with a status and never crashes: overlong and odd texts
// reach the window's own checks.
TEST(RunConvert, HostileDatesGetAMessage) {
  const std::vector<std::string> dates = {std::string(10000, '9'),
                                          std::string(10000, '-'),
                                          ",",
                                          "- CE",
                                          "\xFF\xFE CE",
                                          "CE",
                                          "JC JC",
                                          "1-1-1 CE" + std::string(5000, ' ') + "x",
                                          "November 22, " + std::string(5000, '1') + " AD",
                                          "Nov 22, - AD",
                                          "Nov 22,, AD"};
  for (const std::string& date : dates) {
    SCOPED_TRACE(date.substr(0, 30));
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunConvert({date}, in, out, err);
    EXPECT_NE(status, kExitDone);
    EXPECT_TRUE(out.str().empty());
    EXPECT_FALSE(err.str().empty());
  }
}

}  // namespace
}  // namespace clvt::cli
