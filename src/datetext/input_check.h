#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "datetext/input_controls.h"
#include "platform/morvel/date_rec.h"

// The checks every run makes on the typed input date, and the writing of a date back into
// the input controls in normalised form.
namespace clvt {

// Largest year magnitude the input takes (both notations).
inline constexpr int64_t kLargestInputYear = 99999;

struct InputCheck {
  bool ok = false;
  std::optional<Message> message;         // the one message of a rejection
  std::vector<std::string> strDateParts;  // year, month, day fields of an accepted ymd text
};

// The calendar designator of a year-month-day text, read the one way the input check, the
// live input's calendar choice and clvt all read it: what is left of the text once digits,
// "-", ",", ".", "'", blanks and groupingSymbol (the locale's digit-grouping symbol, removed
// whole however many bytes it has) are removed. So "2015-11-22 C.E." and "CE 2015-11-22" both
// hold "CE". Case-sensitive: pass the text upper-cased where the check would.
struct YmdDesignator {
  std::string letters;               // what is left: "CE", "" (none typed), "AD", "XY", ...
  std::optional<Calendar> calendar;  // the calendar the letters name: "CE" Gregorian, "JC"
                                     // Julian, the Dee designation Dee; none for anything else
};
YmdDesignator ReadYmdDesignator(std::string_view text, const DeeVariant& dee,
                                std::string_view groupingSymbol);

// Checks the typed text of the notation in use (month-day-year or year-month-day;
// any other value passes unexamined). May rewrite controls.txbYearCEJC (upper case, trimmed,
// designator appended) or controls.txbYearADBCetc (trimmed, leading zeros removed). Titles are
// "Calculate". Besides ",.' " (",. " in the month-day-year year box) the digit groups may be
// written with groupingSymbol, so that every year the program writes back reads again.
// A year-month-day text passes only with a calendar chosen in cboCalendar1 (1..3) that its
// designator does not contradict. Safe for any text: overlong digit runs are rejected, never
// overflowed.
InputCheck InputDateOK(InputControls& controls, Notation notation, const DeeVariant& dee,
                       std::string_view groupingSymbol);

// Puts rec's date into the month-day-year controls (month and day lists, year box, era list
// keeping the user's AD/BC or CE/BCE pair).
void DisplayInputDateWithoutAYN(const DateRec& rec, InputControls& controls);

// Puts rec's date into the year-month-day box: "-4999-12-31 JC", "12,345-01-05 CE"; the
// designator follows cboCalendar1.
void DisplayInputDateWithAYN(const DateRec& rec, InputControls& controls, const DeeVariant& dee);

// Index of text among "", "AD", "BC", "CE", "BCE", or -1.
int16_t YearDesignatorIndex(std::string_view text);

// Item text at position of the calendar list of notation: month-day-year "Gregorian
// Calendar", "Julian Calendar", "<Dee name> Calendar", "Sunday".."Saturday"; year-month-day
// "Proleptic Gregorian", ....
std::string CalendarListItem(Notation notation, int position, const DeeVariant& dee);

}  // namespace clvt
