#pragma once

#include <vector>

#include "model/BarAxis.h"
#include "model/GrillWindow.h"
#include "view/CanvasHost.h"
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

// A host that applies every gesture straight to one design and counts them.
struct InPlaceHost final : CanvasHost {
  GrillWindow* design = nullptr;
  int invalidations = 0;
  int gesturesEnded = 0;

  const GrillWindow* ShownDesign() const override { return design; }
  void BarDragged(Axis axis, int barNumber, double position) override {
    BarsOf(*design, axis).Pos(barNumber) = position;
    ++invalidations;
  }
  void SegmentShaped(Axis axis, int barNumber, int band, bool given) override {
    BarsOf(*design, axis).Own(barNumber, band) = given ? 1 : 0;
    ++invalidations;
  }
  void GestureEnded() override { ++gesturesEnded; }
  void DragReleasedUnmoved(Axis) override { ++unmovedReleases; }
  int unmovedReleases = 0;
};

// A canvas showing `window` the way the main dialog shows a design.
inline void Show(GrillCanvas& canvas, InPlaceHost& host, GrillWindow& window) {
  host.design = &window;
  canvas.ForgetPointer();
  canvas.UpdateScale(window);
}

}  // namespace grill::test
