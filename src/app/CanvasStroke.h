#pragma once

#include <optional>

#include "editing/DesignDocument.h"
#include "platform/Controls.h"
#include "view/CanvasHost.h"

namespace grill {

// The canvas's live edit: its gestures change a copy of the current design,
// which is drawn at once, and the copy is committed as one change when the
// gesture ends. Then the list of each dragged direction shows the stored
// positions; the rest of the form is left as it was.
class CanvasStroke final : public CanvasHost {
 public:
  CanvasStroke(DesignDocument& document, Controls& controls);

  const GrillWindow* ShownDesign() const override;
  void BarDragged(Axis axis, int barNumber, double position) override;
  void SegmentShaped(Axis axis, int barNumber, int band, bool given) override;
  void GestureEnded() override { Finish(); }
  // The list of that direction is shown afresh, with nothing selected, as after any drag.
  void DragReleasedUnmoved(Axis axis) override;

  // Commits a stroke under way, so that no other command works on designs
  // without it.
  void Finish();

 private:
  GrillWindow& Live();

  DesignDocument& document_;
  Controls& controls_;
  std::optional<GrillWindow> live_;
  bool draggedHorz_ = false;
  bool draggedVert_ = false;
};

}  // namespace grill
