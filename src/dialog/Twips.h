#pragma once

#include <QRect>
#include <cmath>

namespace fw {

// Layouts are kept in twips, 15 to a logical pixel; Qt scales logical pixels on dense screens.
inline int TwipsToPixels(int twips) {
  return static_cast<int>(std::lround(twips / 15.0));
}

// A control's place from its Left, Top, Width and Height in twips.
inline QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
               TwipsToPixels(height));
}

// Title bar and frame of a fixed dialog, which a whole-window height includes; the toolkit
// draws its own, so window heights are turned into client heights with this allowance.
inline constexpr int kWindowFrameTwips = 405;

}  // namespace fw
