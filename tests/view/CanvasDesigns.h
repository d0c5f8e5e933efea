#pragma once

#include <vector>

#include "model/GrillWindow.h"
#include "view/GrillCanvas.h"

namespace grill::test {

// A design of the given inner size with bars at the given positions (mm),
// every segment present.
inline GrillWindow MakeDesign(double width, double height, const std::vector<double>& horzBars,
                              const std::vector<double>& vertBars) {
  GrillWindow window;
  window.innerWidth = width;
  window.innerHeight = height;
  window.horzCount = static_cast<int>(horzBars.size());
  window.vertCount = static_cast<int>(vertBars.size());
  for (size_t i = 0; i < horzBars.size(); ++i) {
    window.horzPos[i + 1] = horzBars[i];
  }
  for (size_t i = 0; i < vertBars.size(); ++i) {
    window.vertPos[i + 1] = vertBars[i];
  }
  window.horzPos[horzBars.size() + 1] = height;
  window.vertPos[vertBars.size() + 1] = width;
  return window;
}

// A canvas showing `window` the way the main dialog shows a design.
inline void Show(GrillCanvas& canvas, GrillWindow& window) {
  canvas.SetDesign(&window);
  canvas.UpdateScale(window);
}

}  // namespace grill::test
