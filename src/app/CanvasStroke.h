#pragma once

#include "editing/DesignDocument.h"
#include "view/CanvasHost.h"

namespace grill {

// The canvas's live edit: each gesture changes the current design in the
// document's open group, so the screen follows it by the usual road, and the
// end of the gesture makes the group one step (none when the design ends as
// it began).
class CanvasStroke final : public CanvasHost {
 public:
  explicit CanvasStroke(DesignDocument& document) : document_(document) {}

  const GrillWindow* ShownDesign() const override { return document_.Current(); }
  void BarDragged(Axis axis, int barNumber, double position) override;
  void SegmentShaped(Axis axis, int barNumber, int band, bool given) override;
  void GestureEnded() override;
  // A drag let go without a move ends as every drag does.
  void DragReleasedUnmoved(Axis) override { GestureEnded(); }

 private:
  DesignDocument& document_;
  // Whether the group under way moved a bar: it is then named after the drag.
  bool dragged_ = false;
};

}  // namespace grill
