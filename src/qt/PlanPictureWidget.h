#pragma once

#include <QWidget>
#include <cstddef>
#include <functional>
#include <optional>

#include "cutting/JobCuttingPlan.h"
#include "cutting/PlanFigures.h"
#include "print/PlanPictureSheet.h"

namespace grill {

// The plan's picture beside its table: the core's sheet painted through the
// page painter, its strips as wide as the widget and its texts at a readable
// size. A click on a strip tells `onStripClicked`; the highlighted strip is
// set from outside.
class PlanPictureWidget : public QWidget {
 public:
  // `plan` outlives the widget.
  PlanPictureWidget(const JobCuttingPlan& plan, PlanUnits units, QWidget* parent);

  std::function<void(std::size_t strip)> onStripClicked;

  void Highlight(std::optional<std::size_t> strip);
  std::optional<std::size_t> Highlighted() const { return highlighted_; }
  const print::PictureSheet& Sheet() const { return sheet_; }
  // Where strip `strip` is drawn, in the widget's pixels.
  QRectF StripArea(std::size_t strip) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayOut();
  double SheetWidth() const;  // millimetres
  QRectF Area(const print::Box& box) const;

  const JobCuttingPlan& plan_;
  PlanUnits units_;
  print::PictureSheet sheet_;
  std::optional<std::size_t> highlighted_;
};

}  // namespace grill
