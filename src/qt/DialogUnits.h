#pragma once

#include <QFont>
#include <QRect>

namespace grill {

// The pixel size of one horizontal and one vertical dialog-unit step of a font:
// a dialog unit is a quarter of `x` across and an eighth of `y` down.
struct DialogBaseUnits {
  int x = 0;  // average width of the alphabet's characters
  int y = 0;  // height of a line of text
};

DialogBaseUnits BaseUnitsOf(const QFont& font);

// A rectangle in dialog units, converted to pixels.
QRect ToPixels(const DialogBaseUnits& units, int x, int y, int width, int height);

}  // namespace grill
