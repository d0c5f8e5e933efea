#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cutplan/CuttingJob.h"
#include "model/GrillWindow.h"
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
  // cut files (W or H), name what the piece is for (PieceNames).
  std::vector<cutplan::Piece> pieces;
};

// A design the export would refuse, and the refusal.
struct LeftOutDesign {
  std::string name;
  std::string reason;
};

struct PlanPieces {
  // In the order their first piece appears: designs in list order, each
  // design's groups in cut list order.
  std::vector<PlanPieceGroup> groups;
  std::vector<LeftOutDesign> leftOut;
};

// Why the saw's files would not take a design, or an empty text. The plan
// leaves out exactly what the export refuses, so the rule comes from there.
using DesignRefusal = std::function<std::string(const GrillWindow&)>;

// Every piece of every design `refusal` lets through, each group of its cut
// list counted times the design's quantity, cut with the design's own types.
// `refusal` refuses at least every design whose cut list cannot be built: one
// without both types with their tool map entries or without both colours.
PlanPieces CollectPlanPieces(const WindowList& designs, const DesignRefusal& refusal);

}  // namespace grill
