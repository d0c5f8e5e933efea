#pragma once

#include "model/GrillWindow.h"
#include "print/CutTable.h"

namespace grill::print {

// The cut list a drawing of `window` shows: the rows Process Data writes for
// one unit of the design, in file order, from the export's own cut list, so
// the drawing and the cut files cannot disagree. Empty when the design lacks
// a bar type or edge type with its tool map entry, or when its pieces cannot
// be cut, as the export refuses such a design.
CutTable CutTableOf(const GrillWindow& window);

}  // namespace grill::print
