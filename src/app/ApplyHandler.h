#pragma once

#include "app/DesignerContext.h"

namespace grill {

// Apply: the Window Info fields, read and checked as New reads them, change
// the current design (one undo step, "Apply <name>"). The design may keep its
// own name. Without a current design it only says so; a refusal changes
// nothing.
void OnApplyWindow(DesignerContext& context);

}  // namespace grill
