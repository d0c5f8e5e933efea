#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/ConfigReader.h"
#include "config/ConfigRecords.h"

namespace grill {

// One record per line of the bartypes section, in line order, accepted or
// not. The result text of each rejected line joins the reader's diagnostics
// after that line's own notes. A line whose size is negative or beyond
// kLongestConfigLength yields no record but a Config Error message.
std::vector<BarType> ReadBarTypes(ConfigReader& reader);

// Fills `record` from a line "Georgian, 5/8 x 3/4 i, PROFILE1, GEO58".
// Returns the empty text for an accepted line, otherwise "Err",
// "?Unrecognized Bartype:<field 0>", "?Invalid height", "?Missing an X",
// "?Invalid width" or "?Invalid measurement". A line of fewer than four
// fields also adds the message "Invalid Fields" to the reader's messages.
std::string ParseBarTypeLine(ConfigReader& reader, std::string_view line, BarType& record);

}  // namespace grill
