#pragma once

#include "editing/DesignForm.h"
#include "model/GrillWindow.h"

namespace grill {

// What the window editor's OK makes of `window`: renamed, resized to the
// given inner size, with the given numbers of bars spaced evenly, centre to
// centre. Segments, types and outer sizes stay as they were.
GrillWindow EditedDesign(GrillWindow window, const DesignFormValues& values);

}  // namespace grill
