#pragma once

#include <QRect>
#include <QWidget>

#include "support/twips.h"

// Windows are laid out in twips; this is the one place a widget is put at such a rectangle.
namespace clvt {

// rect in pixels, each edge rounded as TwipsToPixels rounds.
inline QRect PixelRect(const TwipsRect& rect) {
  return {TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
          TwipsToPixels(rect.height)};
}

// Puts w at rect, given in twips: PlaceInTwips(box, {240, 120, 615, 360}).
inline void PlaceInTwips(QWidget* w, const TwipsRect& rect) { w->setGeometry(PixelRect(rect)); }

}  // namespace clvt
