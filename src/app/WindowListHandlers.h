#pragma once

#include "app/DesignerContext.h"

namespace grill {

// The main dialog's commands on the list of designs.
void OnNewWindow(DesignerContext& context);
void OnDeleteWindow(DesignerContext& context);
void OnSelectWindow(DesignerContext& context);
// Edit > Duplicate Design: a copy of the current design becomes current.
void OnDuplicateWindow(DesignerContext& context);
void OnInches(DesignerContext& context);
void OnMillimetres(DesignerContext& context);
void OnPreDesignChange(DesignerContext& context);

}  // namespace grill
