#pragma once

#include <QPoint>

#include "platform/Drawing.h"

class QPainter;

namespace grill {

// A drawing context on a QPainter whose coordinates are shifted by `offset`,
// so that one painter can serve a window and a child drawn over it. The
// painter is expected to hold the one-pixel black pen and the white brush.
class PainterDrawing final : public DrawingContext {
 public:
  PainterDrawing(QPainter& painter, QPoint offset) : painter_(painter), offset_(offset) {}

  // Sets the painter's pen, which the other context on the same painter shares.
  void SetPen(Pen pen) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int left, int top, int right, int bottom) override;

 private:
  QPainter& painter_;
  QPoint offset_;
  QPoint position_;
};

// Sets `painter` up as a drawing context wants it: kBlackPen, a white
// brush, no antialiasing.
void PrepareForDrawing(QPainter& painter);

}  // namespace grill
