// The checks of the typed input date and the writing of a date back into the input controls.
// The texts are taken at any length: every numeric field is read with a saturating reader and
// range-checked before it is converted, so an overlong digit run is rejected with the
// program's own range message rather than overflowing.
#include "datetext/input_check.h"

#include "base/ascii_text.h"
#include "datetext/formatting.h"
#include "datetext/run_messages.h"
#include "datetext/text_helpers.h"
#include "platform/morvel/month_table.h"

namespace clvt {
namespace {

constexpr std::string_view kYmdNumberChars = "0123456789-,.' ";
constexpr std::string_view kYmdDesignatorAndGroupChars = "CDEJ,.' ";
constexpr std::string_view kYearGroupChars = ",. ";
constexpr std::string_view kYearDigitsOnly = "-,.' ";
constexpr std::string_view kProlepticPrefix = "Proleptic ";
constexpr int64_t kLongestMonth = 31;

InputCheck Reject(std::string_view text, Icon icon) {
  InputCheck check;
  check.message = MakeMessage(text, kTitleCalculate, icon);
  return check;
}

bool IsCalendarPosition(int position) {
  return position >= kCalendarPositionGregorian && position <= kCalendarPositionDee;
}

std::string WithoutChars(std::string text, std::string_view set) {
  RemoveChars(text, set);
  return text;
}

InputCheck CheckYearMonthDay(InputControls& controls, const DeeVariant& dee,
                             std::string_view groupingSymbol) {
  controls.txbYearCEJC = UpperCase(TrimBlanks(controls.txbYearCEJC));
  std::string& text = controls.txbYearCEJC;
  const int position = controls.cboCalendar1;
  YmdDesignator designator = ReadYmdDesignator(text, dee, groupingSymbol);

  // A designator typed in front of the date counts as one typed behind it: "JC 1582-10-05"
  // with the Gregorian calendar chosen would otherwise become a Gregorian date ten days from
  // the one meant.
  if (IsCalendarPosition(position) && designator.calendar &&
      designator.calendar != CalendarAtPosition(position)) {
    return Reject(kMsgInconsistentDesignations, Icon::Exclamation);
  }
  if (designator.letters.empty()) {
    const std::optional<Calendar> chosen = CalendarAtPosition(position);
    if (!chosen) return Reject(kMsgSpecifyCalendar, Icon::None);
    (text += ' ') += DesignatorOf(*chosen, dee);
    designator = ReadYmdDesignator(text, dee, groupingSymbol);
  }
  if (!designator.calendar) {
    if (designator.letters == "AD" || designator.letters == "BC") {
      return Reject(kMsgADBCOnlyMonthDayYear, Icon::Information);
    }
    return Reject(kMsgInvalidInputDate, Icon::Exclamation);
  }
  // The calendar of the run is the chosen one; without one the date is never converted.
  if (!IsCalendarPosition(position)) return Reject(kMsgSpecifyCalendar, Icon::None);

  const bool negative = text.front() == '-';
  std::string numbers = WithCommaGroups(negative ? text.substr(1) : text, groupingSymbol);
  RemoveChars(numbers, kYmdDesignatorAndGroupChars);
  std::vector<std::string> fields = SplitFields(numbers, "-");
  if (fields.size() != 3) {
    return Reject(kMsgInvalidInputDate, Icon::Exclamation);
  }
  if (negative) fields[0] = "-" + fields[0];

  // The fields hold digits only (and the sign); DigitsValue saturates, so a run of digits
  // of any length compares as "too large" instead of wrapping.
  if (DigitsValue(fields[0]) > kLargestInputYear) {
    return Reject(kMsgInputOutOfRange, Icon::Exclamation);
  }
  const int64_t month = DigitsValue(fields[1]);
  const int64_t day = DigitsValue(fields[2]);
  if (month < 1 || month > kMonthsPerYear || day < 1 || day > kLongestMonth) {
    return Reject(kMsgInvalidInputDate, Icon::Exclamation);
  }
  InputCheck check;
  check.ok = true;
  check.strDateParts = std::move(fields);
  return check;
}

// The box keeps what the user typed (trimmed, leading zeros removed); the checks read the
// grouping symbol as a comma, since the program itself writes the symbol into this box.
InputCheck CheckMonthDayYear(InputControls& controls, std::string_view groupingSymbol) {
  controls.txbYearADBCetc = TrimBlanks(controls.txbYearADBCetc);
  std::string& text = controls.txbYearADBCetc;

  if ((!text.empty() && text.front() == '+') ||
      !IsWholeNumber(WithCommaGroups(text, groupingSymbol), true, kYearGroupChars)) {
    return Reject(kMsgInvalidYearValue, Icon::Exclamation);
  }
  RemoveLeading(text, "0");
  if (text.empty()) text = "0";
  const std::string digits = WithoutChars(WithCommaGroups(text, groupingSymbol), kYearDigitsOnly);
  if (text.front() == '-' || digits.find_first_not_of('0') == std::string::npos) {
    return Reject(kMsgZeroNegativeYear, Icon::Information);
  }
  if (DigitsValue(digits) > kLargestInputYear) {
    return Reject(kMsgYearOutOfRange, Icon::Exclamation);
  }
  InputCheck check;
  check.ok = true;
  return check;
}

}  // namespace

YmdDesignator ReadYmdDesignator(std::string_view text, const DeeVariant& dee,
                                std::string_view groupingSymbol) {
  const std::string plain = WithCommaGroups(text, groupingSymbol);
  YmdDesignator designator;
  designator.letters = WithoutChars(plain, kYmdNumberChars);
  if (designator.letters.empty()) return designator;
  if (designator.letters == "CE") {
    designator.calendar = Calendar::kGregorian;
  } else if (designator.letters == "JC") {
    designator.calendar = Calendar::kJulian;
  } else if (designator.letters == dee.designation) {
    designator.calendar = Calendar::kDee;
  }
  return designator;
}

InputCheck InputDateOK(InputControls& controls, Notation notation, const DeeVariant& dee,
                       std::string_view groupingSymbol) {
  if (!controls.optInputDateWithoutAYN && !controls.optInputDateWithAYN) {
    return Reject(kMsgSelectInputType, Icon::None);
  }
  if (notation == kInputWithoutAYN) return CheckMonthDayYear(controls, groupingSymbol);
  if (notation == kInputWithAYN) return CheckYearMonthDay(controls, dee, groupingSymbol);
  InputCheck unexamined;
  unexamined.ok = true;
  return unexamined;
}

void DisplayInputDateWithoutAYN(const DateRec& rec, InputControls& controls) {
  controls.cboMonthNames = rec.month;
  controls.cboDayNumbers = rec.day;
  const int era = controls.cboYearDesADBCetc;
  if (rec.year < 1) {
    // The box shows the BC year, 1 - year, grouped as the next run writes it back.
    controls.txbYearADBCetc = YearText(1 - int64_t{rec.year});
    if (era < 1 || era == kEraCE) {
      controls.cboYearDesADBCetc = YearDesignatorIndex("BCE");
    } else if (era == kEraAD) {
      controls.cboYearDesADBCetc = YearDesignatorIndex("BC");
    }
  } else {
    controls.txbYearADBCetc = YearText(rec.year);
    if (era < 1 || era == kEraBCE) {
      controls.cboYearDesADBCetc = YearDesignatorIndex("CE");
    } else if (era == kEraBC) {
      controls.cboYearDesADBCetc = YearDesignatorIndex("AD");
    }
  }
}

void DisplayInputDateWithAYN(const DateRec& rec, InputControls& controls, const DeeVariant& dee) {
  std::string text = YearText(rec.year);
  text += "-" + TwoDigits(rec.month) + "-" + TwoDigits(rec.day);
  // Any position but Gregorian's and Julian's shows the Dee designation, as the Dee item does.
  (text += ' ') +=
      DesignatorOf(CalendarAtPosition(controls.cboCalendar1).value_or(Calendar::kDee), dee);
  controls.txbYearCEJC = std::move(text);
}

int16_t YearDesignatorIndex(std::string_view text) {
  for (std::size_t i = 0; i < kYearDesignators.size(); ++i) {
    if (kYearDesignators[i] == text) return static_cast<int16_t>(i);
  }
  return -1;
}

std::string CalendarListItem(Notation notation, int position, const DeeVariant& dee) {
  if (notation == kInputWithoutAYN) {
    switch (position) {
      case kCalendarPositionGregorian: return "Gregorian Calendar";
      case kCalendarPositionJulian: return "Julian Calendar";
      case kCalendarPositionDee: return std::string(dee.name) + " Calendar";
      default: return DayName(position - kCalendarPositionSunday);
    }
  }
  if (notation == kInputWithAYN) {
    switch (position) {
      case kCalendarPositionGregorian: return std::string(kProlepticPrefix) + "Gregorian";
      case kCalendarPositionJulian: return std::string(kProlepticPrefix) + "Julian";
      case kCalendarPositionDee: return std::string(kProlepticPrefix) + std::string(dee.name);
      default: return "";
    }
  }
  return "";
}

}  // namespace clvt
