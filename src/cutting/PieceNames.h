#pragma once

#include <string>
#include <vector>

#include "cutting/CutList.h"

namespace grill {

// What each group of the cut list is for, in the cut list's order, so that
// a reader tells pieces apart by their place and not by their length:
// "Top edge", "Top and bottom edge", "Vertical bar 2", "Vertical bars 1 & 3",
// "Horizontal bars 1-4"; a bar cut in several pieces names the piece,
// "Horizontal bar 1 pieces 1 & 2". No name holds a comma.
std::vector<std::string> PieceNames(const CutList& cutList);

}  // namespace grill
