#include "editing/WindowEditor.h"

namespace grill {
namespace {

// Spaces `count` bars evenly, centre to centre, over `inner`. The far edge
// entry is the inner size itself rather than (count + 1) steps, which may
// round a hair past it.
void SpaceEvenly(PositionTable& pos, std::int32_t count, double inner) {
  const double step = inner / (count + 1);
  for (int k = 0; k <= count; ++k) {
    pos[static_cast<size_t>(k)] = k * step;
  }
  pos[static_cast<size_t>(count + 1)] = inner;
}

}  // namespace

GrillWindow EditedDesign(GrillWindow window, const DesignFormValues& values) {
  window.name = values.name;
  window.innerWidth = values.width;
  window.innerHeight = values.height;
  window.vertCount = values.vertCount;
  window.horzCount = values.horzCount;
  SpaceEvenly(window.horzPos, window.horzCount, window.innerHeight);
  SpaceEvenly(window.vertPos, window.vertCount, window.innerWidth);
  return window;
}

}  // namespace grill
