#pragma once

#include <cstdint>

class QColor;

namespace clvt {

// The program stores colours as 0x00BBGGRR (blue, green, red bytes); this is the only
// conversion to QColor.
QColor ToQColor(uint32_t bgr);

}  // namespace clvt
