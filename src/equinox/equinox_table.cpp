// The vernal equinox table. Local times are mean solar time at London (longitude 0) and at
// the chosen western longitude, or apparent solar time approximated as mean time minus
// 8 minutes (the equation of time near the March equinox). Each time is rounded to the minute
// before its date is taken, so a time near midnight can move the date.
#include "equinox/equinox_table.h"

#include <charconv>
#include <cmath>

#include "base/ascii_text.h"
#include "base/floor_div.h"
#include "calendar/dee.h"
#include "datetext/formatting.h"
#include "datetext/text_helpers.h"
#include "equinox/equinox.h"
#include "platform/digit_grouping.h"
#include "platform/morvel/date_rec.h"
#include "platform/morvel/morvel.h"

namespace clvt {
namespace {

constexpr double kApparentOffsetDays = 8.0 / 1440.0;  // mean minus apparent solar time
constexpr double kDegreesPerDay = 360.0;
constexpr int kModeEvery = 10;  // the time mode is named on every tenth line

// x with `decimals` decimals, the integer part grouped, in the user's number symbols:
// 2460389.62955 -> "2,460,389.6296". Callers pass values far below 1e15.
std::string RegionalFixed(double x, int decimals) {
  char buffer[48];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return "";
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t point = text.find('.');
  std::string out = SeparateThousands(text.substr(0, point), DigitGroupingSymbol());
  if (point != std::string_view::npos) out += DecimalSymbol() + std::string(text.substr(point + 1));
  return out;
}

// The day number of x's civil day, when it fits the calendar routines' int32_t.
std::optional<int32_t> DayNumber(double x) {
  const double day = std::floor(x);
  if (!(day >= static_cast<double>(kInt32Min) && day <= static_cast<double>(kInt32Max))) {
    return std::nullopt;
  }
  return static_cast<int32_t>(day);
}

bool OneDigitYear(int32_t year) { return year >= -9 && year <= 9; }

// A blank, then the year preceded by a blank or its "-"; one more blank in front when that
// makes only three characters (a one-digit year): "   5", "  -5", "  2024".
std::string YearColumn(int32_t year) {
  const std::string digits = DecimalText(year);
  std::size_t blanks = year >= 0 ? 2 : 1;
  if (blanks + digits.size() == 3) ++blanks;
  std::string text(blanks, ' ');
  text += digits;
  return text;
}

// " 4*", "11", "33": the cycle position, a star on leap years; the year ending a cycle is
// never one.
std::string CycleColumn(int32_t position, bool leap) {
  if (position == kDeeCycleYears) return " 33";
  std::string text = " ";
  if (position < 10) text += " ";
  text += DecimalText(position);
  if (leap) text += "*";
  return text;
}

}  // namespace

Message VEOutOfRangeMessage() {
  return {"Vernal equinoxes are calculated only for years in the range 1 through 4000.",
          "Out of range", Icon::Information, Buttons::Ok};
}

bool VernalEquinoxYearInRange(int32_t year) {
  return year >= kVernalEquinoxFirstYear && year <= kVernalEquinoxLastYear;
}

std::string EquinoxHeading(std::string_view deeName) {
  return "  Year      Astronomical      Gregorian Calendar      " + std::string(deeName) +
         " Calendar\n" + std::string(12, ' ') + "Julian date" + std::string(13, ' ') + "London" +
         std::string(12, ' ') + "'Washington'\n\n";
}

bool EquinoxTableHoldsRun(std::string_view table) {
  return !table.empty() && table != EquinoxHeading(kDeeVariant.name) &&
         table != EquinoxHeading(kDeeCecilVariant.name);
}

PressStart VernalEquinoxesStart(InputControls& controls, Notation notation, const DeeVariant& dee,
                                int32_t jdn, std::string_view groupingSymbol) {
  PressStart start = CheckPressInput(controls, notation, dee, jdn, groupingSymbol);
  if (!start.ok) return start;
  if (!VernalEquinoxYearInRange(start.year)) {
    start.ok = false;
    start.messages.push_back(VEOutOfRangeMessage());
    return start;
  }
  ReadStartJDN(start, controls, notation, dee);
  return start;
}

std::string LongitudeText(const EquinoxSettings& settings) {
  return DecimalText(settings.degrees) + "d" + DecimalText(settings.minutes) + "m W";
}

std::optional<EquinoxLine> MakeEquinoxLine(int32_t year, int lineIndex,
                                           const EquinoxSettings& settings) {
  const EquinoxInstant instant = VernalEquinoxInstant(year);
  const double jd = instant.jd;
  const double offset = settings.apparent ? kApparentOffsetDays : 0.0;
  const double lon = settings.degrees + settings.minutes / 60.0;
  double london = jd + 0.5 - offset;
  double washington = jd + 0.5 - lon / kDegreesPerDay - offset;
  RoundToMinute(london);
  RoundToMinute(washington);
  const std::optional<int32_t> londonDay = DayNumber(london);
  const std::optional<int32_t> washingtonDay = DayNumber(washington);
  if (!londonDay || !washingtonDay) return std::nullopt;

  EquinoxLine line;
  line.year = year;
  line.julianDate = jd;
  line.deltaTMinutes = instant.deltaTMinutes;
  line.london.calendar = kCalendarGregorian;
  line.london.jdn = *londonDay;
  jdn_to_euro_date(&line.london);
  line.londonDate = DateText(line.london, "-", ",") + " CE";
  line.londonTime = TimeOfDayText(london);
  line.washington.calendar = kCalendarDee;
  line.washington.jdn = *washingtonDay;
  DeeJDNToDate(line.washington, settings.dee);
  line.washingtonDate = DateText(line.washington, "-", ",") + " ";
  line.washingtonDate += settings.dee.designation;
  line.washingtonTime = TimeOfDayText(washington);
  line.cyclePosition = DeeCyclePosition(year);
  line.deeLeapYear = DeeIsLeapYear(year);

  const std::string mode = lineIndex % kModeEvery == 0 ? (settings.apparent ? " a" : " m") : "  ";
  std::string& s = line.text;
  s = YearColumn(year) + "     " + RegionalFixed(jd, 4);
  s += OneDigitYear(line.london.year) ? "      " : "     ";
  s += line.londonDate + " " + line.londonTime + mode;
  s += OneDigitYear(line.washington.year) ? "    " : "   ";
  s += line.washingtonDate + " " + line.washingtonTime + mode;
  s += CycleColumn(line.cyclePosition, line.deeLeapYear);
  const bool deeVariant = settings.dee == kDeeVariant;
  const std::string_view expected = deeVariant ? "-21 D" : "-20 D";
  if (s.find(expected) == std::string::npos) {
    s += "  <--";
    line.marked = true;
  }
  return line;
}

std::string EquinoxSummary(int count, int years, const EquinoxSettings& settings) {
  std::string text = "Number of VE not on March ";
  text += settings.dee == kDeeVariant ? "21" : "20";
  text += " in " + std::string(settings.dee.name) + " Calendar for " + LongitudeText(settings) +
          ": " + DecimalText(count) + " of " + DecimalText(years);
  if (count > 0) text += " (" + PercentText(count, years, 2) + "%)";
  return text;
}

EquinoxRun RunVernalEquinoxes(const EquinoxRequest& request, MessageBoxes& messages) {
  EquinoxRun run;
  if (!StartListing(request, "years", kMaxEquinoxYears, messages, run)) return run;
  int32_t year = request.start();
  int64_t length = request.heldLength;
  if (!request.heldRun) run.replace = true;
  if (run.replace) {
    run.text = EquinoxHeading(request.settings.dee.name);
    length = 0;
  } else {
    run.text.assign(1, '\n');
  }
  length += ListingLength(run.text);

  for (int i = 0; i < run.number; ++i) {
    if (year > kVernalEquinoxLastYear) {
      run.closingMessage = VEOutOfRangeMessage();
      run.stoppedOutOfRange = true;
      break;
    }
    if (ListingIsFull(length, request.capacity)) {
      run.closingMessage = TextboxFullMessage();
      run.stoppedFull = true;
      return run;
    }
    std::optional<EquinoxLine> line = MakeEquinoxLine(year, i, request.settings);
    if (!line) {
      // Only hostile years far below year 1 get here; the same message names the range.
      run.closingMessage = VEOutOfRangeMessage();
      run.stoppedOutOfRange = true;
      break;
    }
    if (line->marked) ++run.markedCount;
    run.text += line->text;
    run.text += '\n';
    length += ListingLength(line->text) + ListingLength("\n");
    run.lines.push_back(std::move(*line));
    ++year;
  }
  if (run.number > 1) {
    run.summary = EquinoxSummary(run.markedCount, run.number, request.settings);
    run.text += '\n';
    run.text += *run.summary;
    run.text += '\n';
  }
  return run;
}

}  // namespace clvt
