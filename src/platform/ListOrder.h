#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace grill {

// The order of a sorted list box: alphabetical without regard to case, and
// entries equal but for case in ordinal (byte) order.
bool SortsBefore(std::string_view a, std::string_view b);

// The index at which a sorted list box places `text` among `entries` (after
// any entries it equals, so that equal names keep their order of adding).
int SortedInsertIndex(const std::vector<std::string>& entries, std::string_view text);

}  // namespace grill
