#include "datetext/formatting.h"

#include <algorithm>
#include <cmath>

#include "base/ascii_text.h"
#include "calendar/calendar.h"
#include "platform/digit_grouping.h"
#include "platform/morvel/morvel.h"

namespace clvt {
namespace {

constexpr int64_t kLargestUngroupedYear = 9999;
constexpr std::size_t kLibraryBufferSize = 20;  // separate_thousands writes at most this much
constexpr double kSecondsPerDay = 86400.0;
constexpr int64_t kMinutesPerDay = 1440;
// Added to a time-of-day fraction so that a value such as 10/24, stored a hair below, is not
// shown a minute early.
constexpr double kTimeNudge = 0.00000001;
constexpr double kTimeNudgeLimit = 0.99999999;
constexpr int64_t kPerCent = 100;
constexpr int kMostPercentDecimals = 6;  // 2 * kPerCent * 10^6 * 2^31 still fits int64_t

const std::array<std::string_view, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                   "Thursday", "Friday", "Saturday"};

// SeparateThousands' grouping for what the calendar library cannot take: a separator of more
// than one byte, a text longer than its buffer.
std::string InsertGroups(std::string_view text, std::string_view separator) {
  const bool negative = !text.empty() && text.front() == '-';
  const std::string_view digits = negative ? text.substr(1) : text;
  std::string out = negative ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

DateRec DateOf(Calendar calendar, int32_t jdn, const DeeVariant& dee) {
  return DateOfJDN(DateRecCode(calendar), jdn, dee);
}

}  // namespace

const std::array<std::string_view, 13> MonthNames = {
    "",     "January", "February",  "March",   "April",    "May",     "June",
    "July", "August",  "September", "October", "November", "December"};

std::string TwoDigits(int32_t n) {
  std::string text = DecimalText(n);
  return text.size() < 2 ? "0" + text : text;
}

std::string GroupDigits(int64_t n) {
  return SeparateThousands(DecimalText(n), DigitGroupingSymbol());
}

std::string YearText(int64_t year, std::string_view groupingSymbol) {
  const bool grouped = year > kLargestUngroupedYear || year < -kLargestUngroupedYear;
  return grouped ? SeparateThousands(DecimalText(year), groupingSymbol) : DecimalText(year);
}

std::string YearText(int64_t year) { return YearText(year, DigitGroupingSymbol()); }

std::string DayName(int n) {
  if (n < 0 || n > 6) return "";
  return std::string(kDayNames[static_cast<std::size_t>(n)]);
}

std::string SeparateThousands(std::string_view text, std::string_view separator) {
  if (separator.empty()) return std::string(text);
  if (separator.size() > 1) return InsertGroups(text, separator);
  char buffer[kLibraryBufferSize];
  const std::string input(text);
  separate_thousands(input.c_str(), static_cast<unsigned char>(separator.front()), buffer);
  // The library leaves its 20-byte buffer empty when the grouped text would not fit (a 64-bit
  // year, a long decimal); group such a text here instead of losing it.
  if (buffer[0] == '\0' && !input.empty()) return InsertGroups(text, separator);
  return std::string(buffer);
}

std::string DateText(const DateRec& rec, std::string_view separator,
                     std::string_view thousandsSeparator) {
  return YearText(rec.year, thousandsSeparator) + std::string(separator) + TwoDigits(rec.month) +
         std::string(separator) + TwoDigits(rec.day);
}

std::string TraditionalDate(Calendar calendar, int32_t jdn, const DeeVariant& dee,
                            int& eraPosition) {
  const DateRec rec = DateOf(calendar, jdn, dee);
  std::string text = std::string(MonthNames[static_cast<std::size_t>(rec.month)]) + " " +
                     DecimalText(rec.day) + ",";
  const int64_t shown = rec.year < 1 ? 1 - int64_t{rec.year} : rec.year;
  text += " ";
  text += YearText(shown);
  if (eraPosition < 1) eraPosition = kEraCE;
  const bool adbc = eraPosition == kEraAD || eraPosition == kEraBC;
  if (adbc) {
    text += rec.year < 1 ? " BC" : " AD";
  } else {
    text += rec.year < 1 ? " BCE" : " CE";
  }
  return text;
}

std::string AYNDate(Calendar calendar, int32_t jdn, const DeeVariant& dee) {
  return AYNDate(DateOf(calendar, jdn, dee), dee);
}

std::string_view DesignatorOf(Calendar calendar, const DeeVariant& dee) {
  switch (calendar) {
    case Calendar::kJulian: return "JC";
    case Calendar::kDee: return dee.designation;
    case Calendar::kGregorian: break;
  }
  return "CE";
}

std::string AYNDate(const DateRec& rec, const DeeVariant& dee) {
  std::string text = YearText(rec.year);
  text += "-" + TwoDigits(rec.month) + "-" + TwoDigits(rec.day) + " ";
  text += DesignatorOf(CalendarOfCode(rec.calendar), dee);
  return text;
}

std::string TimeOfDayText(double x) {
  if (!std::isfinite(x)) return "00:00";
  double f = x - std::floor(x);
  if (f > 0 && f < kTimeNudgeLimit) f += kTimeNudge;
  auto s = static_cast<int64_t>(std::floor(f * kSecondsPerDay));
  if (s > 86399) s = 86399;
  if (s < 0) s = 0;
  return TwoDigits(static_cast<int32_t>(s / 3600)) + ":" +
         TwoDigits(static_cast<int32_t>((s / 60) % 60));
}

void RoundToMinute(double& x) {
  if (!std::isfinite(x)) return;
  const double d = std::floor(x);
  const double f = x - d;
  if (f == 0) return;
  const auto s = static_cast<int64_t>(std::nearbyint(f * kSecondsPerDay));  // halves to even
  int64_t m = s / 60;
  if (s % 60 > 30) ++m;
  x = d + static_cast<double>(m) / static_cast<double>(kMinutesPerDay);
}

std::string PercentText(int32_t count, int32_t total, int decimals) {
  if (total <= 0) return "";
  decimals = std::clamp(decimals, 0, kMostPercentDecimals);
  int64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  // Hundredths (or whatever unit decimals asks for) of the share, rounded half away from
  // zero: (2q + t) / 2t rounds q / t half up, for q >= 0.
  const int64_t magnitude = count < 0 ? -int64_t{count} : int64_t{count};
  const int64_t units = (2 * kPerCent * scale * magnitude + total) / (2 * int64_t{total});
  std::string text = count < 0 && units != 0 ? "-" : "";
  text += GroupDigits(units / scale);
  if (decimals > 0) {
    const std::string fraction = DecimalText(units % scale);
    text += DecimalSymbol();
    text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    text += fraction;
  }
  return text;
}

}  // namespace clvt
