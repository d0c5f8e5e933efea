#pragma once

#include <optional>

#include "editing/Result.h"
#include "model/GrillWindow.h"
#include "model/Units.h"

namespace grill {

// The bar list commands and the canvas's bar work, on one design's value.
// `bar` is the 0-based list index of a bar the design has; `barNumber` the
// 1-based bar number. Each returns the changed design, or nothing (or a
// refusal) when the command makes no change.

// Edit: the bar moves to `position`, which must lie strictly between its
// neighbours; the refusal names the room it has in `unit`.
Result<GrillWindow> SetBarPosition(const GrillWindow& window, Axis axis, int bar, double position,
                                   Unit unit);

// "+" / "-": the bar moves by `step` towards the next bar (or the previous
// one) and must stay short of that neighbour, bar or edge. A negative step
// moves the bar the other way untested.
std::optional<GrillWindow> StepBar(const GrillWindow& window, Axis axis, int bar, double step,
                                   bool towardsNext);

// Insert: a new bar at `position`, refused outside the inner size or when
// the direction is full.
std::optional<GrillWindow> InsertBar(const GrillWindow& window, Axis axis, double position);

// Remove: refused for a bar number the design does not have.
std::optional<GrillWindow> RemoveBar(const GrillWindow& window, Axis axis, int barNumber);

// The canvas's drag: bar `barNumber` to `position` without limits.
void DragBarTo(GrillWindow& window, Axis axis, int barNumber, double position);

// The canvas's segment shaping: the segment of bar `barNumber` in band `band`
// of the crossing direction given or taken.
void ShapeSegment(GrillWindow& window, Axis axis, int barNumber, int band, bool given);

}  // namespace grill
