#pragma once

#include <optional>

#include "editing/Result.h"
#include "model/GrillWindow.h"
#include "model/Units.h"

namespace grill {

// The spacing commands on one design's value. `selected` is the 0-based list
// index of a bar the design has.

// Respace Above (horizontal) or Respace Left (vertical): the bars before the
// selected one spread over the span up to it.
GrillWindow RespaceBefore(const GrillWindow& window, Axis axis, int selected, SpacingMode mode);
// Respace Below (horizontal) or Respace Right (vertical): the bars after the
// selected one spread over the span from it to the far edge.
GrillWindow RespaceAfter(const GrillWindow& window, Axis axis, int selected, SpacingMode mode);

// Set Spacing: the selected bar to `typed` (in `unit`, empty when the text did
// not read) past the bar before it or the near edge, pushing along the bars it
// overtakes. Refused with "Invalid Spacing".
Result<GrillWindow> SetSpacing(const GrillWindow& window, Axis axis, int selected,
                               std::optional<double> typed, Unit unit);

// Slider Align: the other design's bars of that direction centred on this
// one; nothing unless both have the same non-zero number of them.
std::optional<GrillWindow> AlignBars(const GrillWindow& window, Axis axis,
                                     const GrillWindow& other);

}  // namespace grill
