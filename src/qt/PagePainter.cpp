#include "qt/PagePainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <variant>

namespace grill {
namespace {

using print::Role;
using print::Stroke;

const QColor kBarFill(150, 150, 150);
const QColor kHeadingFill(228, 228, 228);
const QColor kOuterOutline(120, 120, 120);
const QColor kPieceFill(236, 236, 236);
const QColor kWasteFill(175, 175, 175);
const QColor kTrimFill(110, 110, 110);

// A filled rectangle's shade: a plan's pieces light, waste darker and the
// trims darkest, every other filled rectangle as a table's heading row.
QColor FillOf(Role role) {
  switch (role) {
    case Role::PlanPiece:
      return kPieceFill;
    case Role::PlanWaste:
      return kWasteFill;
    case Role::PlanTrim:
      return kTrimFill;
    default:
      return kHeadingFill;
  }
}

double StrokeWidth(Stroke stroke) {
  switch (stroke) {
    case Stroke::Thin:
      return 0.15;
    case Stroke::Normal:
      return 0.3;
    case Stroke::Thick:
      return 0.5;
  }
  return 0.3;
}

class ItemPainter {
 public:
  ItemPainter(QPainter& painter, double scale) : painter_(painter), scale_(scale) {}

  void operator()(const print::Line& line) const {
    painter_.setPen(Pen(line.stroke, line.role));
    painter_.drawLine(At(line.from), At(line.to));
  }

  void operator()(const print::Rect& rect) const {
    if (rect.filled && (rect.role == Role::Bar || rect.role == Role::Barcode)) {
      // Unsmoothed, so that segments meeting end to end show no seam and a
      // barcode's edges stay sharp for the scanner.
      painter_.save();
      painter_.setRenderHint(QPainter::Antialiasing, false);
      painter_.fillRect(Area(rect.box), rect.role == Role::Bar ? kBarFill : QColor(Qt::black));
      painter_.restore();
      return;
    }
    painter_.setPen(Pen(rect.stroke, rect.role));
    painter_.setBrush(rect.filled ? QBrush(FillOf(rect.role)) : QBrush(Qt::NoBrush));
    painter_.drawRect(Area(rect.box));
  }

  void operator()(const print::Text& text) const {
    if (text.text.empty()) {
      return;
    }
    const QString content = QString::fromStdString(text.text);
    const QRectF box = Area(text.box);
    const double length = text.vertical ? box.height() : box.width();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(text.bold);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(text.size * scale_))));
    const double width = QFontMetricsF(font, painter_.device()).horizontalAdvance(content);
    if (width > length) {
      font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * length / width)));
    }
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    const int flags = Alignment(text.align) | Qt::AlignVCenter | Qt::TextSingleLine;
    if (!text.vertical) {
      painter_.drawText(box, flags, content);
      return;
    }
    // Turned a quarter left about the box's bottom-left corner, the text
    // runs up the page.
    painter_.save();
    painter_.translate(box.bottomLeft());
    painter_.rotate(-90.0);
    painter_.drawText(QRectF(0.0, 0.0, box.height(), box.width()), flags, content);
    painter_.restore();
  }

 private:
  QPointF At(print::Point point) const { return {point.x * scale_, point.y * scale_}; }
  QRectF Area(const print::Box& box) const {
    return {box.left * scale_, box.top * scale_, box.width * scale_, box.height * scale_};
  }
  QPen Pen(Stroke stroke, Role role) const {
    QPen pen(role == Role::OuterOutline ? kOuterOutline : QColor(Qt::black));
    pen.setWidthF(std::max(1.0, StrokeWidth(stroke) * scale_));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
  }
  static int Alignment(print::Align align) {
    switch (align) {
      case print::Align::Left:
        return Qt::AlignLeft;
      case print::Align::Centre:
        return Qt::AlignHCenter;
      case print::Align::Right:
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
  }

  QPainter& painter_;
  double scale_;
};

}  // namespace

void PaintPage(QPainter& painter, const print::Page& page, double pixelsPerMillimetre) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const ItemPainter paint(painter, pixelsPerMillimetre);
  for (const print::Item& item : page.items) {
    std::visit(paint, item);
  }
  painter.restore();
}

}  // namespace grill
