#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "config/ConfigLength.h"
#include "config/ConfigReader.h"
#include "config/ConfigRecords.h"

namespace grill {

// One record per line of the edgetypes section, in line order, but for a
// line whose SH, SO, WD or HD is refused: it yields a Config Error message
// instead, as an edge that would silently change every size it frames.
std::vector<EdgeType> ReadEdgeTypes(ConfigReader& reader);

// Fills `record` from a line "Flat, EDGE1, SH=0.5i, SO=1/8i, WD=3, HD=3".
// Malformed lines and values leave notes in the reader's diagnostics. Returns
// the first of the four lengths that is unreadable, negative or beyond
// kLongestConfigLength (the record still holds what was read).
std::optional<ValueFault> ParseEdgeTypeLine(ConfigReader& reader, std::string_view line,
                                            EdgeType& record);

}  // namespace grill
