#include "qt/PlanPictureWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "qt/PagePainter.h"

namespace grill {
namespace {

// Pixels to a millimetre of the sheet: its texts of 2.2 mm read at about the
// size of the table's.
constexpr double kPixelsPerMillimetre = 4.5;
// mm: a narrower sheet would leave the strips no room beside their numbers
// and counts, so the widget is never narrower.
constexpr double kNarrowest = 60.0;

}  // namespace

PlanPictureWidget::PlanPictureWidget(const JobCuttingPlan& plan, PlanUnits units, QWidget* parent)
    : QWidget(parent), plan_(plan), units_(units) {
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  setMinimumWidth(static_cast<int>(std::ceil(kNarrowest * kPixelsPerMillimetre)));
  LayOut();
}

void PlanPictureWidget::Highlight(std::optional<std::size_t> strip) {
  if (strip && *strip >= sheet_.bars.size()) {
    strip.reset();
  }
  if (strip != highlighted_) {
    highlighted_ = strip;
    update();
  }
}

QRectF PlanPictureWidget::StripArea(std::size_t strip) const {
  return strip < sheet_.bars.size() ? Area(sheet_.bars[strip].row) : QRectF();
}

QRectF PlanPictureWidget::Area(const print::Box& box) const {
  return {box.left * kPixelsPerMillimetre, box.top * kPixelsPerMillimetre,
          box.width * kPixelsPerMillimetre, box.height * kPixelsPerMillimetre};
}

double PlanPictureWidget::SheetWidth() const {
  return std::max(kNarrowest, width() / kPixelsPerMillimetre);
}

// The sheet made again for the widget's width; as tall as it comes out, so
// that a scroll area around the widget scrolls it.
void PlanPictureWidget::LayOut() {
  sheet_ = print::BuildPictureSheet(plan_, units_, SheetWidth());
  setMinimumHeight(static_cast<int>(sheet_.page.height * kPixelsPerMillimetre) + 1);
  update();
}

void PlanPictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (highlighted_) {
    const QRectF area = Area(sheet_.bars[*highlighted_].row).adjusted(-4, -4, 4, 4);
    painter.fillRect(area, palette().highlight());
  }
  PaintPage(painter, sheet_.page, kPixelsPerMillimetre);
}

void PlanPictureWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  const QPointF at = event->position() / kPixelsPerMillimetre;
  if (const auto strip = print::SheetBarAt(sheet_, {at.x(), at.y()}); strip && onStripClicked) {
    onStripClicked(*strip);
  }
}

void PlanPictureWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (std::abs(SheetWidth() - sheet_.page.width) > 0.5) {
    LayOut();
  }
}

}  // namespace grill
