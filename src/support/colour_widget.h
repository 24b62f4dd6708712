#pragma once

#include <cstdint>

class QColor;

namespace clvt {

// The program stores colours as 0x00BBGGRR (blue, green, red bytes); these are the only
// conversions to and from QColor.
QColor ToQColor(uint32_t bgr);
uint32_t FromQColor(const QColor& colour);

}  // namespace clvt
