#pragma once

#include "config/ConfigRecords.h"
#include "platform/Controls.h"

namespace grill {

// Connects every bar type, then every edge type, to the first tool map entry
// of its tool map name, stripping the bar types' names first. A type without
// an entry shows "Toolmap not found: " and its name, and stays unlinked.
void LinkToolMap(Configuration& config, Controls& controls);

}  // namespace grill
