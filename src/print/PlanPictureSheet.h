#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "cutting/JobCuttingPlan.h"
#include "cutting/PlanFigures.h"
#include "print/PageItems.h"

namespace grill::print {

// A strip of the sheet: the bars it stands for, by their group's index in
// the plan and their indices in the group's cutting order, and where it is.
struct SheetBar {
  std::size_t group = 0;
  std::vector<std::size_t> bars;
  Box row;
};

// The whole plan's picture on one sheet as tall as it needs, as a window
// shows it beside the plan's table.
struct PictureSheet {
  Page page;
  std::vector<SheetBar> bars;  // top to bottom
};

// Per group its title and its strips (DrawPlanPicture), or why it has none,
// on a sheet `width` millimetres wide.
PictureSheet BuildPictureSheet(const JobCuttingPlan& plan, PlanUnits units, double width);

// The strip whose row holds `point`, by its index in `sheet.bars`.
std::optional<std::size_t> SheetBarAt(const PictureSheet& sheet, Point point);

// The strip that draws bar `bar` of group `group`.
std::optional<std::size_t> SheetBarOf(const PictureSheet& sheet, std::size_t group,
                                      std::size_t bar);

}  // namespace grill::print
