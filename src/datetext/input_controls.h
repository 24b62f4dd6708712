#pragma once

#include <array>
#include <optional>
#include <string>

#include "calendar/calendar.h"
#include "calendar/dee.h"

// What the main window's input controls hold, as plain values. The window copies its controls
// into this record, hands it to the pure checks and runs (which may rewrite the texts as the
// program does: upper-casing, trimming, normalised dates), and writes it back.
namespace clvt {

// List positions of cboCalendar(0): 1..3 calendars, 4..10 weekdays Sunday..Saturday.
inline constexpr int kCalendarPositionGregorian = 1;
inline constexpr int kCalendarPositionJulian = 2;
inline constexpr int kCalendarPositionDee = 3;
inline constexpr int kCalendarPositionSunday = 4;

// The calendar at a position of either calendar list; none for the empty item 0, the weekdays
// 4..10 and anything else.
inline constexpr std::optional<Calendar> CalendarAtPosition(int position) {
  switch (position) {
    case kCalendarPositionGregorian: return Calendar::kGregorian;
    case kCalendarPositionJulian: return Calendar::kJulian;
    case kCalendarPositionDee: return Calendar::kDee;
    default: return std::nullopt;
  }
}

// The list position of calendar; the empty item 0 for none.
inline constexpr int CalendarPosition(std::optional<Calendar> calendar) {
  if (!calendar) return 0;
  switch (*calendar) {
    case Calendar::kJulian: return kCalendarPositionJulian;
    case Calendar::kDee: return kCalendarPositionDee;
    case Calendar::kGregorian: break;
  }
  return kCalendarPositionGregorian;
}

// The input notation in use (the main window's intInputDateType): none complete, month-day-
// year (optInputDateWithoutAYN, cboCalendar(0)), or year-month-day (optInputDateWithAYN,
// cboCalendar(1)). The two notations' values are their calendar lists' indexes.
enum class Notation { kInputIncomplete = -1, kInputWithoutAYN = 0, kInputWithAYN = 1 };
using enum Notation;

// The index of a notation's calendar list, cboCalendar(0) or cboCalendar(1).
inline int CalendarListIndex(Notation notation) { return static_cast<int>(notation); }

// Longest texts the boxes take.
inline constexpr std::size_t kYearADBCetcMaxLength = 7;
inline constexpr std::size_t kYearCEJCMaxLength = 16;  // "-99,999-12-31 JC"
inline constexpr std::size_t kArithYearsMaxLength = 5;
inline constexpr std::size_t kArithOtherMaxLength = 6;

struct InputControls {
  bool optInputDateWithoutAYN = false;
  bool optInputDateWithAYN = false;
  int cboMonthNames = 0;  // 0 = empty item, 1..12 = month
  int cboDayNumbers = 0;  // 0 = empty item, 1..31 = day
  std::string txbYearADBCetc;
  int cboYearDesADBCetc = 0;  // 0 "", 1 "AD", 2 "BC", 3 "CE", 4 "BCE"
  int cboCalendar0 = 0;       // 0 "", 1..3 calendars, 4..10 weekdays
  std::string txbYearCEJC;
  int cboCalendar1 = 0;  // 0 "", 1 "Proleptic Gregorian", 2 Julian, 3 Dee
  bool optPlus = false;
  bool optMinus = false;
  bool fraPlusMinusVisible = true;
  std::array<std::string, 4> txbArith;  // years, months, weeks, days
  friend bool operator==(const InputControls&, const InputControls&) = default;
};

// The calendar chosen in the list of notation: cboCalendar0 or cboCalendar1. None for the
// empty item, a weekday, or kInputIncomplete.
inline std::optional<Calendar> SelectedCalendar(const InputControls& controls, Notation notation) {
  if (notation == kInputWithoutAYN) return CalendarAtPosition(controls.cboCalendar0);
  if (notation == kInputWithAYN) return CalendarAtPosition(controls.cboCalendar1);
  return std::nullopt;
}

}  // namespace clvt
