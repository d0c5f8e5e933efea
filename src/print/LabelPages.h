#pragma once

#include <vector>

#include "cutting/PieceLabels.h"
#include "print/LabelSheets.h"
#include "print/PageItems.h"

namespace grill::print {

// The labels on pages of `sheet`, in the order given, filling each page row
// by row; no pages for no labels.
std::vector<Page> BuildLabelPages(const std::vector<PieceLabel>& labels, LabelSheet sheet);

}  // namespace grill::print
