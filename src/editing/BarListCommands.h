#pragma once

#include "editing/DesignerState.h"
#include "platform/Controls.h"

namespace grill {

// Refreshes the bar lists and the Window Info controls from `window` and
// hands it to the canvas; does nothing for null. Does not redraw.
void ShowWindowDesign(DesignerState& state, Controls& controls, GrillWindow* window);

// The bar list commands of each direction.
void OnEditBar(DesignerState& state, Controls& controls, Axis axis);
void OnMinusBar(DesignerState& state, Controls& controls, Axis axis);
void OnPlusBar(DesignerState& state, Controls& controls, Axis axis);
void OnInsertBar(DesignerState& state, Controls& controls, Axis axis);
void OnRemoveBar(DesignerState& state, Controls& controls, Axis axis);

}  // namespace grill
