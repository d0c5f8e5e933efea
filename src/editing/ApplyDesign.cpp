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
  GrillWindow applied = current;
  applied.name = fresh.name;
  applied.outerWidth = fresh.outerWidth;
  applied.outerHeight = fresh.outerHeight;
  applied.innerWidth = fresh.innerWidth;
  applied.innerHeight = fresh.innerHeight;
  applied.barType = fresh.barType;
  applied.edgeType = fresh.edgeType;
  applied.insideColor = fresh.insideColor;
  applied.outsideColor = fresh.outsideColor;
  applied.quantity = fresh.quantity;

  if (current.horzCount == fresh.horzCount && current.vertCount == fresh.vertCount) {
    ScaleBars(applied.horzPos, applied.horzCount, current.innerHeight, fresh.innerHeight,
              fresh.horzPos);
    ScaleBars(applied.vertPos, applied.vertCount, current.innerWidth, fresh.innerWidth,
              fresh.vertPos);
    return applied;
  }
  applied.horzCount = fresh.horzCount;
  applied.vertCount = fresh.vertCount;
  applied.horzPos = fresh.horzPos;
  applied.vertPos = fresh.vertPos;
  applied.horzSegments = fresh.horzSegments;
  applied.vertSegments = fresh.vertSegments;
  return applied;
}

}  // namespace grill
