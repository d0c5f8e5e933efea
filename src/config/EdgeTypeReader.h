#pragma once

#include <string_view>
#include <vector>

#include "config/ConfigReader.h"
#include "config/ConfigRecords.h"

namespace grill {

// One record per line of the edgetypes section, in line order.
std::vector<EdgeType> ReadEdgeTypes(ConfigReader& reader);

// Fills `record` from a line "Flat, EDGE1, SH=0.5i, SO=1/8i, WD=3, HD=3".
// Malformed lines and values leave notes in the reader's diagnostics.
void ParseEdgeTypeLine(ConfigReader& reader, std::string_view line, EdgeType& record);

}  // namespace grill
