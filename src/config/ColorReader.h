#pragma once

#include <vector>

#include "config/ConfigReader.h"
#include "config/ConfigRecords.h"

namespace grill {

// One record per line of the color section, in line order: the name as
// written (blanks kept) and the code without blanks and commas. A line
// without a code keeps its name, has an empty code and leaves a note in the
// reader's diagnostics.
std::vector<ColorEntry> ReadColors(ConfigReader& reader);

}  // namespace grill
