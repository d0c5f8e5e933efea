#pragma once

#include "editing/DesignerState.h"
#include "platform/Controls.h"

namespace grill {

// The main dialog's commands on the list of designs.
void OnNewWindow(DesignerState& state, Controls& controls);
void OnDeleteWindow(DesignerState& state, Controls& controls);
void OnSelectWindow(DesignerState& state, Controls& controls);
void OnInches(DesignerState& state, Controls& controls);
void OnMillimetres(DesignerState& state, Controls& controls);
void OnPreDesignChange(DesignerState& state, Controls& controls);
// Refills the Windows list from the designs; nothing is selected afterwards.
void FillWindowList(const DesignerState& state, Controls& controls);

}  // namespace grill
