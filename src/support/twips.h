#pragma once

#include <cstdint>

// Window geometry is designed in twips (1/1440 inch); at 96 dots per inch 15 twips make one
// device-independent pixel. The one conversion every window uses.
namespace clvt {

inline constexpr int kTwipsPerPixel = 15;

// Twips to pixels, rounded to the nearest pixel (non-negative lengths and positions).
constexpr int TwipsToPixels(int64_t twips) {
  return static_cast<int>((twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

}  // namespace clvt
