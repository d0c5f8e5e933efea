#include "app/CanvasStroke.h"

#include <utility>

#include "editing/BarOperations.h"

namespace grill {

CanvasStroke::CanvasStroke(DesignDocument& document, Controls& controls)
    : document_(document), controls_(controls) {}

const GrillWindow* CanvasStroke::ShownDesign() const {
  return live_ ? &*live_ : document_.Current();
}

GrillWindow& CanvasStroke::Live() {
  if (!live_) {
    live_ = *document_.Current();
    dragged_ = false;
  }
  return *live_;
}

void CanvasStroke::BarDragged(Axis axis, int barNumber, double position) {
  DragBarTo(Live(), axis, barNumber, position);
  dragged_ = true;
  controls_.Invalidate();
}

void CanvasStroke::SegmentShaped(Axis axis, int barNumber, int band, bool given) {
  ShapeSegment(Live(), axis, barNumber, band, given);
  controls_.Invalidate();
}

void CanvasStroke::Finish() {
  if (!live_) {
    return;
  }
  GrillWindow after = std::move(*live_);
  live_.reset();
  document_.Commit(ReplaceCurrentDesign(document_, dragged_ ? "Drag Bar" : "Shape Grill",
                                        std::move(after), ChangeOrigin::Canvas));
}

}  // namespace grill
