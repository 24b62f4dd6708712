#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/calendar.h"
#include "calendar/dee.h"
#include "platform/morvel/date_rec.h"

// Every date, weekday, number and time-of-day text the program shows.
namespace clvt {

// "January" ... "December" at indexes 1..12 (index 0 is empty).
extern const std::array<std::string_view, 13> MonthNames;

// Positions of the era designator list (cboYearDesADBCetc): "", "AD", "BC", "CE", "BCE".
inline constexpr std::array<std::string_view, 5> kYearDesignators = {"", "AD", "BC", "CE", "BCE"};
inline constexpr int kEraAD = 1;
inline constexpr int kEraBC = 2;
inline constexpr int kEraCE = 3;
inline constexpr int kEraBCE = 4;

// n grouped by three with the user's digit-grouping symbol, as SeparateThousands groups:
// 1300290 -> "1,300,290", -4999999 -> "-4,999,999", 999 -> "999". Any int64_t.
std::string GroupDigits(int64_t n);

// A year as every text of the program writes it: grouped by three with groupingSymbol only
// when its magnitude exceeds 9,999, plain otherwise: 9999 -> "9999", -9999 -> "-9999",
// 10000 -> "10,000", -12345 -> "-12,345". Without a symbol, the user's (DigitGroupingSymbol).
std::string YearText(int64_t year, std::string_view groupingSymbol);
std::string YearText(int64_t year);

// "Sunday" (0) ... "Saturday" (6); "" for any other n.
std::string DayName(int n);

// text (an optional "-" and digits) grouped by three with the first byte of separator through
// the calendar library; an empty separator returns text unchanged. A separator of more than
// one byte is inserted whole, and a text too long for the library's buffer is grouped without
// it: "-9223372036854775808" -> "-9,223,372,036,854,775,808".
std::string SeparateThousands(std::string_view text, std::string_view separator);

// Numeric year-month-day without designator: "2015-03-21", "-500-03-22", "12,345-03-20"
// (the year as YearText writes it with thousandsSeparator).
std::string DateText(const DateRec& rec, std::string_view separator,
                     std::string_view thousandsSeparator);

// "November 22, 2015 CE" for jdn in calendar (Dee dates in the variant dee).
// eraPosition is the era designator list's selection: below 1 it is first set to 3 ("CE");
// positions 1 and 2 ("AD", "BC") choose AD/BC, any other CE/BCE. Years below 1 are shown as
// 1 - year ("March 1, 1 BCE" for year 0), as YearText writes it.
std::string TraditionalDate(Calendar calendar, int32_t jdn, const DeeVariant& dee,
                            int& eraPosition);

// "2015-11-22 CE", "-500-03-01 JC", "-12,345-01-01 CE", "2015-11-22 DC": astronomical year
// (as YearText writes it), two-digit month and day, designator "CE", "JC" or the Dee
// designation of dee (whose variant also converts the date).
std::string AYNDate(Calendar calendar, int32_t jdn, const DeeVariant& dee);

// The designator of calendar in the year-month-day notation: "CE", "JC" or the Dee
// designation of dee ("DC" or "D").
std::string_view DesignatorOf(Calendar calendar, const DeeVariant& dee);

// The same text for a record JDNToDate has completed in dee, for callers that also need its
// numbers.
std::string AYNDate(const DateRec& rec, const DeeVariant& dee);

// Hours and minutes "hh:mm" of the fraction of day number x (0.5 -> "12:00"). A tiny nudge
// keeps 10/24 from reading as 09:59. An infinite or NaN x gives "00:00".
std::string TimeOfDayText(double x);

// Rounds the time of day of x to the minute: seconds halves to even, then 30 s or less
// down, more up; 23:59:45 becomes 00:00 of the next day. Whole days, infinities and NaN stay
// unchanged.
void RoundToMinute(double& x);

// Two-digit form of 0..99 with a leading zero ("03").
std::string TwoDigits(int32_t n);

// The share count / total in per cent with `decimals` decimals (clamped to 0..6), rounded
// half away from zero, its whole part grouped and its decimals behind the user's decimal
// symbol: (5, 32, 2) -> "15.63", (5, 8, 0) -> "63". The one rounding of every percentage the
// program shows; worked in whole numbers, so a tie such as 15.625 is never tipped to even by
// a binary fraction. Any count; a total of 0 or less gives "".
std::string PercentText(int32_t count, int32_t total, int decimals);

}  // namespace clvt
