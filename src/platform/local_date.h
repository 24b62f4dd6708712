#pragma once

#include <cstdint>

namespace clvt {

struct LocalDate {
  int32_t year = 1970;
  int32_t month = 1;
  int32_t day = 1;
};

// The operating system's current local date (Gregorian).
LocalDate CurrentLocalDate();

}  // namespace clvt
