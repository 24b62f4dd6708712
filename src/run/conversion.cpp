// The conversion run of the main window without the window: reading the checked input into a
// DateRec, the validity message, the date arithmetic, the weekday match and the output texts.
// Every value that could leave 32 bits (years shifted by amounts, a JDN shifted by weeks and
// days) is computed in 64 bits and checked before it is stored.
#include "run/conversion.h"

#include <limits>

#include "base/ascii_text.h"
#include "base/floor_div.h"
#include "calendar/calendar.h"
#include "datetext/formatting.h"
#include "datetext/input_check.h"
#include "datetext/run_messages.h"
#include "datetext/text_helpers.h"
#include "platform/morvel/month_table.h"

namespace clvt {
namespace {

constexpr int64_t kDaysPerWeek = 7;
// The amount boxes, in their order on the window and in every array of amounts.
enum AmountBox : std::size_t { kYearsBox, kMonthsBox, kWeeksBox, kDaysBox };
// The largest amount each box can hold: 5 characters for years, 6 for the others.
constexpr std::array<int64_t, 4> kLargestAmount = {99999, 999999, 999999, 999999};

bool IsBCEra(int eraPosition) { return eraPosition == kEraBC || eraPosition == kEraBCE; }

std::string CalendarName(int32_t calendar, const DeeVariant& dee) {
  if (calendar == kCalendarJulian) return "Julian";
  if (calendar == kCalendarDee) return std::string(dee.name);
  return "Gregorian";
}

// The first part of GetJDN: the input fields as a record. A year beyond the input limits
// (possible only when the checks were skipped) is refused with the range message.
std::optional<Message> ReadInputDate(InputControls& controls, Notation notation,
                                     const std::vector<std::string>& strDateParts, DateRec& rec) {
  const Message outOfRange = MakeMessage(kMsgInputOutOfRange, kTitleCalculate, Icon::Exclamation);
  if (notation == kInputWithoutAYN) {
    const int64_t year = DigitsValue(controls.txbYearADBCetc);
    if (year > kLargestInputYear) return outOfRange;
    controls.txbYearADBCetc = YearText(year);
    rec.year = static_cast<int32_t>(IsBCEra(controls.cboYearDesADBCetc) ? 1 - year : year);
    rec.month = controls.cboMonthNames;
    rec.day = controls.cboDayNumbers;
    return std::nullopt;
  }
  if (notation == kInputWithAYN && strDateParts.size() == 3) {
    std::array<int64_t, 3> values{};
    for (std::size_t i = 0; i < 3; ++i) {
      values[i] = DigitsValue(strDateParts[i]);
      if (values[i] > kLargestInputYear) return outOfRange;
    }
    const bool negative = !strDateParts[0].empty() && strDateParts[0].front() == '-';
    rec.year = static_cast<int32_t>(negative ? -values[0] : values[0]);
    rec.month = static_cast<int32_t>(values[1]);
    rec.day = static_cast<int32_t>(values[2]);
    return std::nullopt;
  }
  return MakeMessage(kMsgInvalidInputDate, kTitleCalculate, Icon::Exclamation);
}

bool AnyAmountTyped(const std::array<std::string, 4>& txbArith) {
  for (const std::string& text : txbArith) {
    if (!text.empty()) return true;
  }
  return false;
}

}  // namespace

OutputDates DisplayOutputDates(int32_t jdn, int& eraPosition, const DeeVariant& dee) {
  OutputDates out;
  out.txbOutputGC = TraditionalDate(Calendar::kGregorian, jdn, dee, eraPosition);
  out.txbOutputJC = TraditionalDate(Calendar::kJulian, jdn, dee, eraPosition);
  out.txbOutputDEE = TraditionalDate(Calendar::kDee, jdn, dee, eraPosition);
  out.txbOutputGCwithAYN = AYNDate(Calendar::kGregorian, jdn, dee);
  out.txbOutputJCwithAYN = AYNDate(Calendar::kJulian, jdn, dee);
  out.txbOutputDEEwithAYN = AYNDate(Calendar::kDee, jdn, dee);
  out.txbJDN = GroupDigits(jdn);
  out.txbDayOfWeek = DayName(DayOfWeek(jdn));
  return out;
}

ValidityCheck DateIsValid(DateRec& rec, bool showMessage, const DeeVariant& dee) {
  DateToJDN(rec, dee);
  ValidityCheck check;
  check.valid = rec.valid == 1;
  if (!check.valid && showMessage) {
    std::string text(kMsgDateInvalid);
    if (rec.month == 2 && rec.day == 29 && rec.year >= 1) {
      text += std::string(kMsgLeapYearIntro) + CalendarName(rec.calendar, dee) +
              std::string(kMsgLeapYearCalendar) + DecimalText(rec.year) +
              std::string(kMsgLeapYearEnd);
    }
    check.message = MakeMessage(text, kTitleInvalidInput, Icon::Information);
  }
  return check;
}

ArithBoxCheck CheckArithBox(std::string_view text, std::string_view groupingSymbol) {
  std::string s = WithCommaGroups(TrimBlanks(text), groupingSymbol);
  ArithBoxCheck check;
  if (!s.empty() && s.front() == '-') {
    check.message = MakeMessage(kMsgNegativeAmount, kTitleInvalidInput, Icon::Information);
    return check;
  }
  RemoveChars(s, "0123456789,.' ");
  if (!s.empty()) {
    check.message = MakeMessage(kMsgInvalidAmount, kTitleInvalidInput, Icon::Information);
    check.clearBox = true;
  }
  return check;
}

ArithValues GetArithValues(const std::array<std::string, 4>& txbArith) {
  ArithValues values;
  for (std::size_t i = 0; i < txbArith.size(); ++i) {
    const std::string& text = txbArith[i];
    const std::size_t first = text.find_first_not_of(' ');
    if (first != std::string::npos && text[first] == '-') {
      values.message = MakeMessage(kMsgNegativeAmount, kTitleCalculate, Icon::Information);
      return values;
    }
    const int64_t amount = DigitsValue(text);
    if (amount > kLargestAmount[i]) {
      values.message = MakeMessage(kMsgInvalidAmount, kTitleCalculate, Icon::Information);
      return values;
    }
    values.amounts[i] = static_cast<int32_t>(amount);
  }
  values.ok = true;
  return values;
}

bool AddYearsAndMonths(DateRec& rec, const std::array<int32_t, 4>& amounts, bool plus) {
  const int64_t sign = plus ? 1 : -1;
  const int64_t years = amounts[kYearsBox];
  const int64_t months = amounts[kMonthsBox];
  int64_t year = rec.year;
  int64_t month = rec.month;
  if (years > 0) year += sign * years;
  if (months >= 1) {
    year += sign * (months / kMonthsPerYear);
    month += sign * (months % kMonthsPerYear);
    if (month > kMonthsPerYear) {
      ++year;
      month -= kMonthsPerYear;
    } else if (month < 1) {
      --year;
      month += kMonthsPerYear;
    }
  }
  if (!FitsInt32(year) || !FitsInt32(month)) return false;
  rec.year = static_cast<int32_t>(year);
  rec.month = static_cast<int32_t>(month);
  return true;
}

DateArithmeticResult ApplyDateArithmetic(DateRec& rec, const std::array<int32_t, 4>& amounts,
                                         bool plus, const DeeVariant& dee) {
  DateArithmeticResult result;
  result.applied.plus = plus;
  result.applied.amounts = amounts;
  result.applied.requestedDay = rec.day;
  const Message outOfRange =
      MakeMessage(kMsgArithmeticOutOfRange, kTitleCalculate, Icon::Exclamation);
  if (!AddYearsAndMonths(rec, amounts, plus)) {
    result.message = outOfRange;
    return result;
  }
  // A day past the end of the new month becomes its last day. The loop stops at day 1: a
  // record still invalid there has a JDN beyond 32 bits, not a day too many.
  DateToJDN(rec, dee);
  while (rec.valid != 1 && rec.day > 1) {
    --rec.day;
    DateToJDN(rec, dee);
  }
  const int64_t shift = kDaysPerWeek * amounts[kWeeksBox] + amounts[kDaysBox];
  const int64_t jdn = int64_t{rec.jdn} + (plus ? shift : -shift);
  if (rec.valid != 1 || !FitsInt32(jdn)) {
    result.message = outOfRange;
    return result;
  }
  result.applied.clamped = rec.day != result.applied.requestedDay;
  rec.jdn = static_cast<int32_t>(jdn);
  return result;
}

GetJDNResult GetJDN(InputControls& controls, Notation notation,
                    const std::vector<std::string>& strDateParts, std::optional<Calendar> calendar,
                    bool showInvalidDateMessage, const DeeVariant& dee, int32_t jdn) {
  GetJDNResult result;
  result.jdn = jdn;
  DateRec& rec = result.recInputDate;
  if (auto message = ReadInputDate(controls, notation, strDateParts, rec)) {
    result.messages.push_back(std::move(*message));
    return result;
  }
  // No calendar leaves a code no conversion knows, so the date is found invalid below.
  rec.calendar = calendar ? DateRecCode(*calendar) : 0;

  ValidityCheck validity = DateIsValid(rec, showInvalidDateMessage, dee);
  if (!validity.valid) {
    if (validity.message) result.messages.push_back(std::move(*validity.message));
    return result;
  }
  if (notation == kInputWithAYN) DisplayInputDateWithAYN(rec, controls, dee);

  const bool direction = controls.optPlus || controls.optMinus;
  if (direction) {
    ArithValues check = GetArithValues(controls.txbArith);
    if (!check.ok) {
      result.messages.push_back(std::move(*check.message));
      return result;
    }
  }
  for (std::string& text : controls.txbArith) text = TrimBlanks(text);

  if (direction && controls.fraPlusMinusVisible && AnyAmountTyped(controls.txbArith)) {
    const ArithValues values = GetArithValues(controls.txbArith);
    DateArithmeticResult arithmetic =
        ApplyDateArithmetic(rec, values.amounts, controls.optPlus, dee);
    if (arithmetic.message) {
      result.messages.push_back(std::move(*arithmetic.message));
      return result;
    }
    result.arithmetic = arithmetic.applied;
  } else {
    DateToJDN(rec, dee);
  }
  result.ok = true;
  result.jdn = rec.jdn;
  return result;
}

std::optional<GetJDNResult> GetJDNAsItStands(InputControls& controls, Notation notation,
                                             std::vector<std::string>& dateParts,
                                             std::optional<Calendar> calendar,
                                             bool showInvalidDateMessage, const DeeVariant& dee,
                                             int32_t jdn, std::string_view groupingSymbol) {
  if (notation == kInputWithAYN) {
    InputControls probe = controls;
    const InputCheck check = InputDateOK(probe, notation, dee, groupingSymbol);
    if (!check.ok && !showInvalidDateMessage) return std::nullopt;
    dateParts = check.ok ? check.strDateParts : std::vector<std::string>{};
  }
  return GetJDN(controls, notation, dateParts, calendar, showInvalidDateMessage, dee, jdn);
}

namespace {

void ShowOutputs(CalculateResult& result, InputControls& controls, const DeeVariant& dee) {
  result.outputs = DisplayOutputDates(result.jdn, controls.cboYearDesADBCetc, dee);
  result.outputShown = true;
}

// Which of the Gregorian and Julian readings of the input falls on weekday w, after any date
// arithmetic. A run stopped by the amount check ends with that one message: the amounts are
// the same for both readings, and the verdict "in neither" would be false.
void WeekdayMatch(CalculateResult& result, InputControls& controls, int w, const DeeVariant& dee) {
  const std::vector<std::string> noParts;
  bool amountRejected = false;
  auto matches = [&](Calendar calendar) {
    GetJDNResult run =
        GetJDN(controls, kInputWithoutAYN, noParts, calendar, false, dee, result.jdn);
    if (!run.messages.empty() && !amountRejected) {
      amountRejected = true;
      result.messages.insert(result.messages.end(), run.messages.begin(), run.messages.end());
    }
    if (run.ok) result.jdn = run.jdn;
    return run.ok && DayOfWeek(run.jdn) == w;
  };
  const bool gregorian = matches(Calendar::kGregorian);
  const bool julian = !amountRejected && matches(Calendar::kJulian);
  if (amountRejected) return;

  if (!gregorian && !julian) {
    result.messages.push_back(
        MakeMessage(std::string(kMsgWeekdayNotA) + DayName(w) + std::string(kMsgWeekdayInNeither),
                    kTitleCalculate, Icon::Information));
    return;
  }
  if (gregorian && julian) {
    result.messages.push_back(
        MakeMessage(std::string(kMsgWeekdayIsA) + DayName(w) + std::string(kMsgWeekdayInBoth),
                    kTitleCalculate, Icon::Information));
  }
  const bool showJulian = julian;
  const GetJDNResult shown =
      GetJDN(controls, kInputWithoutAYN, noParts,
             showJulian ? Calendar::kJulian : Calendar::kGregorian, false, dee, result.jdn);
  result.jdn = shown.jdn;
  result.arithmetic = shown.arithmetic;
  ShowOutputs(result, controls, dee);
  result.lblGregorianBold = !showJulian;
  result.lblJulianBold = showJulian;
}

}  // namespace

CalculateResult CalculateRun(InputControls& controls, Notation notation, const DeeVariant& dee,
                             int32_t jdn, std::string_view groupingSymbol) {
  CalculateResult result;
  result.jdn = jdn;
  if (notation != kInputWithoutAYN && notation != kInputWithAYN) return result;
  InputCheck check = InputDateOK(controls, notation, dee, groupingSymbol);
  if (!check.ok) {
    if (check.message) result.messages.push_back(std::move(*check.message));
    return result;
  }
  const int position = controls.cboCalendar0;
  const std::optional<Calendar> calendar = SelectedCalendar(controls, notation);
  if (notation == kInputWithAYN || calendar) {
    GetJDNResult run = GetJDN(controls, notation, check.strDateParts, calendar, true, dee, jdn);
    result.messages = std::move(run.messages);
    if (run.ok) {
      result.jdn = run.jdn;
      result.arithmetic = run.arithmetic;
      ShowOutputs(result, controls, dee);
    }
    return result;
  }
  const int w = position - kCalendarPositionSunday;
  if (w >= 0 && w <= 6) WeekdayMatch(result, controls, w, dee);
  return result;
}

PressStart CheckPressInput(InputControls& controls, Notation notation, const DeeVariant& dee,
                           int32_t jdn, std::string_view groupingSymbol) {
  PressStart start;
  start.jdn = jdn;
  InputCheck check = InputDateOK(controls, notation, dee, groupingSymbol);
  if (!check.ok) {
    start.inputRejected = true;
    if (check.message) start.messages.push_back(std::move(*check.message));
    return start;
  }
  start.ok = true;
  start.strDateParts = std::move(check.strDateParts);
  start.year = GetYear(controls, notation);
  return start;
}

void ReadStartJDN(PressStart& start, InputControls& controls, Notation notation,
                  const DeeVariant& dee) {
  GetJDNResult run = GetJDN(controls, notation, start.strDateParts,
                            SelectedCalendar(controls, notation), true, dee, start.jdn);
  start.ok = run.ok;
  start.jdn = run.jdn;
  start.messages.insert(start.messages.end(), run.messages.begin(), run.messages.end());
}

int32_t GetYear(const InputControls& controls, Notation notation) {
  int64_t year = 0;
  if (notation == kInputWithAYN) {
    const std::string text = TrimBlanks(controls.txbYearCEJC);
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view rest = std::string_view(text).substr(negative ? 1 : 0);
    const int64_t digits = DigitsValue(KeepChars(rest.substr(0, rest.find('-')), "0123456789"));
    year = negative ? -digits : digits;
  } else if (notation == kInputWithoutAYN) {
    const int64_t digits = DigitsValue(controls.txbYearADBCetc);
    year = IsBCEra(controls.cboYearDesADBCetc) ? 1 - digits : digits;
  }
  // Beyond 32 bits the year is far outside every range a caller accepts; saturate.
  if (year > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (year < -std::numeric_limits<int32_t>::max()) return -std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(year);
}

}  // namespace clvt
