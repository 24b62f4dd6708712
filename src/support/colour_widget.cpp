#include "support/colour_widget.h"

#include <QColor>

namespace clvt {

QColor ToQColor(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                static_cast<int>((bgr >> 16) & 0xFFu));
}

}  // namespace clvt
