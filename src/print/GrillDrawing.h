#pragma once

#include "model/GrillWindow.h"
#include "model/Units.h"
#include "print/PageItems.h"

namespace grill::print {

// Where a design's drawing goes inside `area`: the grill as large as the
// area allows once the bands for the dimensions around it are kept free.
struct DrawingPlan {
  bool drawable = false;  // false for a design with no finite positive size
  double scale = 0.0;     // millimetres of paper per millimetre of design
  Box area;
  Box inner;  // the grill area on paper
  Box outer;  // the window's outside size on paper, centred on the grill area
};

// The em size of dimension texts before any crowding shrinks them.
inline constexpr double kDimensionTextSize = 2.5;

DrawingPlan PlanDrawing(const GrillWindow& window, const Box& area, Unit unit);

// The outlines and every bar segment the design has, at the bar type's
// width when it gives one and as lines otherwise.
void AddGrill(const GrillWindow& window, const DrawingPlan& plan, Page& page);

// Each bar's centre from the inner left edge (vertical bars, written above
// the grill) or from the inner top edge (horizontal bars, written to its
// left), and the inner width and height below and right of the grill.
// Crowded values fan out on leader lines and shrink when they must, so that
// no two texts overlap.
void AddDimensions(const GrillWindow& window, const DrawingPlan& plan, Unit unit, Page& page);

}  // namespace grill::print
