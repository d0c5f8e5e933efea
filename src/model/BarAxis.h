#pragma once

#include <cstddef>
#include <cstdint>

#include "model/GrillWindow.h"

namespace grill {

// The bars of one direction of a design, so that every rule on bars is written
// once for both directions. For horizontal bars the "lines" are the rows of
// both segment tables; for vertical bars they are the columns.
template <typename Window>
struct BasicBarAxis {
  Window& window;
  Axis axis;

  bool Horizontal() const { return axis == Axis::Horizontal; }
  auto& Count() const { return Horizontal() ? window.horzCount : window.vertCount; }
  std::int32_t CrossCount() const { return Horizontal() ? window.vertCount : window.horzCount; }
  // The inner size the bars span: the height for horizontal bars.
  double Inner() const { return Horizontal() ? window.innerHeight : window.innerWidth; }
  auto& Positions() const { return Horizontal() ? window.horzPos : window.vertPos; }
  auto& Pos(int index) const { return Positions()[static_cast<std::size_t>(index)]; }
  // The segment flag of bar line `line` in the crossing band `band`.
  auto& Own(int line, int band) const {
    return Horizontal() ? window.horzSegments[Index(line)][Index(band)]
                        : window.vertSegments[Index(band)][Index(line)];
  }
  // The flag of crossing bar `bar` in the band `line` of this direction.
  auto& Cross(int line, int bar) const {
    return Horizontal() ? window.vertSegments[Index(line)][Index(bar)]
                        : window.horzSegments[Index(bar)][Index(line)];
  }

 private:
  static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
};

using BarAxis = BasicBarAxis<GrillWindow>;
using ConstBarAxis = BasicBarAxis<const GrillWindow>;

inline BarAxis BarsOf(GrillWindow& window, Axis axis) {
  return {window, axis};
}
inline ConstBarAxis BarsOf(const GrillWindow& window, Axis axis) {
  return {window, axis};
}

}  // namespace grill
