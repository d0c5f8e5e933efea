#pragma once

#include <string>
#include <vector>

#include "config/ConfigRecords.h"

namespace grill {

// Connects every bar type, then every edge type, to the first tool map entry
// of its tool map name, stripping the bar types' names first. A type without
// an entry adds "Toolmap not found: " and its name to `messages`, and stays
// unlinked.
void LinkToolMap(Configuration& config, std::vector<std::string>& messages);

}  // namespace grill
