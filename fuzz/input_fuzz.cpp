// Fuzz target. The first byte chooses what the rest drives:
//  even: the main window's controls: bytes 1..6 pick the notation, list positions, direction
//        and variant; the rest, split at newlines, fills the year boxes and the amount boxes;
//        then InputDateOK, GetJDN and a whole Calculate run are made on it;
//  odd:  clvt's command line: the rest, split at zero bytes, is the argument vector.
// Any crash, sanitizer report or uncaught exception is a finding; the results are not judged.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "cli/commands.h"
#include "datetext/input_check.h"
#include "run/conversion.h"

namespace {

constexpr std::size_t kHeaderBytes = 7;

std::vector<std::string> Split(const uint8_t* data, std::size_t size, char delimiter) {
  std::vector<std::string> parts(1);
  for (std::size_t i = 0; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == delimiter) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

void FuzzControls(const uint8_t* data, std::size_t size) {
  if (size < kHeaderBytes) return;
  using namespace clvt;
  const auto notation = static_cast<Notation>(data[1] % 3 - 1);  // incomplete or either
  InputControls c;
  c.optInputDateWithoutAYN = (data[1] & 0x10) != 0 || notation == kInputWithoutAYN;
  c.optInputDateWithAYN = notation == kInputWithAYN;
  c.cboMonthNames = data[2] % 14;  // one past each list's end included
  c.cboDayNumbers = data[3] % 33;
  c.cboYearDesADBCetc = data[4] % 6;
  c.cboCalendar0 = data[5] % 12;
  c.cboCalendar1 = (data[5] >> 4) % 5;
  c.optPlus = (data[6] & 1) != 0;
  c.optMinus = (data[6] & 2) != 0 && !c.optPlus;
  c.fraPlusMinusVisible = (data[6] & 4) != 0;
  const bool deeOnly = (data[6] & 8) != 0;
  const DeeVariant dee = deeOnly ? kDeeVariant : kDeeCecilVariant;

  const std::vector<std::string> texts = Split(data + kHeaderBytes, size - kHeaderBytes, '\n');
  c.txbYearADBCetc = texts[0];
  c.txbYearCEJC = texts.size() > 1 ? texts[1] : texts[0];
  for (std::size_t i = 0; i < 4 && i + 2 < texts.size(); ++i) c.txbArith[i] = texts[i + 2];

  // A multi-byte grouping symbol (a narrow no-break space) or the plain comma.
  const std::string symbol = (data[1] & 0x20) != 0 ? "\xE2\x80\xAF" : ",";
  InputControls checked = c;
  const InputCheck check = InputDateOK(checked, notation, dee, symbol);
  if (check.ok) {
    InputControls run = checked;
    GetJDN(run, notation, check.strDateParts, SelectedCalendar(run, notation), true, dee, 0);
  }
  // GetJDN must also be safe on input the checks never saw.
  InputControls unchecked = c;
  GetJDN(unchecked, notation, Split(data + kHeaderBytes, size - kHeaderBytes, '-'),
         Calendar::kGregorian, true, dee, 0);
  CalculateRun(c, notation, dee, 0, symbol);
  CheckArithBox(texts.back(), symbol);
  GetYear(c, notation);
}

void FuzzArguments(const uint8_t* data, std::size_t size) {
  std::vector<std::string> args = Split(data + 1, size - 1, '\0');
  // The last argument also stands for standard input, read when an argument is "-".
  std::istringstream in(args.back());
  std::ostringstream out;
  std::ostringstream err;
  clvt::cli::RunClvt(args, in, out, err);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  if (data[0] % 2 == 0) {
    FuzzControls(data, size);
  } else {
    FuzzArguments(data, size);
  }
  return 0;
}
