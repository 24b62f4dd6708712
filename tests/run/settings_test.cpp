// What a save writes and what a restore puts where, over an in-memory store, and that a save
// reaches the settings file whole. The round trip through the settings file is checked through
// the real window.
#include "run/settings.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "doubles/memory_registry.h"

#ifndef _WIN32
#include "platform/registry_file.h"
#include "support/scratch_dir.h"
#endif

namespace clvt {
namespace {

// Whether a restore selects the Dee (not Dee-Cecil) variant; nothing when it selects none.
std::optional<bool> IsDee(const std::optional<DeeVariant>& dee) {
  if (!dee) return std::nullopt;
  return *dee == kDeeVariant;
}

const std::string kKey = "Software\\Vostrel Systems\\CLVT";

// A program text file without texts 273 or 310 used to read and save the settings under
// "Software\\CLVT" or "\\Vostrel Systems\CLVT", where no complete start looks for them.
TEST(SettingsKeyPath, IsBuiltOnlyFromAllThreeParts) {
  EXPECT_EQ(SettingsKeyPath("Software", "Vostrel Systems", "CLVT"), kKey);
  EXPECT_EQ(SettingsKeyPath("", "Vostrel Systems", "CLVT"), std::nullopt);
  EXPECT_EQ(SettingsKeyPath("Software", "", "CLVT"), std::nullopt);
}

TEST(SettingsToSave, WritesTheFourTexts) {
  const struct {
    const char* name;
    SettingsState state;
    const char* grouping;
    SettingsValues expected;
  } rows[] = {
      {"grouped JDN, month-day-year Gregorian",
       {"2,457,349", kInputWithoutAYN, 1, 0, false, false, "DC", 0x800080},
       ",",
       {"2457349", "1", "DC", "8388736"}},
      {"year-month-day Julian",
       {"2,457,336", kInputWithAYN, 0, 2, false, false, "DC", 0},
       ",",
       {"2457336", "-2", "DC", "0"}},
      {"weekday found in Julian",
       {"2,457,349", kInputWithoutAYN, 10, 0, false, true, "DC", 0x800080},
       ",",
       {"2457349", "2", "DC", "8388736"}},
      {"weekday found nowhere",
       {"", kInputWithoutAYN, 6, 0, false, false, "DC", 0x800080},
       ",",
       {"0", "6", "DC", "8388736"}},
      {"negative JDN, other separators",
       {"-1.234'567 8", kInputWithAYN, 0, 1, false, false, "DC", 1},
       ",",
       {"-12345678", "-1", "DC", "1"}},
      // A multi-byte grouping symbol (narrow no-break space) once cut the stored JDN to "2".
      {"narrow no-break space",
       {"2\u202F457\u202F349", kInputWithoutAYN, 1, 0, false, false, "DC", 0xFFFFFF},
       "\u202F",
       {"2457349", "1", "DC", "16777215"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(SettingsToSave(row.state, row.grouping), row.expected);
  }
}

TEST(SaveSettings, CreatesTheKeyWithTheFourValues) {
  MemoryRegistry registry;
  SaveSettings(registry, kKey, {"2,457,349", kInputWithAYN, 0, 2, false, false, "D", 0x800080},
               ",");
  const std::map<std::string, std::string> expected = {
      {"JDN", "2457349"}, {"CalNdx", "-2"}, {"Dee", "D"}, {"BackColor", "8388736"}};
  EXPECT_EQ(registry.values, expected);
  // One write: a save killed or raced half-way used to leave a mix of old and new values.
  EXPECT_EQ(registry.keyWrites, 1);
}

#ifndef _WIN32
// Through the settings file: a replacement that fails leaves all four old values, one that
// succeeds stores all four new ones, never a mix.
TEST(SaveSettings, StoresAllFourValuesOrNone) {
  testing::ScratchDir dir;
  const std::string path = dir.Path("registry.txt");
  FileRegistry initial(path);
  SaveSettings(initial, kKey, {"2,457,349", kInputWithoutAYN, 1, 0, false, false, "DC", 0x800080},
               ",");
  for (const int failingRename : {1, 2}) {
    SCOPED_TRACE(failingRename);
    int renames = 0;
    FileRegistry registry(path, [&](const char* from, const char* to) {
      if (++renames >= failingRename) {
        errno = EIO;
        return -1;
      }
      return std::rename(from, to);
    });
    SaveSettings(registry, kKey, {"1,000", kInputWithAYN, 0, 2, false, false, "D", 0x404040}, ",");
    const std::vector<RestoredValue> stored = RestoreValuesFromRegistry(
        initial, kHKeyCurrentUser, kKey, {"JDN", "CalNdx", "Dee", "BackColor"});
    std::string values;
    for (const RestoredValue& one : stored) values += one.value + " ";
    EXPECT_EQ(values, failingRename == 1 ? "2457349 1 DC 8388736 " : "1000 -2 D 4210752 ");
  }
}
#endif

TEST(StoredNumber, RejectsWhatDoesNotFitInsteadOfOverflowing) {
  const struct {
    const char* text;
    std::optional<int64_t> expected;
  } rows[] = {
      {" 5x", 5},
      {"abc", 0},
      {"2.5", 2},
      {"3.5", 4},
      {"-0.4", 0},
      {"1e3", 1000},
      {"16777215", 16777215},
      {"16777216", {}},
      {"-1", {}},
      {"99999999999999999999", {}},
      {"-1e300", {}},
      {"1e999", {}},
      {"inf", 0},
      {"nan", 0},
      {"0x10", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(StoredNumber(row.text, 0, 0xFFFFFF).value_or(-7),
              row.expected.has_value() ? *row.expected : -7);
  }
  EXPECT_EQ(StoredNumber("10.5", -10, 10), 10);  // halves to even stay in range
  EXPECT_EQ(StoredNumber("-10.5", -10, 10), -10);
  EXPECT_EQ(StoredNumber("11.5", -10, 10), std::nullopt);
}

TEST(PlanRestore, PutsTheDateBackInItsNotationAndCalendar) {
  const struct {
    const char* name;
    std::map<std::string, std::string> values;
    bool dee;
    Notation type;
    int position;
    DateRec date;  // year, month, day, calendar
  } rows[] = {
      {"month-day-year Gregorian",
       {{"JDN", "2457349"}, {"CalNdx", "1"}, {"Dee", "DC"}},
       false,
       kInputWithoutAYN,
       1,
       {2015, 11, 22, 'G'}},
      {"year-month-day Julian",
       {{"JDN", "2457349"}, {"CalNdx", "-2"}, {"Dee", "DC"}},
       false,
       kInputWithAYN,
       2,
       {2015, 11, 9, 'J'}},
      {"Dee",
       {{"JDN", "2457349"}, {"CalNdx", "3"}, {"Dee", "D"}},
       true,
       kInputWithoutAYN,
       3,
       {2015, 11, 23, 'D'}},
      {"unknown variant means Dee-Cecil",
       {{"JDN", "2457349"}, {"CalNdx", "3"}, {"Dee", "d"}},
       false,
       kInputWithoutAYN,
       3,
       {2015, 11, 22, 'D'}},
      {"last restorable day",
       {{"JDN", "38245309"}, {"CalNdx", "-1"}, {"Dee", "DC"}},
       false,
       kInputWithAYN,
       1,
       {99999, 12, 31, 'G'}},
      {"numbers with trailing text",
       {{"JDN", " 2457349.4 days"}, {"CalNdx", "-2.2"}, {"Dee", "DC"}},
       false,
       kInputWithAYN,
       2,
       {2015, 11, 9, 'J'}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    MemoryRegistry registry(row.values);
    const RestorePlan plan = PlanRestore(registry, kKey);
    EXPECT_EQ(registry.keyReads, 1);  // a 100 MB file used to be read once per value
    EXPECT_EQ(IsDee(plan.dee), std::optional<bool>(row.dee));
    ASSERT_TRUE(plan.input && plan.input->date);
    EXPECT_EQ(plan.input->notation, row.type);
    EXPECT_EQ(CalendarPosition(plan.input->calendar), row.position);
    const DateRec& d = *plan.input->date;
    EXPECT_EQ(std::tie(d.year, d.month, d.day, d.calendar),
              std::tie(row.date.year, row.date.month, row.date.day, row.date.calendar));
  }
}

// Without a date the start shows today's date, in the notation and calendar restored here.
// A JDN kept without its date used to open a blank window, and a missing JDN or CalNdx used to
// drop the Dee variant and the notation and calendar too.
TEST(PlanRestore, EachValueRestoresItsOwnSettingAndTheDateNeedsAllThree) {
  const struct {
    const char* name;
    std::map<std::string, std::string> values;
    std::optional<bool> dee;
    int calNdx;  // the notation and calendar restored, as CalNdx stores them; 0 none
  } rows[] = {
      {"first start", {}, {}, 0},
      {"one day past 99,999-12-31", {{"JDN", "38245310"}, {"CalNdx", "1"}, {"Dee", "D"}}, true, 1},
      {"JDN not a number", {{"JDN", "today"}, {"CalNdx", "-1"}, {"Dee", "D"}}, true, -1},
      {"JDN too large for any integer",
       {{"JDN", "99999999999999999999"}, {"CalNdx", "1"}, {"Dee", "D"}},
       true,
       1},
      // What Today and Quit without a calculation leave behind.
      {"JDN 0", {{"JDN", "0"}, {"CalNdx", "-2"}, {"Dee", "D"}}, true, -2},
      {"CalNdx missing", {{"JDN", "2457349"}, {"Dee", "D"}}, true, 0},
      // What Calculate, emptying the year box and Quit leave behind.
      {"CalNdx 0", {{"JDN", "2457349"}, {"CalNdx", "0"}, {"Dee", "DC"}}, false, 0},
      {"CalNdx empty", {{"JDN", "2457349"}, {"CalNdx", ""}, {"Dee", "D"}}, true, 0},
      {"CalNdx not a number", {{"JDN", "2457349"}, {"CalNdx", "abc"}, {"Dee", "D"}}, true, 0},
      {"CalNdx weekday", {{"JDN", "2457349"}, {"CalNdx", "4"}, {"Dee", "D"}}, true, 0},
      {"CalNdx -7", {{"JDN", "2457349"}, {"CalNdx", "-7"}, {"Dee", "D"}}, true, 0},
      {"CalNdx huge", {{"JDN", "2457349"}, {"CalNdx", "1e300"}, {"Dee", "DC"}}, false, 0},
      // An empty "Dee" used to blank the designation while Dee-Cecil stayed selected.
      {"Dee empty", {{"JDN", "2457349"}, {"CalNdx", "1"}, {"Dee", ""}}, {}, 1},
      // A file cut short after CalNdx.
      {"Dee missing", {{"JDN", "2457349"}, {"CalNdx", "-3"}}, {}, -3},
      // The Dee calendar runs about a week ahead of the Gregorian one by year 99,999 (and
      // behind it by -99,999), and 100,000 BC cannot be typed as month, day, year.
      {"Dee year 100,000", {{"JDN", "38245309"}, {"CalNdx", "3"}, {"Dee", "DC"}}, false, 3},
      {"100,000 BC", {{"JDN", "-34802824"}, {"CalNdx", "1"}, {"Dee", "DC"}}, false, 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    MemoryRegistry registry(row.values);
    const RestorePlan plan = PlanRestore(registry, kKey);
    EXPECT_EQ(IsDee(plan.dee), row.dee);
    ASSERT_EQ(plan.input.has_value(), row.calNdx != 0);
    if (plan.input) {
      EXPECT_FALSE(plan.input->date);
      EXPECT_EQ(plan.input->notation, row.calNdx < 0 ? kInputWithAYN : kInputWithoutAYN);
      EXPECT_EQ(CalendarPosition(plan.input->calendar), std::abs(row.calNdx));
    }
    EXPECT_FALSE(plan.lngBackColor);
  }
}

TEST(PlanRestore, BackColorIsReadWhateverHappenedBefore) {
  const struct {
    const char* text;
    uint32_t expected;
  } rows[] = {
      {"4210752", 0x404040},
      {"0", 0x800080},
      {"16777216", 0x800080},
      {"1e300", 0x800080},
      {"99999999999999999999", 0x800080},
      {"nan", 0x800080},
      {"", 0x800080},  // never "0 OK", so purple stays by not being touched
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    MemoryRegistry registry({{"JDN", "38245310"}, {"BackColor", row.text}});
    const RestorePlan plan = PlanRestore(registry, kKey);
    EXPECT_EQ(plan.lngBackColor.value_or(kDefaultBackColor), row.expected);
  }
}

}  // namespace
}  // namespace clvt
