#include "view/PixelMapping.h"

#include <algorithm>
#include <cmath>

namespace grill {

int ToPixel(double millimetres, double scale, int origin) {
  const double pixel = millimetres * scale + origin;
  if (std::isnan(pixel)) {
    return 0;
  }
  return static_cast<int>(std::clamp(pixel, -kPixelLimit, kPixelLimit));
}

double ToMillimetres(int pixel, int origin, double scale) {
  // In double, so that no pointer position can overflow the subtraction.
  return (static_cast<double>(pixel) - static_cast<double>(origin)) / scale;
}

}  // namespace grill
