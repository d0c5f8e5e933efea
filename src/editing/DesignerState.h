#pragma once

#include "config/ConfigRecords.h"
#include "model/WindowList.h"
#include "view/GrillCanvas.h"

namespace grill {

// Everything the main dialog owns for a run: the configuration, the designs,
// the current and previous design, the two mode flags and the canvas.
struct DesignerState {
  Configuration config;
  WindowList windowList;
  GrillWindow* currentWindow = nullptr;
  GrillWindow* previousWindow = nullptr;
  int useMillimetres = 0;  // 0 inches, 1 millimetres
  int equalSpace = 1;      // 1 Equal Space, 0 Divided
  GrillCanvas canvas;
};

// The two directions of bars; each bar command exists once for each.
enum class Axis { Horizontal, Vertical };

}  // namespace grill
