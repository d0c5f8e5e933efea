#include "app/CanvasStroke.h"

#include <utility>

#include "editing/BarOperations.h"

namespace grill {

void CanvasStroke::BarDragged(Axis axis, int barNumber, double position) {
  if (const GrillWindow* current = document_.Current()) {
    GrillWindow moved = *current;
    DragBarTo(moved, axis, barNumber, position);
    dragged_ = true;
    document_.ChangeCurrentInGroup(std::move(moved), "Drag Bar");
  }
}

void CanvasStroke::SegmentShaped(Axis axis, int barNumber, int band, bool given) {
  if (const GrillWindow* current = document_.Current()) {
    // A group committed by another command leaves this gesture a new one.
    dragged_ = dragged_ && document_.GroupOpen();
    GrillWindow shaped = *current;
    ShapeSegment(shaped, axis, barNumber, band, given);
    document_.ChangeCurrentInGroup(std::move(shaped), dragged_ ? "Drag Bar" : "Shape Grill");
  }
}

void CanvasStroke::GestureEnded() {
  document_.CommitGroup();
  dragged_ = false;
}

}  // namespace grill
