// clvt sequence: what the golden transcripts of tests/cli/golden do not cover.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "platform/digit_grouping.h"

namespace clvt::cli {
namespace {

struct Transcript {
  std::string out;
  std::string err;
  int status = -1;
};

Transcript Clvt(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  Transcript t;
  t.status = RunSequence(args, out, err);
  t.out = out.str();
  t.err = err.str();
  return t;
}

class SequenceCommand : public ::testing::Test {
 protected:
  void SetUp() override { OverrideNumberSymbols(","); }
  void TearDown() override { OverrideNumberSymbols(std::nullopt, std::nullopt); }
};

TEST_F(SequenceCommand, DeeVariantAndOtherNotations) {
  const std::string heading =
      "   Common Era date      Dee-Cecil date         Julian day number    Day of week\n\n";
  const std::string line =
      "   2015-11-22 CE        2015-11-22 DC          2,457,349            Sunday\n";
  const struct {
    std::vector<std::string> args;
    std::string out;
  } rows[] = {
      {{"--dee", "--days", "1", "2015-11-22 CE"},
       "   Common Era date      Dee date              Julian day number    Day of week\n\n"
       "   2015-11-22 CE        2015-11-23 D           2,457,349            Sunday\n"},
      {{"--days", "1", "November", "22,", "2015", "AD"}, heading + line},
      {{"--days", "1", "--plus", "1w", "2015-11-15 CE"}, heading + line},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.args.back());
    const Transcript t = Clvt(row.args);
    EXPECT_EQ(t.status, 0);
    EXPECT_EQ(t.err + t.out, row.out);
  }
}

// The date is checked first, as the window opens only for a date that passed: with both a
// bad date and a bad number of days, the date's message comes.
TEST_F(SequenceCommand, RejectedWithTheWindowsMessages) {
  const std::string notLeap = "The input date is invalid.\n\nIn the Gregorian Calendar\n";
  const struct {
    std::vector<std::string> args;
    std::string err;
  } rows[] = {
      {{"--days", "801", "2015-11-22 CE"}, "Too many days\n"},
      {{"--days", "-3", "2015-11-22 CE"}, "Invalid input for number of days.\n"},
      // The window lists nothing for these, silently; we used to exit 0 with no output.
      {{"--days", "0", "2015-11-22 CE"}, "Invalid input for number of days.\n"},
      {{"--days", "", "2015-11-22 CE"}, "Invalid input for number of days.\n"},
      {{"--days", "801", "2015-02-29 CE"}, notLeap + "2015 is not a leap year.\n"},
      // The leap-year note begins with year 1, the first year that is shown as typed.
      {{"February 29, 1 AD"}, notLeap + "1 is not a leap year.\n"},
      {{"0-02-29 DC"}, "The input date is invalid.\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.args.front() + " " + row.args.back());
    const Transcript t = Clvt(row.args);
    EXPECT_EQ(t.status, kExitRejected);
    EXPECT_EQ(t.out, "");
    EXPECT_EQ(t.err, row.err);
  }
}

TEST_F(SequenceCommand, UsageErrors) {
  const struct {
    std::vector<std::string> args;
    std::string firstLine;
  } rows[] = {
      {{}, "clvt sequence: missing DATE"},
      {{"--days"}, "clvt sequence: option --days needs a value"},
      {{"--calendar", "sunday", "November 22, 2015 AD"},
       "clvt sequence: option --calendar takes gregorian, julian or dee, not 'sunday'"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.firstLine);
    const Transcript t = Clvt(row.args);
    EXPECT_EQ(t.status, kExitUsage);
    EXPECT_EQ(t.out, "");
    EXPECT_EQ(t.err.substr(0, t.err.find('\n')), row.firstLine);
    EXPECT_NE(t.err.find("Run 'clvt sequence --help' for usage."), std::string::npos);
  }
}

}  // namespace
}  // namespace clvt::cli
