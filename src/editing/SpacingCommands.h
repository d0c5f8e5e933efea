#pragma once

#include "editing/DesignerState.h"
#include "platform/Controls.h"

namespace grill {

// Respace Above (horizontal) or Respace Left (vertical).
void OnRespaceBefore(DesignerState& state, Controls& controls, Axis axis);
// Respace Below (horizontal) or Respace Right (vertical).
void OnRespaceAfter(DesignerState& state, Controls& controls, Axis axis);
void OnSetSpacing(DesignerState& state, Controls& controls, Axis axis);
// The Equal Space (1) and Divided (0) radio buttons: they only set the flag.
void OnSpacingMode(DesignerState& state, int equalSpace);
void OnSliderAlign(DesignerState& state, Controls& controls, Axis axis);

}  // namespace grill
