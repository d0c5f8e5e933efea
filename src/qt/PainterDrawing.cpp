#include "qt/PainterDrawing.h"

#include <QPainter>

namespace grill {
namespace {

// A cosmetic pen, so that a width stays in pixels; a one-pixel pen is Qt's
// width 0, which is drawn exactly as the designer's lines always were.
QPen ToQt(Pen pen) {
  QPen qtPen{QColor::fromRgb(static_cast<QRgb>(pen.rgb))};
  qtPen.setWidth(pen.width <= 1 ? 0 : pen.width);
  qtPen.setCosmetic(true);
  return qtPen;
}

}  // namespace

void PainterDrawing::SetPen(Pen pen) {
  painter_.setPen(ToQt(pen));
}

void PainterDrawing::MoveTo(int x, int y) {
  position_ = QPoint(x, y) + offset_;
}

void PainterDrawing::LineTo(int x, int y) {
  const QPoint end = QPoint(x, y) + offset_;
  painter_.drawLine(position_, end);
  position_ = end;
}

void PainterDrawing::Rectangle(int left, int top, int right, int bottom) {
  // Right and bottom are exclusive: the outline covers left .. right - 1.
  painter_.drawRect(left + offset_.x(), top + offset_.y(), right - left - 1, bottom - top - 1);
}

void PrepareForDrawing(QPainter& painter) {
  painter.setPen(ToQt(kBlackPen));
  painter.setBrush(Qt::white);
  painter.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace grill
