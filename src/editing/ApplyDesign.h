#pragma once

#include "model/GrillWindow.h"

namespace grill {

// What Apply makes of `current` given `fresh`, the design New would make of
// the Window Info fields (built and laid out). The name, outer and inner
// sizes, bar and edge types, colours and quantity become fresh's. When both
// bar counts stay, every bar keeps its place in proportion to the new inner
// size and the segments stay as they were; when either count changes, or the
// design's known predesign is not fresh's, the bars and segments are fresh's
// layout, as the tables of one direction depend on the count of the other.
GrillWindow AppliedDesign(const GrillWindow& current, const GrillWindow& fresh);

}  // namespace grill
