#include "app/CanvasStroke.h"

#include <utility>

#include "app/DesignView.h"
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
    draggedHorz_ = false;
    draggedVert_ = false;
  }
  return *live_;
}

void CanvasStroke::BarDragged(Axis axis, int barNumber, double position) {
  DragBarTo(Live(), axis, barNumber, position);
  (axis == Axis::Horizontal ? draggedHorz_ : draggedVert_) = true;
  controls_.Invalidate();
}

void CanvasStroke::SegmentShaped(Axis axis, int barNumber, int band, bool given) {
  ShapeSegment(Live(), axis, barNumber, band, given);
  controls_.Invalidate();
}

void CanvasStroke::DragReleasedUnmoved(Axis axis) {
  if (const GrillWindow* stored = document_.Current()) {
    ShowBarList(controls_, axis, *stored, document_.DisplayUnit());
  }
}

void CanvasStroke::Finish() {
  if (!live_) {
    return;
  }
  GrillWindow after = std::move(*live_);
  live_.reset();
  const bool dragged = draggedHorz_ || draggedVert_;
  document_.Commit(ReplaceCurrentDesign(document_, dragged ? "Drag Bar" : "Shape Grill",
                                        std::move(after), ChangeOrigin::Canvas));
  const GrillWindow* stored = document_.Current();
  if (stored == nullptr) {
    return;
  }
  if (draggedHorz_) {
    ShowBarList(controls_, Axis::Horizontal, *stored, document_.DisplayUnit());
  }
  if (draggedVert_) {
    ShowBarList(controls_, Axis::Vertical, *stored, document_.DisplayUnit());
  }
}

}  // namespace grill
