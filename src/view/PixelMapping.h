#pragma once

namespace grill {

// The farthest a drawn point may lie from the canvas in either direction.
// Bars can be dragged or typed to any position, and a pixel beyond this is
// off any screen anyway; the limit keeps the integer conversion defined.
inline constexpr double kPixelLimit = 1'000'000.0;

// The pixel at which a length in millimetres is drawn: millimetres x scale +
// origin, held within +-kPixelLimit and truncated towards zero. A position
// that is not a number is drawn at pixel 0.
int ToPixel(double millimetres, double scale, int origin);

// The length in millimetres under a pixel, without rounding. The scale must
// be positive.
double ToMillimetres(int pixel, int origin, double scale);

}  // namespace grill
