#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "datetext/input_controls.h"
#include "platform/morvel/date_rec.h"

// The conversion run of the main window as pure functions: reading the checked input into a
// DateRec, validating it, the date arithmetic, the weekday match and the eight output texts.
namespace clvt {

// The eight output boxes.
struct OutputDates {
  std::string txbOutputGC, txbOutputJC, txbOutputDEE;
  std::string txbOutputGCwithAYN, txbOutputJCwithAYN, txbOutputDEEwithAYN;
  std::string txbJDN, txbDayOfWeek;
  friend bool operator==(const OutputDates&, const OutputDates&) = default;
};

// Fills the outputs from jdn. eraPosition is cboYearDesADBCetc's selection (set to 3, "CE",
// when below 1, as the window then shows).
OutputDates DisplayOutputDates(int32_t jdn, int& eraPosition, const DeeVariant& dee);

struct ValidityCheck {
  bool valid = false;
  std::optional<Message> message;  // "The input date is invalid." (+ leap-year explanation)
};

// DateToJDN on rec, and the "Invalid input" message when it does not exist and showMessage.
ValidityCheck DateIsValid(DateRec& rec, bool showMessage, const DeeVariant& dee);

// The date arithmetic one run applied, for callers that report it (clvt's JSON); the window
// shows only the result.
struct AppliedArithmetic {
  bool plus = true;
  std::array<int32_t, 4> amounts{};  // years, months, weeks, days
  int32_t requestedDay = 0;          // the day of the month asked for: the input date's day
  bool clamped = false;              // the month reached by the years and months is shorter, so the
                         // day became its last day (January 31 plus 1 month: February 28)
};

struct GetJDNResult {
  bool ok = false;
  std::vector<Message> messages;
  DateRec recInputDate;
  int32_t jdn = 0;  // the result JDN when ok; the caller's value otherwise
  std::optional<AppliedArithmetic> arithmetic;  // when ok and amounts were applied
};

// Reads the (already checked) input of notation notation into recInputDate in calendar,
// validates it (with no calendar, for the empty item or a weekday, the date read is invalid),
// rewrites the year boxes and trims the amount boxes in controls, and applies the date arithmetic.
// strDateParts are InputDateOK's. Called without InputDateOK, a year beyond +-99,999 gives "Input
// date is out of permitted range." instead of being converted. Messages: the invalid-date message
// (when asked for), the amount messages, and the out-of-range message of a shifted date beyond 32
// bits.
GetJDNResult GetJDN(InputControls& controls, Notation notation,
                    const std::vector<std::string>& strDateParts, std::optional<Calendar> calendar,
                    bool showInvalidDateMessage, const DeeVariant& dee, int32_t jdn);

// GetJDN on the input as it stands, for a run that comes without a check of its own (a
// listing's "Do it" after the text was edited): a year-month-day text is checked afresh, so
// its fields are those of the text now and never those of an earlier check, which would also
// write that earlier date back over the user's text; dateParts keeps the fields read. A text
// that fails the check gives nothing (and leaves controls alone) unless showInvalidDateMessage.
std::optional<GetJDNResult> GetJDNAsItStands(InputControls& controls, Notation notation,
                                             std::vector<std::string>& dateParts,
                                             std::optional<Calendar> calendar,
                                             bool showInvalidDateMessage, const DeeVariant& dee,
                                             int32_t jdn, std::string_view groupingSymbol);

// A whole press of Calculate: InputDateOK, then a calendar run or the weekday match
// (cboCalendar0 at 4..10 in the month-day-year notation). A notation other than 0 or 1 runs
// nothing. Dee dates are read and shown in the variant dee. May set controls.cboYearDesADBCetc to
// "CE" as the traditional output does. groupingSymbol is the locale's digit-grouping symbol,
// read in the typed years as InputDateOK reads it.
struct CalculateResult {
  std::vector<Message> messages;  // in the order they are shown
  bool outputShown = false;
  OutputDates outputs;
  bool lblGregorianBold = false;
  bool lblJulianBold = false;
  int32_t jdn = 0;                              // unchanged unless a run succeeded
  std::optional<AppliedArithmetic> arithmetic;  // of the run shown, when amounts were applied
};
CalculateResult CalculateRun(InputControls& controls, Notation notation, const DeeVariant& dee,
                             int32_t jdn, std::string_view groupingSymbol);

// What a press that opens a listing window takes from the main window's input: the typed
// date checked, its year as typed, and its JDN after any amounts.
struct PressStart {
  bool ok = false;
  bool inputRejected = false;     // the input check refused the typed date (its message is first)
  std::vector<Message> messages;  // in the order they are shown
  int32_t jdn = 0;                // the input's JDN when ok; the caller's value otherwise
  int32_t year = 0;               // GetYear of the checked input
  std::vector<std::string> strDateParts;  // InputDateOK's fields of a year-month-day date
};

// The input check of such a press: InputDateOK, and on success the year as typed. ok means
// only that the check passed; jdn stays the caller's until ReadStartJDN.
PressStart CheckPressInput(InputControls& controls, Notation notation, const DeeVariant& dee,
                           int32_t jdn, std::string_view groupingSymbol);

// The second half after CheckPressInput passed: GetJDN of the input with the calendar chosen
// in the notation in use, the invalid-date message shown. Sets ok, jdn and messages.
void ReadStartJDN(PressStart& start, InputControls& controls, Notation notation,
                  const DeeVariant& dee);

struct ArithValues {
  bool ok = false;
  std::optional<Message> message;
  std::array<int32_t, 4> amounts{};  // years, months, weeks, days
};

// Reads the four amount boxes (digits in order, group characters ignored, "" -> 0). A box
// beginning with "-" gives the negative-values message; an amount larger than its box can hold
// (99,999 years, 999,999 otherwise) gives the invalid-amount message. Titles "Calculate".
ArithValues GetArithValues(const std::array<std::string, 4>& txbArith);

struct ArithBoxCheck {
  std::optional<Message> message;
  bool clearBox = false;
};
// The check when the user leaves an amount box: "-" in front gives the negative-values
// message (box kept), any character but digits, ",.' " and groupingSymbol (the locale's
// digit-grouping symbol) the invalid-amount message (box emptied). Title "Invalid input".
ArithBoxCheck CheckArithBox(std::string_view text, std::string_view groupingSymbol);

// Shifts rec by the years and months of amounts (plus or minus); the day is left for
// clamping. Returns false, leaving rec unchanged, when the year would leave 32 bits.
// {2015, 3, 15} minus 14 months -> {2014, 1, 15}.
bool AddYearsAndMonths(DateRec& rec, const std::array<int32_t, 4>& amounts, bool plus);

// The whole date arithmetic on a valid rec: years and months, the day clamped to the new
// month's last day, then weeks and days added to (or taken from) jdn. The message is set
// when the result cannot be held in a 32-bit JDN; rec is then unusable. applied says what was
// done: {2015, 1, 31} plus 1 month -> {2015, 2, 28}, requestedDay 31, clamped.
struct DateArithmeticResult {
  std::optional<Message> message;
  AppliedArithmetic applied;
};
DateArithmeticResult ApplyDateArithmetic(DateRec& rec, const std::array<int32_t, 4>& amounts,
                                         bool plus, const DeeVariant& dee);

// The input year as typed, astronomical, without arithmetic (GetYear of the main window):
// "-500-03-01 CE" -> -500, "12,345-01-01 CE" -> 12345; "44" with "BC" -> -43. Saturates at
// +-INT32_MAX for overlong digit runs; 0 for a notation other than 0 or 1.
int32_t GetYear(const InputControls& controls, Notation notation);

}  // namespace clvt
