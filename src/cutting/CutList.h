#pragma once

#include <vector>

#include "config/ConfigRecords.h"
#include "cutting/CutBar.h"
#include "model/GrillWindow.h"

namespace grill {

// Pieces of one bar direction, in the order the export writes them.
using PieceList = std::vector<CutBar>;

// The cut list of one design: the four edge pieces around the grill area and
// the grouped bar pieces of both directions. An edge that pairs with its
// opposite one has count 2, and the opposite one count 0.
struct CutList {
  CutBar topEdge;
  CutBar bottomEdge;
  CutBar leftEdge;
  CutBar rightEdge;
  PieceList vertPieces;
  PieceList horzPieces;
};

// The whole cut list of `window`, built by the steps below in their order:
// `barType` gives the notch codes and the tool measurement of the bar pieces,
// `edgeType` the codes and deductions of the edge pieces, and the window's
// own bar type the measurement of its joints. Every type named here must have
// its tool map entry, and the window both colours (the export runs check that
// before they start). Touches no file: a drawing or a cutting plan built from
// it sees exactly the pieces the cut files get.
CutList BuildCutList(const GrillWindow& window, const BarType& barType, const EdgeType& edgeType);

// What a row of the cut files holds, which also decides its header and tag.
enum class CutRowKind {
  kTopBottomEdge,  // edge header "_H_", tag W
  kSideEdge,       // edge header "_W_", tag H
  kVerticalBar,    // bar header "_H_", tag H
  kHorizontalBar,  // bar header "_W_", tag W
};

struct CutRow {
  CutRowKind kind;
  const CutBar* piece;
};

// The rows one unit of the design's quantity writes, in file order: the top
// edge, the bottom edge unless the top one stands for both, the right edge,
// the left edge likewise, each vertical piece, each horizontal piece. The
// rows point into `cutList`.
std::vector<CutRow> CutRows(const CutList& cutList);

// The steps of BuildCutList, in the order it takes them.

// Edge lengths from the inner size, count 1; a notch on an edge wherever a
// bar reaches it.
void BuildEdgePieces(const GrillWindow& window, const ToolMapEntry& edgeTools, CutList& cutList);
// Shortens the edges by the edge type's deductions.
void DeductEdges(const EdgeType& edgeType, CutList& cutList);
// The pieces of every horizontal (vertical) bar, notched where a bar of the
// other direction crosses it. A bar that stops at a crossing stops half the
// tool measurement short of it; the piece begun after a bar's last segment
// is left with length -1.
PieceList BuildHorzPieces(const GrillWindow& window, const ToolMapEntry& barTools);
PieceList BuildVertPieces(const GrillWindow& window, const ToolMapEntry& barTools);
// Drops the pieces whose length is negative (a length of 0 stays).
void RemoveOpenPieces(PieceList& pieces);
// Splits every piece at each joint notch into pieces that stop half the tool
// measurement short of the joint; the joint notch itself is in neither.
void SplitAtJoints(PieceList& pieces, double toolMeasurement);
// Merges each piece with every later one that is the same, the same turned
// end for end, or (when both faces are the same colour) the same turned face
// for face; the first piece of a group keeps its place.
void GroupIdenticalPieces(PieceList& pieces, bool colorsDiffer);
// Top and bottom, right and left: a pair that is the same, or the same turned
// end for end, becomes one piece of count 2 and one of count 0.
void GroupEdgePieces(CutList& cutList);

}  // namespace grill
