#pragma once

#include "app/DesignerContext.h"

namespace grill {

// Respace Above (horizontal) or Respace Left (vertical).
void OnRespaceBefore(DesignerContext& context, Axis axis);
// Respace Below (horizontal) or Respace Right (vertical).
void OnRespaceAfter(DesignerContext& context, Axis axis);
void OnSetSpacing(DesignerContext& context, Axis axis);
// The Equal Space and Divided radio buttons: they only set the mode.
void OnSpacingMode(DesignerContext& context, SpacingMode mode);
void OnSliderAlign(DesignerContext& context, Axis axis);

}  // namespace grill
