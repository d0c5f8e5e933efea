#include "qt/ApplicationIcon.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace grill {
namespace {

// One size of the icon: a wooden frame, pale blue glass and two vertical and
// one horizontal bar crossing it. Drawn on whole pixels so that it stays
// crisp at 16 pixels.
QPixmap DrawIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, false);

  const int inset = std::max(1, size / 16);
  const int frame = std::max(2, size / 8);
  const int bar = std::max(1, size / 16);
  const QRect outer(inset, inset, size - 2 * inset, size - 2 * inset);
  const QRect glass = outer.adjusted(frame, frame, -frame, -frame);

  painter.fillRect(outer, QColor(0x8a, 0x5a, 0x2e));
  QLinearGradient light(glass.topLeft(), glass.bottomRight());
  light.setColorAt(0.0, QColor(0xd8, 0xef, 0xfb));
  light.setColorAt(1.0, QColor(0x7f, 0xbd, 0xe4));
  painter.fillRect(glass, light);

  const QColor barColour(0xf7, 0xf3, 0xe8);
  for (int third = 1; third <= 2; ++third) {
    const int x = glass.left() + glass.width() * third / 3 - bar / 2;
    painter.fillRect(QRect(x, glass.top(), bar, glass.height()), barColour);
  }
  const int y = glass.top() + glass.height() / 2 - bar / 2;
  painter.fillRect(QRect(glass.left(), y, glass.width(), bar), barColour);

  painter.setPen(QColor(0x4a, 0x2c, 0x12));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(outer.adjusted(0, 0, -1, -1));
  painter.drawRect(glass.adjusted(-1, -1, 0, 0));
  return pixmap;
}

}  // namespace

QIcon ApplicationIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128}) {
    icon.addPixmap(DrawIcon(size));
  }
  return icon;
}

}  // namespace grill
