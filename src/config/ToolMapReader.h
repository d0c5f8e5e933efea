#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "config/ConfigLength.h"
#include "config/ConfigReader.h"
#include "config/ConfigRecords.h"

namespace grill {

// One entry per line of the toolmap section, in line order, but for a line
// whose measurement is refused: it yields a Config Error message instead, as
// the measurement moves every notch the entry cuts.
std::vector<ToolMapEntry> ReadToolMap(ConfigReader& reader);

// Fills `record` from a line "PROFILE1, 0.75i, V_DEFAULT=11, H_BOTH=25":
// name, tool measurement in millimetres, then tool codes by key. A line of
// fewer than two fields leaves the record as it was (measurement 0.0).
// Returns the measurement when it is unreadable, negative or beyond
// kLongestConfigLength (the record still holds what was read).
std::optional<ValueFault> ParseToolMapLine(ConfigReader& reader, std::string_view line,
                                           ToolMapEntry& record);

}  // namespace grill
