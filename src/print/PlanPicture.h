#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "config/StockFile.h"
#include "cutplan/CuttingJob.h"
#include "cutting/PlanFigures.h"
#include "print/PageFlow.h"
#include "print/PageItems.h"

namespace grill::print {

// How a group's bars are drawn: strips one below the other, the bar numbers
// in a column at their left and "× N" at their right.
struct PictureStyle {
  double stripHeight = 8.0;
  double rowGap = 2.0;  // between one strip and the next
  double textSize = 2.2;
  double numberWidth = 14.0;
  double countWidth = 12.0;

  double RowHeight() const { return stripHeight + rowGap; }
};

// One strip of the picture, standing for every bar of the plan drawn like
// it, with its items placed as if the row's top-left corner were at (0, 0).
struct DrawnBar {
  // The bars it stands for, by their index in the plan's cutting order; the
  // first is the one drawn.
  std::vector<std::size_t> bars;
  Box strip;  // the stock bar, to scale
  Box row;    // the numbers, the strip and the count
  std::vector<Item> items;
};

// Bars drawn alike: the same stock length, the same pieces (length and
// design) in the same order and the same kind of rest.
bool DrawnAlike(const cutplan::StockBar& a, const cutplan::StockBar& b);

// The group's bars in cutting order, identical ones once, each row `width`
// wide. Every strip is drawn at one scale, the longest stock length taking
// the whole strip column: the head trim, each piece with its length and
// design inside (only its length, or nothing, where the segment is too
// narrow), the kerfs as gaps between them, the rest (an offcut hatched, waste
// shaded) and the tail trim. Lengths in the job's unit, and in the saw's
// where it differs and there is room.
std::vector<DrawnBar> DrawPlanPicture(const cutplan::GroupPlan& plan, const SawValues& saw,
                                      PlanUnits units, double width,
                                      const PictureStyle& style = {});

// Millimetres of paper per millimetre of stock in a picture of rows `width`
// wide.
double PictureScale(const cutplan::GroupPlan& plan, double width, const PictureStyle& style = {});

// The picture set down `flow` strip by strip, running on to further pages
// where it must, each headed "`title` (continued)".
void AddPlanPicture(PageFlow& flow, const cutplan::GroupPlan& plan, const SawValues& saw,
                    PlanUnits units, const std::string& title);

// `items` moved by `offset`.
std::vector<Item> Placed(const std::vector<Item>& items, Point offset);
Box Placed(const Box& box, Point offset);

}  // namespace grill::print
