#include "qt/PainterDrawing.h"

#include <QPainter>

namespace grill {

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
  QPen pen(Qt::black);
  pen.setWidth(0);
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.setBrush(Qt::white);
  painter.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace grill
