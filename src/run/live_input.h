#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "datetext/input_controls.h"
#include "support/identity.h"

// The main window's reactions to what the user types, as pure functions: the half-second
// update of enabled/visible states, captions and legends, the designator rewriting of the
// year-month-day box, the Dee variant switch's text edits and the colour cycle. The window
// copies its controls in, calls these, and writes the answers back, so every rule here can be
// tested without a widget.
namespace clvt {

// The legends lblCE shows for "CE", "JC" and the Dee designator.
inline constexpr std::string_view kLegendCE =
    "'CE' = 'Common Era Calendar' = the proleptic Gregorian Calendar with "
    "astronomical year numbering";
inline constexpr std::string_view kLegendJC =
    "'JC' = the proleptic Julian Calendar with astronomical year numbering";
inline constexpr std::string_view kDeeLegendTemplate =
    "'DC' = the proleptic Dee-Cecil Calendar with astronomical year numbering";

// The Dee legend for a variant: kDeeLegendTemplate with "DC" replaced by the designation and
// then "Dee-Cecil" by the name. DeeLegend({"Dee", "D"}) starts "'D' = the proleptic Dee ...".
std::string DeeLegend(const DeeVariant& dee);

// What one tick reads: the input controls plus the few other control states it looks at.
struct LiveInputView {
  InputControls input;
  int txbYearCEJCCursor = 0;  // caret position in txbYearCEJC (0 = before the first)
  bool txbYearCEJCVisible = false;
  bool cboMonthNamesVisible = false;
  std::array<std::string, 4> lblArith{"years", "months", "weeks", "days"};
  std::string lblCE;
  bool txbOutputGCVisible = false;  // a result is shown
  std::string groupingSymbol;       // the locale's digit-grouping symbol
};

// Everything one tick decides. Texts and the calendar choice are the new contents of the
// controls; the caret is where it was, clamped to the new text.
struct LiveInputTick {
  bool blnInputComplete = false;
  Notation notation = kInputIncomplete;
  bool cmdCalculateEnabled = false;
  bool cmdDateSequenceEnabled = false;
  bool optPlusMinusEnabled = false;
  bool fraPlusMinusVisible = true;
  bool txbArithEnabled = false;
  std::array<std::string, 4> lblArith;
  bool lblCEVisible = false;
  std::string lblCE;
  bool cmdClear0Visible = false;
  bool cmdClear1Visible = false;
  bool cmdCopyResultEnabled = false;
  bool cmdVernalEquinoxesEnabled = false;
  std::string txbYearADBCetc;
  std::string txbYearCEJC;
  int txbYearCEJCCursor = 0;
  int cboCalendar1 = 0;
};

// One run of the half-second update. The steps run in a fixed order, each seeing what the
// earlier ones wrote: completeness is judged first, the legend is chosen from the designator
// of the text before this tick upper-cases it (read as ReadYmdDesignator reads it, so
// "2015-11-22 C.E." shows the "CE" legend), and the calendar is picked from that legend. So
// "2015-11-22 jc" typed into an empty year-month-day input needs three ticks: upper case,
// then legend and calendar, then Calculate enabled. Any text is safe; nothing here fails.
LiveInputTick TimerTick(const LiveInputView& view, const DeeVariant& dee);

// The amount label for a box: the caption without its trailing "s", with "s" added back
// unless the box's text reads as the number 1 ("1", " 1", "1,000" read as 1).
// ArithLabel("days", "1") -> "day"; ArithLabel("day", "") -> "days".
std::string ArithLabel(std::string_view caption, std::string_view boxText);

// The year-month-day text after a choice in cboCalendar(1): upper-cased, then the other
// designators replaced by the chosen calendar's ("CE", "JC" or the Dee designation). With no
// calendar chosen (the empty item) it is only upper-cased.
// ("2015-11-22 jc", Gregorian, Dee-Cecil) -> "2015-11-22 CE".
std::string RewriteForCalendarChoice(std::string_view text, std::optional<Calendar> calendar,
                                     const DeeVariant& dee);

// The year-month-day calendar to select when that notation is chosen: a choice already made
// stands; otherwise the calendar the text's designator names (ReadYmdDesignator), or none.
// ("2015-11-22 JC", none) -> Julian; ("2015-11-22 J.C.", none) -> Julian; ("2015-11-22",
// none) -> none.
std::optional<Calendar> CalendarForNotationSwitch(std::string_view text,
                                                  std::optional<Calendar> chosen,
                                                  const DeeVariant& dee,
                                                  std::string_view groupingSymbol);

// The year-month-day text after switching the Dee variant to dee: " DC" becomes " D" (Dee)
// or " D" becomes " DC" (Dee-Cecil). A designator already in the target form is left alone,
// so selecting the variant in force twice never yields " DCC".
std::string RewriteDeeDesignator(std::string_view text, const DeeVariant& dee);

// The legend caption after switching the Dee variant: 'DC'/Dee-Cecil to 'D'/Dee or back,
// again leaving a caption already in the target form unchanged.
std::string RewriteDeeLegend(std::string_view caption, const DeeVariant& dee);

// The window colour cycle (0x00BBGGRR): kDefaultBackColor (0x800080) -> 0x701070 ->
// 0x602060 -> 0x503050 -> 0x404040 -> 0x800080; any other colour goes to 0x800080.
uint32_t NextBackColor(uint32_t colour);

}  // namespace clvt
