#pragma once

#include "app/DesignerContext.h"

namespace grill {

// The bar list commands of each direction.
void OnEditBar(DesignerContext& context, Axis axis);
void OnMinusBar(DesignerContext& context, Axis axis);
void OnPlusBar(DesignerContext& context, Axis axis);
void OnInsertBar(DesignerContext& context, Axis axis);
void OnRemoveBar(DesignerContext& context, Axis axis);

}  // namespace grill
