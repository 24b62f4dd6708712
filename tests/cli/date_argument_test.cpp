// clvt's DATE arguments: option parsing, and how DATE, CAL and AMOUNTS fill the controls.
#include "cli/date_argument.h"

#include <gtest/gtest.h>

#include <sstream>

#include "calendar/calendar.h"
#include "cli/commands.h"
#include "datetext/formatting.h"

namespace clvt::cli {
namespace {

TEST(ParseDateArguments, WordsOptionsAndErrors) {
  struct Row {
    std::vector<std::string> args;
    std::vector<std::string> words;
    std::string error;
  };
  const std::vector<Row> rows = {
      {{"--", "--dee", "-x"}, {"--dee", "-x"}, ""},
      {{"--calendar"}, {}, "option --calendar needs a value"},
      {{"-", "--calendar", "-h"}, {"-"}, ""},
      {{"-x"}, {}, "unknown option '-x'"},
      // A sign, blanks and digits start a negative year, as the window's box takes it.
      {{"- 500-03-01 JC", "--dee"}, {"- 500-03-01 JC"}, ""},
      {{"- x"}, {}, "unknown option '- x'"},
      {{"--plus", "1d", "--minus", "1d", "today"},
       {"today"},
       "--plus and --minus cannot be used together"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.args[0]);
    DateOptions options;
    EXPECT_EQ(ParseDateArguments(row.args, options), row.error);
    if (row.error.empty()) {
      EXPECT_EQ(options.dateWords, row.words);
    }
  }
}

// The equinox subcommand's syntax keeps what its own reader did: "-" is no word, a missing
// value is named without "option", and a help option before "--" wins over any error.
TEST(ParseArguments, EquinoxSyntaxDiffersWhereItAlwaysDid) {
  std::string years;
  CommandSyntax syntax;
  syntax.options = {TextOption("--years", years)};
  syntax.loneDashIsWord = false;
  syntax.missingValuePrefix = "";
  syntax.helpBeforeAll = true;
  struct Row {
    std::vector<std::string> args;
    bool help;
    std::string error;
  };
  const std::vector<Row> rows = {
      {{"-"}, false, "unknown option '-'"},
      {{"--years"}, false, "--years needs a value"},
      {{"--bogus", "--help"}, true, ""},
      {{"--years", "-h"}, true, ""},
      {{"--years", "--", "-h"}, false, "unknown option '-h'"},
      {{"--", "-h"}, false, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.args.back());
    const ParsedArguments parsed = ParseArguments(row.args, syntax);
    EXPECT_EQ(parsed.help, row.help);
    EXPECT_EQ(parsed.error, row.error);
  }
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
      {{"today"}, "gregorian calendar"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.words[0]);
    const DateInput in = Read(row.words, row.calendar);
    EXPECT_FALSE(in.ok);
    EXPECT_FALSE(in.usageError.empty());
  }
}

// Whatever the words, the run ends with a status and never crashes: overlong and odd texts
// reach the window's own checks.
TEST(RunConvert, HostileDatesGetAMessage) {
  const std::vector<std::string> dates = {std::string(10000, '9'),
                                          std::string(10000, '-'),
                                          "-",
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
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunConvert({date}, out, err);
    EXPECT_NE(status, kExitDone);
    EXPECT_TRUE(out.str().empty());
    EXPECT_FALSE(err.str().empty());
  }
}

}  // namespace
}  // namespace clvt::cli
