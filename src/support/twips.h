#pragma once

#include <cstdint>

// Window geometry is designed in twips (1/1440 inch); at 96 dots per inch 15 twips make one
// device-independent pixel. The one conversion every window uses.
namespace clvt {

inline constexpr int kTwipsPerPixel = 15;

// Twips to pixels, rounded to the nearest pixel; negative positions (a window left of the
// primary screen) round the same way, away from zero. 15 is odd, so no length in whole twips
// lies half-way. Any twips in [-2^35, 2^35] gives a pixel count that fits int.
constexpr int TwipsToPixels(int64_t twips) {
  constexpr int64_t kHalf = kTwipsPerPixel / 2;  // 7
  const int64_t pixels =
      twips >= 0 ? (twips + kHalf) / kTwipsPerPixel : -((kHalf - twips) / kTwipsPerPixel);
  return static_cast<int>(pixels);
}
static_assert(TwipsToPixels(7) == 0 && TwipsToPixels(8) == 1 && TwipsToPixels(1440) == 96);
static_assert(TwipsToPixels(-7) == 0 && TwipsToPixels(-8) == -1 && TwipsToPixels(-15) == -1);

// A control's place in twips. support/twips_widget.h puts a widget there.
struct TwipsRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

}  // namespace clvt
