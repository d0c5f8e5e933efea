#pragma once

#include "app/DesignerContext.h"

namespace grill {

// Process Data stores the typed quantity and colours into the current design
// before its run, as far as they pass its checks (a bar and an edge type that
// exist, then the quantity, the inside and the outside colour, each stored
// before the next is checked). This makes that store one undo step of its own
// when it changes the design, and no step when it does not. The fields show
// the values already, so only the canvas is redrawn.
void CommitExportSettings(DesignerContext& context);

}  // namespace grill
