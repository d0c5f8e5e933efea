#include "editing/ApplyDesign.h"

#include <cmath>
#include <cstddef>

namespace grill {
namespace {

std::size_t Index(int i) {
  return static_cast<std::size_t>(i);
}

// Moves the bars of one direction from an inner size of `oldInner` to one of
// `newInner`, each in proportion. Without a positive, finite old size there
// is no proportion: the direction takes the fresh layout's places.
void ScaleBars(PositionTable& pos, std::int32_t count, double oldInner, double newInner,
               const PositionTable& freshPos) {
  if (!(std::isfinite(oldInner) && oldInner > 0.0)) {
    pos = freshPos;
    return;
  }
  for (int bar = 1; bar <= count; ++bar) {
    pos[Index(bar)] = pos[Index(bar)] * newInner / oldInner;
  }
  // The far edge is the inner size itself, not a product that may round off it.
  pos[Index(count + 1)] = newInner;
}

}  // namespace

GrillWindow AppliedDesign(const GrillWindow& current, const GrillWindow& fresh) {
  // A changed count or another predesign lays the design out anew, as New
  // does. A design whose predesign is unknown keeps its bars.
  const bool otherPreDesign = current.preDesign && current.preDesign != fresh.preDesign;
  if (current.horzCount != fresh.horzCount || current.vertCount != fresh.vertCount ||
      otherPreDesign) {
    return fresh;
  }
  // The same counts: the bars keep their places in proportion and the
  // segments stay as they were.
  GrillWindow applied = fresh;
  applied.horzSegments = current.horzSegments;
  applied.vertSegments = current.vertSegments;
  applied.horzPos = current.horzPos;
  applied.vertPos = current.vertPos;
  applied.preDesign = current.preDesign;
  ScaleBars(applied.horzPos, applied.horzCount, current.innerHeight, fresh.innerHeight,
            fresh.horzPos);
  ScaleBars(applied.vertPos, applied.vertCount, current.innerWidth, fresh.innerWidth,
            fresh.vertPos);
  return applied;
}

}  // namespace grill
