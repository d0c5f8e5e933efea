#pragma once

#include <string>
#include <vector>

#include "cutplan/CuttingJob.h"
#include "model/WindowList.h"

namespace grill {

enum class StockKind { kBar, kEdge };

// The pieces the saw cuts from one kind of stock in one colour set: bar
// pieces of one bar type, edge pieces of one edge type.
struct PlanPieceGroup {
  StockKind kind = StockKind::kBar;
  // The bar type's code or the edge type's name: the group's key in Stock.txt.
  std::string key;
  // The colour codes as the cut files' headers give them: the inside one,
  // then "_" and the outside one when the design has two colour entries.
  std::string colors;
  // In millimetres; label the design's name, tag the side letter of the
  // cut files (W or H).
  std::vector<cutplan::Piece> pieces;
};

// A design the export would refuse, and the refusal.
struct LeftOutDesign {
  std::string name;
  std::string reason;
};

struct PlanPieces {
  // In the order their first piece appears: designs in list order, each
  // design's rows in the order the cut files write them.
  std::vector<PlanPieceGroup> groups;
  std::vector<LeftOutDesign> leftOut;
};

// Every piece of every design, each row of its cut list counted times the
// design's quantity, cut with the design's own types as Process All cuts it.
PlanPieces CollectPlanPieces(const WindowList& designs);

}  // namespace grill
