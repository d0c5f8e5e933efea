#pragma once

#include "model/GrillWindow.h"

namespace grill {

// The entries of the PreDesign combo box, by index.
enum PreDesignIndex : int {
  kCottage1 = 0,
  kCottage2 = 1,
  kStandard = 2,
  kPrarie = 3,
  kCustomCottage = 4,
};

// True for the predesigns that need the side width field: the side width of
// "Prarie" or the cottage height of "Custom Cottage".
bool UsesSideWidth(int preDesign);

// Sets the four edge entries of a new design and lays out its bars by the
// predesign. The design's inner sizes, counts, bar type and edge type are set
// already; `sideWidth` (millimetres) is read only by "Prarie" and "Custom
// Cottage". An index outside the combo (a typed text) lays out as "Standard",
// so that no bar position is left unset.
void LayOutPreDesign(GrillWindow& window, int preDesign, int equalSpace, double sideWidth);

}  // namespace grill
