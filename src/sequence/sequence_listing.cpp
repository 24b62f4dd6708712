// The text of the date sequence listing. Column layout of a day line (0-based columns for a
// four-digit year): Gregorian date at 3, Dee date at 24, JDN ending at 55, weekday at 68. The
// paddings are fixed by the first day of a run, so when the date texts grow within a run
// (year 10,000 brings digit grouping) the later columns shift with them.
#include "sequence/sequence_listing.h"

#include <algorithm>
#include <array>
#include <limits>

#include "base/ascii_text.h"
#include "calendar/calendar.h"
#include "datetext/formatting.h"
#include "datetext/text_helpers.h"
#include "platform/utf8.h"

namespace clvt {
namespace {

constexpr std::string_view kNewLine = "\n";
constexpr std::string_view kLeftMargin = "   ";
constexpr std::string_view kArrow = "  <--";
constexpr std::string_view kNoArrow = "     ";
// The Gregorian date and the padding after it fill this many columns on the first line; the
// JDN and the padding before the weekday likewise.
constexpr int64_t kDateField = 21;
constexpr int64_t kWeekdayField = 21;
// The JDN is right-aligned to end at the same column on every line: the first line has no
// arrow field, so its JDN field is wider by the arrow's five columns.
constexpr int64_t kFirstJDNField = 19;
constexpr int64_t kLaterJDNField = 14;
// Blanks after "Dee-Cecil date" / "Dee date" in the heading, so that "Julian day number"
// starts in the same column.
constexpr int64_t kHeadingPadDeeCecil = 9;
constexpr int64_t kHeadingPadDee = 14;

constexpr std::array<std::string_view, 21> kSmallNumbers = {
    "No",       "One",     "Two",     "Three",     "Four",     "Five",     "Six",
    "Seven",    "Eight",   "Nine",    "Ten",       "Eleven",   "Twelve",   "Thirteen",
    "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen", "Twenty"};
constexpr std::array<std::string_view, 10> kTens = {
    "", "", "Twenty", "Thirty", "Forty", "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};

// n blanks; a padding that a very long text would make negative gives none.
std::string Blanks(int64_t n) {
  return std::string(static_cast<std::size_t>(std::max<int64_t>(n, 0)), ' ');
}

std::string Heading(const DeeVariant& dee) {
  const int64_t pad = dee == kDeeVariant ? kHeadingPadDee : kHeadingPadDeeCecil;
  return std::string(kLeftMargin) + "Common Era date" + Blanks(6) + std::string(dee.name) +
         " date" + Blanks(pad) + "Julian day number" + Blanks(4) + "Day of week" +
         std::string(kNewLine) + std::string(kNewLine);
}

// The bare year-month-day numbers of a date text, digit grouping included.
std::string DateNumbers(std::string text, std::string_view designatorLetters) {
  RemoveChars(text, designatorLetters);
  return text;
}

// The values of the line for day j. The two dates agree when their bare year-month-day
// numbers, digit grouping included, are the same.
SequenceDay MakeDay(int32_t j, const DeeVariant& dee) {
  SequenceDay day;
  day.jdn = j;
  day.gregorian = DateOfJDN(kCalendarGregorian, j, dee);
  day.dee = DateOfJDN(kCalendarDee, j, dee);
  day.gregorianText = AYNDate(day.gregorian, dee);
  day.deeText = AYNDate(day.dee, dee);
  day.weekday = DayName(DayOfWeek(j));
  day.same = DateNumbers(day.gregorianText, "CE ") == DateNumbers(day.deeText, "CDE ");
  return day;
}

}  // namespace

PressStart DateSequenceStart(InputControls& controls, Notation notation, const DeeVariant& dee,
                             int32_t jdn, std::string_view groupingSymbol) {
  PressStart start = CheckPressInput(controls, notation, dee, jdn, groupingSymbol);
  if (start.ok) ReadStartJDN(start, controls, notation, dee);
  return start;
}

bool SequenceListingHoldsRun(std::string_view listing) {
  return listing.find("CE") != std::string_view::npos;
}

std::string NumberWord(int n) {
  if (n >= 0 && n <= 20) return std::string(kSmallNumbers[static_cast<std::size_t>(n)]);
  if (n > 20 && n < 100) {
    std::string word(kTens[static_cast<std::size_t>(n / 10)]);
    if (n % 10 != 0) {
      word += ' ';
      word += LowerCase(kSmallNumbers[static_cast<std::size_t>(n % 10)]);
    }
    return word;
  }
  return GroupDigits(n);
}

std::string SequenceSummary(int count, int numDays) {
  if (count == 0) return "All days have different dates in the two calendars.";
  if (count == numDays) return "All days have the same date in the two calendars.";
  if (count == 1) return "Only one day has the same date in the two calendars";
  return NumberWord(count) + " days (" + PercentText(count, numDays, 0) +
         "%) have the same date in the two calendars.";
}

SequenceRun RunDateSequence(const SequenceRequest& request, MessageBoxes& messages) {
  SequenceRun run;
  if (!StartListing(request, "days", kMaxSequenceDays, messages, run)) return run;
  std::string& out = run.text;
  int64_t length = run.replace ? 0 : request.heldLength;
  const auto append = [&](const std::string& text) {
    out += text;
    length += ListingLength(text);
  };

  if (length == 0) {
    append(Heading(request.dee));
  } else if (request.heldRun && !ListingIsFull(length, request.capacity)) {
    append(std::string(kNewLine));
  }

  // Never step past the last representable day.
  const int32_t startJDN = request.start();
  const int64_t lastDay = std::numeric_limits<int32_t>::max();
  const int64_t numDays = std::min<int64_t>(run.number, lastDay - startJDN + 1);
  bool prevSame = false;
  int64_t padDee = 0;
  int64_t padWeekday = 0;
  for (int64_t k = 0; k < numDays; ++k) {
    if (ListingIsFull(length, request.capacity)) {
      run.stoppedFull = true;
      run.closingMessage = TextboxFullMessage();
      return run;
    }
    SequenceDay day = MakeDay(static_cast<int32_t>(startJDN + k), request.dee);
    if (day.same) ++run.sameCount;
    day.marked = k > 0 && day.same != prevSame;
    prevSame = day.same;

    const std::string& g = day.gregorianText;
    if (k == 0) padDee = kDateField - CharacterCount(g);
    std::string line = std::string(kLeftMargin) + g + Blanks(padDee) + day.deeText;
    // "D" is one letter shorter than "DC"; a blank keeps the columns where Dee-Cecil has them.
    if (request.dee == kDeeVariant) line += ' ';
    // The first line has neither an arrow nor the blanks that stand in for one.
    if (k > 0) line += day.marked ? kArrow : kNoArrow;
    const std::string jt = GroupDigits(day.jdn);
    line += Blanks((k == 0 ? kFirstJDNField : kLaterJDNField) - CharacterCount(jt)) + jt;
    if (k == 0) padWeekday = kWeekdayField - CharacterCount(jt);
    line += Blanks(padWeekday) + day.weekday;
    append(line + std::string(kNewLine));
    run.days.push_back(std::move(day));
  }

  if (numDays >= 3) {
    run.summary = SequenceSummary(run.sameCount, static_cast<int>(numDays));
    append(std::string(kNewLine) + *run.summary + std::string(kNewLine));
  }
  return run;
}

}  // namespace clvt
