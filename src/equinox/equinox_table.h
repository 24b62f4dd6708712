#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "datetext/input_controls.h"
#include "platform/message_box.h"
#include "platform/morvel/date_rec.h"
#include "run/conversion.h"
#include "support/listing_text.h"

// The vernal equinox table as plain text: the heading, one line per year (the instant as a
// Julian date, the civil date and time at London in the Gregorian calendar and at a western
// longitude in the Dee calendar, the year's place in the 33-year cycle, and a mark when the
// Dee date is not the expected day of March) and a summary counting the marked years. Line
// ends are "\n"; the capacity counts the table as ListingLength does (support/listing_text.h).
namespace clvt {

inline constexpr int32_t kVernalEquinoxFirstYear = 1;
inline constexpr int32_t kVernalEquinoxLastYear = 4000;
inline constexpr int kMaxEquinoxYears = 800;

// "Vernal equinoxes are calculated only for years in the range 1 through 4000.", title
// "Out of range", information icon.
Message VEOutOfRangeMessage();

// The press of Vernal equinoxes in the main window: the input check, the year as typed in
// 1..4000 (else VEOutOfRangeMessage), then the input's JDN as for Date sequence. The table
// starts at start.year when ok.
PressStart VernalEquinoxesStart(InputControls& controls, Notation notation, const DeeVariant& dee,
                                int32_t jdn, std::string_view groupingSymbol);

// True for 1..4000, the years the Vernal equinoxes button accepts.
bool VernalEquinoxYearInRange(int32_t year);

// The two heading lines and the empty line after them, naming the Dee calendar deeName.
std::string EquinoxHeading(std::string_view deeName);

// Whether table, the window's text, holds what a run wrote (lines, or only the summary of a
// run that stopped before its first year) rather than nothing or a bare heading. Only a table
// without a run takes a fresh heading, so a summary is never wiped by the window's activation.
bool EquinoxTableHoldsRun(std::string_view table);

// How the table is made: 'Washington' longitude (degrees 70..79 west, minutes 0..59), time
// mode, and the main window's Dee variant.
struct EquinoxSettings {
  int32_t degrees = 77;
  int32_t minutes = 0;
  bool apparent = true;
  DeeVariant dee;
};

// "77d0m W": the longitude as the summary names it.
std::string LongitudeText(const EquinoxSettings& settings);

// One line (without line end) for year; lineIndex is the line's index within its run (the
// time mode is named on lines 0, 10, 20, ...). The Dee date is in settings.dee.
// std::nullopt when the year's equinox dates do not fit the calendar's int32_t day numbers
// (years below about -1.2 million, or far above 4000).
struct EquinoxLine {
  std::string text;
  bool marked = false;
  // The values the text is written from, for callers that report them one by one.
  int32_t year = 0;
  double julianDate = 0.0;     // the instant in UT, shown with four decimals
  double deltaTMinutes = 0.0;  // the Delta T that instant was reached by
  DateRec london;              // the Gregorian date at London
  std::string londonDate;      // "2024-03-20 CE"
  std::string londonTime;      // "03:06"
  DateRec washington;          // the Dee date at the chosen western longitude
  std::string washingtonDate;  // "2024-03-19 DC"
  std::string washingtonTime;  // "22:02"
  int32_t cyclePosition = 0;   // the year's place in the 33-year cycle, 1..33
  bool deeLeapYear = false;
};
std::optional<EquinoxLine> MakeEquinoxLine(int32_t year, int lineIndex,
                                           const EquinoxSettings& settings);

// "Number of VE not on March 20 in Dee-Cecil Calendar for 77d0m W: 3 of 12 (25.00%)"
// (without line ends); no percentage when count is 0.
std::string EquinoxSummary(int count, int years, const EquinoxSettings& settings);

// One press of "Do it": its number box holds the number of years, start gives the first
// year (the main window's input year at the moment of the run), and heldRun says whether the
// table holds a run (EquinoxTableHoldsRun).
struct EquinoxRequest : ListingRequest {
  EquinoxSettings settings;
};

// What one press does, as ListingRun says; closingMessage VEOutOfRangeMessage() or
// TextboxFullMessage(), the latter with stoppedFull.
struct EquinoxRun : ListingRun {
  bool stoppedOutOfRange = false;      // ended at the first year beyond 4000 (or beyond the
                                       // calendar's day numbers); the summary still follows
  std::vector<EquinoxLine> lines;      // the lines written, in order
  int markedCount = 0;                 // how many of them are marked
  std::optional<std::string> summary;  // the summary line, when one was written
};

// One press of "Do it": StartListing with the noun "years" (its messages go through
// messages), then the heading into a table without a run, a line per year from the start
// year, a stop at the first year beyond 4000 (closingMessage VEOutOfRangeMessage; the summary
// still follows) or when the table grows past the capacity (closingMessage
// TextboxFullMessage, no summary), and the summary when more than one year was asked for.
EquinoxRun RunVernalEquinoxes(const EquinoxRequest& request, MessageBoxes& messages);

}  // namespace clvt
