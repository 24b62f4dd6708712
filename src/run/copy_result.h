#pragma once

#include <string>

#include "run/conversion.h"

// The conversion result as the plain-text table the copy button puts on the clipboard.
namespace clvt {

// Four lines and an empty fifth, each ended by CR LF, that line up in a fixed-width font:
//   "Gregorian Calendar: " + txbOutputGC (28 columns) + txbOutputGCwithAYN (28 columns)
//   "Julian Calendar:    " + txbOutputJC (28 columns) + txbOutputJCwithAYN (28 columns)
//   "Julian day number:  " + txbJDN
//   "Day of week:        " + txbDayOfWeek
// Date texts are padded with blanks or cut to 28 characters (a UTF-8 sequence counts as one
// character and is never split); the JDN and weekday are taken as they stand. The Dee
// outputs are not part of it. Empty outputs give headings and blanks only.
std::string CopyResultText(const OutputDates& outputs);

}  // namespace clvt
