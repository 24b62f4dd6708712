#pragma once

#include <string>
#include <string_view>

#include "base/message.h"

// Every message the input checks, the conversion run and the date arithmetic show, in one
// place, with the title and icon each is shown with. Line breaks inside a text are "\r\n".
namespace clvt {

inline constexpr std::string_view kTitleCalculate = "Calculate";  // caption of cmdCalculate
inline constexpr std::string_view kTitleInvalidInput = "Invalid input";

// Input checks of the typed date.
inline constexpr std::string_view kMsgSelectInputType = "Please select type of input date";
inline constexpr std::string_view kMsgInconsistentDesignations =
    "Inconsistent calendar designations in year-month-day date.";
inline constexpr std::string_view kMsgSpecifyCalendar =
    "Please specify calendar for year-month-day date.";
inline constexpr std::string_view kMsgADBCOnlyMonthDayYear =
    "The calendar designators 'AD' and 'BC'\r\ncan only be used with month,day,year dates.";
inline constexpr std::string_view kMsgInvalidInputDate = "Invalid input date";
inline constexpr std::string_view kMsgInputOutOfRange = "Input date is out of permitted range.";
inline constexpr std::string_view kMsgInvalidYearValue = "Invalid year value";
inline constexpr std::string_view kMsgZeroNegativeYear =
    "Zero and negative years not accepted.\r\nInput the date as year-month-day.";
inline constexpr std::string_view kMsgYearOutOfRange = "Year is out of permitted range";

// Conversion run. The invalid-date message continues for 29 February of a year 1 or later
// with "\r\n\r\nIn the <calendar> Calendar\r\n<year> is not a leap year.".
inline constexpr std::string_view kMsgDateInvalid = "The input date is invalid.";
inline constexpr std::string_view kMsgLeapYearIntro = "\r\n\r\nIn the ";
inline constexpr std::string_view kMsgLeapYearCalendar = " Calendar\r\n";
inline constexpr std::string_view kMsgLeapYearEnd = " is not a leap year.";

// Weekday match: "The input date is not a Monday in either ..." / "... is a Tuesday in both ...".
inline constexpr std::string_view kMsgWeekdayNotA = "The input date is not a ";
inline constexpr std::string_view kMsgWeekdayInNeither =
    " in either the Gregorian Calendar or the Julian.";
inline constexpr std::string_view kMsgWeekdayIsA = "The input date is a ";
inline constexpr std::string_view kMsgWeekdayInBoth =
    " in both the Gregorian and the Julian calendars.";

// Date arithmetic.
inline constexpr std::string_view kMsgNegativeAmount =
    "Negative values not permitted in the arithmetical function.";
inline constexpr std::string_view kMsgInvalidAmount = "Invalid input in the arithmetical function.";
// A shifted date whose Julian day number leaves the signed 32-bit range: the run stops here
// instead of wrapping round to a date in the wrong era.
inline constexpr std::string_view kMsgArithmeticOutOfRange =
    "The result of the date arithmetic is out of permitted range.";

// A message value with its title and icon.
inline Message MakeMessage(std::string_view text, std::string_view title, Icon icon) {
  return Message{std::string(text), std::string(title), icon, Buttons::Ok};
}

}  // namespace clvt
