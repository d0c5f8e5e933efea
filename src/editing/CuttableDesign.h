#pragma once

#include "editing/Result.h"
#include "model/GrillWindow.h"
#include "model/Units.h"

namespace grill {

// The design as it is when its pieces can be cut with its own types; otherwise the refusal
// that names the problem, lengths in `unit`. New, Apply and the window editor make no
// design the saw could not cut.
Result<GrillWindow> RefuseUncuttable(GrillWindow window, Unit unit);

}  // namespace grill
