#include "editing/WindowEditor.h"

#include <algorithm>
#include <functional>

namespace grill {
namespace {

// A segment flag by bar (from 1) and band of the crossing direction (from 0).
using SegmentAt = std::function<std::uint8_t&(int bar, int band)>;

int TableCount(std::int32_t count) {
  return std::clamp(count, 0, kMaxBars);
}

// Bars and bands an edit adds take the segments of the last bar or band
// there was, so that bars stopped at a cottage line stay stopped there and a
// new bar runs as its neighbours do.
void FollowNeighbours(const SegmentAt& at, int oldBars, int newBars, int oldBands, int newBands) {
  for (int band = oldBands + 1; band <= newBands; ++band) {
    for (int bar = 1; bar <= std::min(oldBars, newBars); ++bar) {
      at(bar, band) = at(bar, oldBands);
    }
  }
  if (oldBars < 1) {
    return;
  }
  for (int bar = oldBars + 1; bar <= newBars; ++bar) {
    for (int band = 0; band <= newBands; ++band) {
      at(bar, band) = at(oldBars, band);
    }
  }
}

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
  const int oldVert = TableCount(window.vertCount);
  const int oldHorz = TableCount(window.horzCount);
  const int newVert = TableCount(values.vertCount);
  const int newHorz = TableCount(values.horzCount);
  FollowNeighbours(
      [&window](int bar, int band) -> std::uint8_t& {
        return window.vertSegments[static_cast<size_t>(band)][static_cast<size_t>(bar)];
      },
      oldVert, newVert, oldHorz, newHorz);
  FollowNeighbours(
      [&window](int bar, int band) -> std::uint8_t& {
        return window.horzSegments[static_cast<size_t>(bar)][static_cast<size_t>(band)];
      },
      oldHorz, newHorz, oldVert, newVert);
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
