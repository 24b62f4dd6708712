// Published anchors of the Gregorian, Julian and Dee calendars through the dispatch
// (DateToJDN / JDNToDate), the weekday of a JDN and the round-down division helpers.
#include "calendar/calendar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>

#include "calendar/dee.h"

namespace clvt {
namespace {

constexpr int32_t G = kCalendarGregorian;
constexpr int32_t J = kCalendarJulian;
constexpr int32_t D = kCalendarDee;

constexpr DeeVariant kD = kDeeVariant;
constexpr DeeVariant kDC = kDeeCecilVariant;

struct Anchor {
  const char* name;
  int32_t year, month, day, calendar;
  DeeVariant dee;  // the variant of a Dee row; the others ignore it
  int32_t jdn;
};

// Gregorian and Julian rows from the worked examples and tables of astronomical almanacs
// (the JDN is that of noon of the day); Dee rows from the calendar's published cycle table.
// The sweep ties every other day of -99,999..99,999 to these.
constexpr Anchor kAnchors[] = {
    {"Gregorian 2015", 2015, 11, 22, G, kDC, 2457349},
    {"Julian 2015", 2015, 11, 22, J, kDC, 2457362},
    {"Gregorian year 1", 1, 1, 1, G, kDC, 1721426},
    {"JDN 0 Julian", -4712, 1, 1, J, kDC, 0},
    {"JDN 0 Gregorian", -4713, 11, 24, G, kDC, 0},
    {"last Julian day of 1582", 1582, 10, 4, J, kDC, 2299160},
    {"first Gregorian day of 1582", 1582, 10, 15, G, kDC, 2299161},
    {"Julian leap day -1000", -1000, 2, 29, J, kDC, 1355867},
    {"Gregorian 0 leap day", 0, 2, 29, G, kDC, 1721119},
    {"Dee 1-1-1", 1, 1, 1, D, kD, 1721425},
    {"Dee-Cecil 1-1-1", 1, 1, 1, D, kDC, 1721426},
    {"Dee end of first cycle", 33, 12, 31, D, kD, 1733477},
    {"Dee start of second cycle", 34, 1, 1, D, kD, 1733478},
    {"Dee year 0 end", 0, 12, 31, D, kD, 1721424},
    {"Dee -1 leap day", -1, 2, 29, D, kD, 1720753},
    {"Dee -33 end of cycle", -33, 12, 31, D, kD, 1709371},
    {"Dee-Cecil 2015", 2015, 11, 22, D, kDC, 2457349},
};

TEST(CalendarAnchors, DateAndJDNConvertBothWays) {
  for (const Anchor& a : kAnchors) {
    SCOPED_TRACE(a.name);
    DateRec rec{a.year, a.month, a.day, a.calendar, -7, 0};
    DateToJDN(rec, a.dee);
    EXPECT_EQ(rec.valid, 1);
    EXPECT_EQ(rec.jdn, a.jdn);
    DateRec back{0, 0, 0, a.calendar, a.jdn, 0};
    JDNToDate(back, a.dee);
    EXPECT_EQ(back.year, a.year);
    EXPECT_EQ(back.month, a.month);
    EXPECT_EQ(back.day, a.day);
    EXPECT_EQ(back.calendar, a.calendar);
  }
}

// The variant is a value of each call, not a setting: the same calls with the two variants,
// one after the other and interleaved, give dates one day apart, whatever was called before.
TEST(DeeVariants, SameCallsDifferByOneDay) {
  constexpr int32_t kJdns[] = {1721425, 2457349, 0, -1000000, 2000000000};
  for (const int32_t jdn : kJdns) {
    SCOPED_TRACE(jdn);
    const DateRec dee = DateOfJDN(D, jdn, kD);
    const DateRec cecil = DateOfJDN(D, jdn, kDC);
    const DateRec cecilNextDay = DateOfJDN(D, jdn + 1, kDC);
    EXPECT_EQ(std::tie(dee.year, dee.month, dee.day),
              std::tie(cecilNextDay.year, cecilNextDay.month, cecilNextDay.day));
    DateRec back = cecil;
    DateToJDN(back, kD);
    EXPECT_EQ(back.jdn, jdn - 1);
    DateToJDN(back, kDC);
    EXPECT_EQ(back.jdn, jdn);
  }
  const DateRec cecil = DateOfJDN(D, 2457349, kDC);
  EXPECT_EQ(std::tie(cecil.year, cecil.month, cecil.day), std::make_tuple(2015, 11, 22));
  const DateRec dee = DateOfJDN(D, 2457349, kD);
  EXPECT_EQ(std::tie(dee.year, dee.month, dee.day), std::make_tuple(2015, 11, 23));
}

struct Missing {
  const char* name;
  int32_t year, month, day, calendar;
};

// The sweep checks the day after each month's last; these are the out-of-range fields.
TEST(CalendarDates, ThatDoNotExistAreInvalidAndLeaveTheJDN) {
  constexpr Missing kMissing[] = {
      {"month 0", 2015, 0, 1, G},
      {"day 0", 2015, 1, 0, G},
      {"negative month", 2015, -1, 1, G},
      {"Dee month 13", 2015, 13, 1, D},
      {"Dee hostile month", 2015, INT32_MIN, 1, D},
      {"Gregorian hostile day", 2015, 1, INT32_MAX, G},
      // The calendar library reads every code but 'G' as Julian; no calendar is none.
      {"no calendar", 2015, 11, 22, 0},
      {"unknown calendar", 2015, 11, 22, 'X'},
  };
  for (const Missing& m : kMissing) {
    SCOPED_TRACE(m.name);
    DateRec rec{m.year, m.month, m.day, m.calendar, 123, 1};
    DateToJDN(rec, kDC);
    EXPECT_EQ(rec.valid, 0);
    EXPECT_EQ(rec.jdn, 123);
  }
}

TEST(DeeCyclePosition, EdgesOfTheCycleAndTheExtremes) {
  // The sweep walks the cycle for every year in range; these are the edges and the extremes.
  struct Row {
    int32_t year, position;
    bool leap;
  };
  constexpr Row kRows[] = {{1, 1, false},        {4, 4, true},   {32, 32, true},
                           {33, 33, false},      {0, 33, false}, {-1, 32, true},
                           {-32, 1, false},      {37, 4, true},  {INT32_MIN, 31, false},
                           {INT32_MAX, 1, false}};
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.year);
    EXPECT_EQ(DeeCyclePosition(r.year), r.position);
    EXPECT_EQ(DeeIsLeapYear(r.year), r.leap);
  }
  for (int32_t month : {0, 13, -1, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(DeeDaysInMonth(month, 4), 0) << "month " << month;
  }
}

TEST(DayOfWeek, DependsOnlyOnTheJDN) {
  struct Row {
    int32_t jdn;
    int16_t weekday;
  };
  // 2015-11-22 was a Sunday, 2000-01-01 a Saturday; JDN 0 was a Monday. The extremes follow
  // from 2^31 = 2 (mod 7).
  constexpr Row kRows[] = {{2457349, 0}, {2451545, 6},   {0, 1},         {-1, 0},
                           {-8, 0},      {INT32_MAX, 2}, {INT32_MIN, 6}, {INT32_MIN + 1, 0}};
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.jdn);
    EXPECT_EQ(DayOfWeek(r.jdn), r.weekday);
  }
}

TEST(TodayJDN, IsWithinADayOfTheSystemClock) {
  // at most one day.
  const auto days = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  const int64_t utcJDN = 2440588 + days.time_since_epoch().count();
  EXPECT_LE(std::abs(TodayJDN() - utcJDN), 1);
}

}  // namespace
}  // namespace clvt
