#include "platform/morvel/morvel.h"

#include <cstring>

#include "base/floor_div.h"
#include "platform/morvel/gregorian.h"
#include "platform/morvel/julian.h"

namespace {
constexpr std::size_t kSeparateBufferSize = 20;
}

extern "C" {

int32_t euro_date_to_jdn(DateRec* rec) {
  if (rec == nullptr) return 0;
  if (rec->calendar == clvt::kCalendarGregorian) {
    clvt::GregorianDateToJDN(*rec);
  } else {
    clvt::JulianDateToJDN(*rec);
  }
  return rec->valid;
}

int32_t jdn_to_euro_date(DateRec* rec) {
  if (rec == nullptr) return 0;
  if (rec->calendar == clvt::kCalendarGregorian) {
    clvt::GregorianJDNToDate(*rec);
  } else {
    clvt::JulianJDNToDate(*rec);
  }
  return 1;
}

int32_t euro_day_of_week(int32_t jdn) {
  return static_cast<int32_t>(clvt::FloorMod(int64_t{jdn} + 1, 7));
}

int32_t separate_thousands(const char* text, int32_t separator, char* buffer) {
  if (buffer == nullptr) return 0;
  buffer[0] = '\0';
  if (text == nullptr) return 0;
  const bool negative = text[0] == '-';
  const char* digits = negative ? text + 1 : text;
  const std::size_t n = std::strlen(digits);
  const std::size_t separators = n > 0 ? (n - 1) / 3 : 0;
  const std::size_t length = (negative ? 1 : 0) + n + separators;
  if (length + 1 > kSeparateBufferSize) return 0;

  std::size_t out = 0;
  if (negative) buffer[out++] = '-';
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) buffer[out++] = static_cast<char>(separator);
    buffer[out++] = digits[i];
  }
  buffer[out] = '\0';
  return 1;
}
}
