#pragma once

#include <string>
#include <vector>

#include "cutting/JobCuttingPlan.h"
#include "cutting/PieceIds.h"
#include "cutting/PlanFigures.h"

namespace grill {

// What the label stuck on one cut piece says, each line in words, so that
// the assembler finds where the piece goes without the plan in hand.
struct PieceLabel {
  PiecePlace place;
  std::string id;      // PieceId(place), the barcode's content
  std::string job;     // the job's name, "-" for a job never saved
  std::string design;  // the design the piece is cut for
  // "Kitchen — vertical bar 2, piece 1 of 2": the design, what the piece is
  // for, and which of the identical pieces this is, counted in plan order.
  std::string piece;
  // "34 3/4\" (883.0 mm)": the job's unit, and the saw's where it differs.
  std::string length;
  // "Bar GB, colours 01_07", as the plan's group headings name it.
  std::string stock;
  // "Stock bar 2 of 5, cut 1 of 3": where on the saw the piece comes off.
  std::string cut;
};

// One label per cut piece of every planned group, in plan order: group by
// group, bar by bar, each bar's pieces in cutting order.
std::vector<PieceLabel> PieceLabels(const JobCuttingPlan& plan, PlanUnits units,
                                    const std::string& jobName);

}  // namespace grill
