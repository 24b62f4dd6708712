// The main window's live input rules as pure functions; see live_input.h for why they are
// kept apart from the widgets.
#include "run/live_input.h"

#include <algorithm>

#include "base/ascii_text.h"
#include "datetext/formatting.h"
#include "datetext/input_check.h"
#include "datetext/text_helpers.h"

namespace clvt {

namespace {

// ReplaceAll, except where the match is already followed by tail (so " D" -> " DC" leaves
// " DC" alone instead of making " DCC").
std::string ReplaceAllNotFollowedBy(std::string_view text, std::string_view from,
                                    std::string_view to, std::string_view tail) {
  std::string out;
  std::size_t pos = 0;
  while (true) {
    const std::size_t hit = text.find(from, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos));
    const std::size_t after = hit + from.size();
    if (text.substr(after, tail.size()) == tail) {
      out.append(from);
    } else {
      out.append(to);
    }
    pos = after;
  }
  out.append(text.substr(pos));
  return out;
}

bool InputComplete(const InputControls& in, Notation& notation) {
  notation = kInputIncomplete;
  if (in.optInputDateWithoutAYN) {
    if (in.cboMonthNames != 0 && in.cboDayNumbers != 0 && in.cboYearDesADBCetc != 0 &&
        in.cboCalendar0 != 0 && !in.txbYearADBCetc.empty()) {
      notation = kInputWithoutAYN;
      return true;
    }
  } else if (in.optInputDateWithAYN) {
    if (!in.txbYearCEJC.empty() && in.cboCalendar1 != 0) {
      notation = kInputWithAYN;
      return true;
    }
  }
  return false;
}

}  // namespace

std::string DeeLegend(const DeeVariant& dee) {
  return ReplaceAll(ReplaceAll(kDeeLegendTemplate, "DC", dee.designation), "Dee-Cecil", dee.name);
}

std::string ArithLabel(std::string_view caption, std::string_view boxText) {
  std::string stem = TrimTrailingChars(caption, "s");
  if (LeadingNumber(boxText) != 1.0) stem += 's';
  return stem;
}

LiveInputTick TimerTick(const LiveInputView& view, const DeeVariant& dee) {
  LiveInputTick t;
  InputControls in = view.input;

  // Completeness; the month-day-year year box loses stray blanks on the way.
  if (in.optInputDateWithoutAYN) in.txbYearADBCetc = TrimBlanks(in.txbYearADBCetc);
  t.blnInputComplete = InputComplete(in, t.notation);
  const bool weekdayMode =
      t.notation == kInputWithoutAYN && in.cboCalendar0 >= kCalendarPositionSunday;

  t.cmdCalculateEnabled = t.blnInputComplete;
  t.cmdDateSequenceEnabled = t.blnInputComplete && !weekdayMode;
  t.optPlusMinusEnabled = t.cmdCalculateEnabled;
  t.fraPlusMinusVisible = !(weekdayMode && t.cmdCalculateEnabled);

  t.txbArithEnabled = in.optPlus || in.optMinus;
  t.lblArith = view.lblArith;
  if (t.txbArithEnabled) {
    for (std::size_t i = 0; i < t.lblArith.size(); ++i) {
      t.lblArith[i] = ArithLabel(view.lblArith[i], in.txbArith[i]);
    }
  }

  // The legend follows the designator in the text as typed (not yet upper-cased), read as
  // the input check reads it.
  const std::string& ymd = in.txbYearCEJC;
  const std::optional<Calendar> designated =
      ReadYmdDesignator(ymd, dee, view.groupingSymbol).calendar;
  t.lblCEVisible = view.txbYearCEJCVisible && designated.has_value();
  if (t.lblCEVisible) {
    t.lblCE = designated == Calendar::kDee      ? DeeLegend(dee)
              : designated == Calendar::kJulian ? std::string(kLegendJC)
                                                : std::string(kLegendCE);
  }

  t.cmdClear0Visible = (view.txbYearCEJCVisible && !ymd.empty()) ||
                       (view.cboMonthNamesVisible && in.cboMonthNames >= 1);
  t.cmdClear1Visible = std::any_of(in.txbArith.begin(), in.txbArith.end(),
                                   [](const std::string& s) { return !s.empty(); });
  t.cmdCopyResultEnabled = view.txbOutputGCVisible;

  // Upper case in place: ASCII only, so the length and the caret stay where they were.
  t.txbYearADBCetc = in.txbYearADBCetc;
  t.txbYearCEJC = UpperCase(ymd);
  t.txbYearCEJCCursor =
      std::clamp(view.txbYearCEJCCursor, 0, static_cast<int>(t.txbYearCEJC.size()));

  // The legend's designator picks the year-month-day calendar when none is chosen; a choice
  // stands.
  t.cboCalendar1 = in.cboCalendar1;
  if (t.cboCalendar1 == 0 && t.lblCEVisible) t.cboCalendar1 = CalendarPosition(designated);

  t.cmdVernalEquinoxesEnabled = t.cmdDateSequenceEnabled;
  return t;
}

std::string RewriteForCalendarChoice(std::string_view text, std::optional<Calendar> calendar,
                                     const DeeVariant& dee) {
  std::string upper = UpperCase(text);
  if (!calendar) return upper;
  const std::string_view chosen = DesignatorOf(*calendar, dee);
  for (const Calendar other : {Calendar::kGregorian, Calendar::kJulian, Calendar::kDee}) {
    if (other != *calendar) upper = ReplaceAll(upper, DesignatorOf(other, dee), chosen);
  }
  return upper;
}

std::optional<Calendar> CalendarForNotationSwitch(std::string_view text,
                                                  std::optional<Calendar> chosen,
                                                  const DeeVariant& dee,
                                                  std::string_view groupingSymbol) {
  if (chosen) return chosen;
  return ReadYmdDesignator(text, dee, groupingSymbol).calendar;
}

std::string RewriteDeeDesignator(std::string_view text, const DeeVariant& dee) {
  if (dee.designation == "D") return ReplaceAll(text, " DC", " D");
  return ReplaceAllNotFollowedBy(text, " D", " DC", "C");
}

std::string RewriteDeeLegend(std::string_view caption, const DeeVariant& dee) {
  if (dee.designation == "D") {
    return ReplaceAll(ReplaceAll(caption, "'DC'", "'D'"), " Dee-Cecil", " Dee");
  }
  return ReplaceAllNotFollowedBy(ReplaceAll(caption, "'D'", "'DC'"), " Dee", " Dee-Cecil",
                                 "-Cecil");
}

uint32_t NextBackColor(uint32_t colour) {
  switch (colour) {
    case kDefaultBackColor: return 0x701070;
    case 0x701070: return 0x602060;
    case 0x602060: return 0x503050;
    case 0x503050: return 0x404040;
    default: return kDefaultBackColor;
  }
}

}  // namespace clvt
