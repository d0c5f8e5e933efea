#pragma once

#include <string>
#include <vector>

#include "model/GrillWindow.h"
#include "testing/MemoryControls.h"
#include "view/GrillCanvas.h"

namespace grill {

// The one-line state of a control as `show` prints it, for example
// "1017 sel=-1 items=200.000000|400.000000" or "1055 hidden text=".
std::string ControlReport(const MemoryControls& controls, int id);

// The design as `design` prints it: "design none" without one, otherwise
// nine lines with lengths in millimetres to six decimals.
std::vector<std::string> DesignReport(const GrillWindow* design);

// "canvas scale=S dragHorz=N dragVert=N prevRow=N prevColumn=N".
std::string CanvasReport(const GrillCanvas& canvas);

}  // namespace grill
