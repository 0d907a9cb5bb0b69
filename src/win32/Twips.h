#pragma once

#include "win32/WindowsApi.h"

namespace fw::win32 {

// Layouts are given in twips, 1/1440 inch: 15 twips to a pixel at 96 dots per inch.
inline constexpr int kTwipsPerInch = 1440;

// A control's place in twips, measured from the top-left corner of its container.
struct TwipsRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;

  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// twips as pixels at dpi, rounded to the nearest pixel.
inline int TwipsToPixels(int twips, UINT dpi) {
  return MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch);
}

// pixels as twips at dpi, rounded to the nearest twip.
inline int PixelsToTwips(int pixels, UINT dpi) {
  return MulDiv(pixels, kTwipsPerInch, static_cast<int>(dpi));
}

// The pixel rectangle of place at dpi. Each value is rounded on its own, so controls of equal
// width stay equal wherever they stand.
inline RECT TwipsToPixels(const TwipsRect& place, UINT dpi) {
  const int left = TwipsToPixels(place.Left, dpi);
  const int top = TwipsToPixels(place.Top, dpi);
  return RECT{left, top, left + TwipsToPixels(place.Width, dpi),
              top + TwipsToPixels(place.Height, dpi)};
}

}  // namespace fw::win32
