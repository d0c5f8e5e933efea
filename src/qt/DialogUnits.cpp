#include "qt/DialogUnits.h"

#include <QFontMetrics>

namespace grill {
namespace {

// Dialog units convert with rounding to the nearest pixel, as a dialog
// manager maps its templates.
int Scale(int dialogUnits, int baseUnit, int divisor) {
  const int product = dialogUnits * baseUnit;
  return product >= 0 ? (product + divisor / 2) / divisor : -((-product + divisor / 2) / divisor);
}

}  // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  // The average over the 52 letters, rounded: what captions are made of,
  // so that a caption measured in dialog units keeps fitting its control.
  const int alphabet = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(alphabet / 26 + 1) / 2, metrics.height()};
}

QRect ToPixels(const DialogBaseUnits& units, int x, int y, int width, int height) {
  return QRect(Scale(x, units.x, 4), Scale(y, units.y, 8), Scale(width, units.x, 4),
               Scale(height, units.y, 8));
}

}  // namespace grill
