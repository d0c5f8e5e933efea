#pragma once

#include <array>
#include <string_view>

#include "model/GrillWindow.h"
#include "model/PreDesign.h"
#include "model/Units.h"

namespace grill {

// The predesign at a combo index. An index outside the combo (a typed text)
// lays out as "Standard", so that no bar position is left unset.
PreDesign PreDesignAt(int comboIndex);

// True for the predesigns that need the side width field: the side width of
// "Prarie" or the cottage height of "Custom Cottage".
bool UsesSideWidth(PreDesign preDesign);

// Sets the four edge entries of a new design and lays out its bars by the
// predesign. The design's inner sizes, counts, bar type and edge type are set
// already; `sideWidth` (millimetres) is read only by "Prarie" and "Custom
// Cottage".
void LayOutPreDesign(GrillWindow& window, PreDesign preDesign, SpacingMode spacing,
                     double sideWidth);

}  // namespace grill
