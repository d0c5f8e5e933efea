#pragma once

#include "model/GrillWindow.h"

namespace grill {

// What the canvas draws on and reports its gestures to. The host applies
// each gesture to the design it shows before the canvas reads on, so a bar
// dragged in one move already divides the bands the same move crosses.
class CanvasHost {
 public:
  virtual ~CanvasHost() = default;
  // The design under the mouse (the live one while a gesture is under way), or null.
  virtual const GrillWindow* ShownDesign() const = 0;
  // Bar `barNumber` (1-based) of `axis` dragged to `position` millimetres.
  virtual void BarDragged(Axis axis, int barNumber, double position) = 0;
  // The segment of bar `barNumber` of `axis` in band `band` of the crossing
  // direction given (true) or taken (false).
  virtual void SegmentShaped(Axis axis, int barNumber, int band, bool given) = 0;
  // The drag or stroke that reported the gestures since the last end is over:
  // the left button came up, or a move arrived with other buttons or keys.
  virtual void GestureEnded() = 0;
  // A bar of `axis` was taken by its handle and let go again without a move: a drag that
  // changed nothing, which ends as every drag does.
  virtual void DragReleasedUnmoved(Axis axis) = 0;
};

}  // namespace grill
