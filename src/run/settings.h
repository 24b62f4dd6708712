#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/message.h"
#include "calendar/calendar.h"
#include "calendar/dee.h"
#include "datetext/input_controls.h"
#include "platform/morvel/date_rec.h"
#include "platform/registry.h"
#include "support/identity.h"

// What the main window keeps between runs, as pure functions over a registry store: which
// four values a save writes from the window's state, and what a restore puts where. The
// window reads its controls into SettingsState, and carries out a RestorePlan step by step.
namespace clvt {

// Stored JDNs are restored only from Gregorian -99,999-01-01 to 99,999-12-31.
inline constexpr int32_t kFirstRestorableJDN = -34802824;
inline constexpr int32_t kLastRestorableJDN = 38245309;

// The key of the settings: "Software\Vostrel Systems\CLVT" from program text 273, the
// maker's name (program text 310) and the project name "CLVT". Nothing when one of them is
// empty (a program text file that lacks it): a key built without it ("Software\\CLVT") is not
// where complete starts keep the settings, so none are read or written under it.
std::optional<std::string> SettingsKeyPath(std::string_view text273, std::string_view companyName,
                                           std::string_view projectName);

// What the start says, once, when SettingsKeyPath gives nothing.
Message SettingsKeyMissingMessage();

// The window state a save reads.
struct SettingsState {
  std::string txbJDN;  // the grouped JDN output, "" while no result is shown
  Notation notation = kInputIncomplete;
  int cboCalendar0 = 0;  // selected positions of the two calendar lists
  int cboCalendar1 = 0;
  bool lblGregorianBold = false;  // the weekday match found the weekday in this calendar
  bool lblJulianBold = false;
  std::string strDeeCalendarDesignation = "DC";
  uint32_t lngBackColor = kDefaultBackColor;
};

// The four value texts, in the order they are written.
struct SettingsValues {
  std::string jdn;        // "2457349"; "0" when no result is shown
  std::string calNdx;     // "1".."10" month-day-year, "-1".."-3" year-month-day, "0" none
  std::string dee;        // "D" or "DC"
  std::string backColor;  // "8388736"
  friend bool operator==(const SettingsValues&, const SettingsValues&) = default;
};

// What a save writes for state. groupingSymbol is the digit-grouping symbol the JDN box was
// written with; it is removed besides "," "." "'" and " ", so a multi-byte symbol cannot cut
// the stored number short. A selected weekday becomes the calendar whose label is bold.
SettingsValues SettingsToSave(const SettingsState& state, std::string_view groupingSymbol);

// Writes the four values JDN, CalNdx, Dee and BackColor under key in one write of the key, so
// the settings file holds either all four new values or the old ones; failures are not shown.
void SaveSettings(RegistryApi& registry, const std::string& key, const SettingsState& state,
                  std::string_view groupingSymbol);

// Where a restore puts the input: the notation and calendar it was saved in and, when there is
// one to show, the saved date.
struct RestoredInput {
  Notation notation = kInputWithoutAYN;
  Calendar calendar = Calendar::kGregorian;
  std::optional<DateRec> date;  // the saved JDN in that calendar, for Display*; or today's date
};

// What a restore puts where; the window applies the parts that are set, in this order, runs
// Calculate when a date is restored and puts today's date into the input when none is.
struct RestorePlan {
  std::optional<DeeVariant> dee;         // the variant to select: optDee or optDeeCecil
  std::optional<RestoredInput> input;    // the notation and calendar to choose, maybe a date
  std::optional<uint32_t> lngBackColor;  // then SetBackColor
};

// Reads the four values under key, in one reading of the key, and decides what they restore.
// Each value that reads "0 OK" restores its own setting whatever became of the others, so a
// damaged or missing value costs only its own setting:
// - "Dee" exactly "D" selects Dee, any other text Dee-Cecil;
// - "CalNdx" of 1..3 in absolute value chooses that calendar in the month-day-year notation, or
//   the year-month-day notation when the text begins with "-"; 0, a weekday or no number
//   chooses nothing;
// - "JDN" restores the date only with both of those, when its number (rounded, halves to even)
//   is not 0, lies in kFirstRestorableJDN..kLastRestorableJDN and its year fits the input of
//   the chosen notation and calendar;
// - "BackColor": a number in 1..0xFFFFFF is the colour; 0, no number, or one outside that
//   range (99999999999999999999, 1e300, -5, inf) the default.
RestorePlan PlanRestore(RegistryApi& registry, const std::string& key);

// The number at the start of text (LeadingNumber; no number counts as 0), rounded to a whole
// number with halves to even, when it lies in first..last; nothing when it lies outside or is
// not finite. ("12abc", 0, 99) -> 12; ("1e300", 0, 99) -> nothing.
std::optional<int64_t> StoredNumber(std::string_view text, int64_t first, int64_t last);

}  // namespace clvt
