#pragma once

#include <cstdint>
#include <vector>

#include "config/ConfigRecords.h"
#include "cutting/CutBar.h"
#include "cutting/PieceOrigin.h"
#include "model/GrillWindow.h"

namespace grill {

// Identical pieces of one design, cut alike: the piece and the place of each
// one in the design, the group's own place first.
struct CutGroup {
  CutBar piece;
  std::vector<PieceOrigin> origins;

  std::int32_t Count() const { return static_cast<std::int32_t>(origins.size()); }
  // Where the group's first piece goes; it names the group.
  const PieceOrigin& Origin() const { return origins.front(); }
};

// Groups of one kind of piece, in the order the cut list gives them.
using PieceList = std::vector<CutGroup>;

// The cut list of one design, one unit of its quantity, in the order the cut
// files write it: the top edge, the bottom edge unless it pairs with the top
// one, the right edge, the left edge likewise, the vertical bar pieces, the
// horizontal bar pieces. An edge that pairs with its opposite one is a group
// of both.
struct CutList {
  std::vector<CutGroup> groups;
};

// The whole cut list of `window`, built by the steps below in their order:
// `barType` gives the notch codes and the tool measurement of the bar pieces,
// `edgeType` the codes and deductions of the edge pieces, and the window's
// own bar type the measurement of its joints. Every type named here must have
// its tool map entry, and the window both colours (the export runs check that
// before they start). Touches no file: a drawing or a cutting plan built from
// it sees exactly the pieces the cut files get.
CutList BuildCutList(const GrillWindow& window, const BarType& barType, const EdgeType& edgeType);

// The steps of BuildCutList, in the order it takes them.

// The four edges, top, bottom, right, left: lengths from the inner size, a
// notch wherever a bar reaches the edge.
PieceList BuildEdgePieces(const GrillWindow& window, const ToolMapEntry& edgeTools);
// Shortens the edges by the edge type's deductions.
void DeductEdges(const EdgeType& edgeType, PieceList& edges);
// The pieces of every horizontal (vertical) bar, notched where a bar of the
// other direction crosses it, numbered along each bar from its start. A bar
// that stops at a crossing stops half the tool measurement short of it, so a
// stretch between crossings closer than the tool comes out shorter than
// nothing (FindCuttingProblem refuses it).
PieceList BuildHorzPieces(const GrillWindow& window, const ToolMapEntry& barTools);
PieceList BuildVertPieces(const GrillWindow& window, const ToolMapEntry& barTools);
// Splits every piece at each joint notch into pieces that stop half the tool
// measurement short of the joint; the joint notch itself is in neither. The
// pieces of each bar are numbered again along it.
void SplitAtJoints(PieceList& pieces, double toolMeasurement);
// Merges each piece with every later one that is the same, the same turned
// end for end, or (when both faces are the same colour) the same turned face
// for face; the first piece of a group keeps its place.
void GroupIdenticalPieces(PieceList& pieces, bool colorsDiffer);
// Top and bottom, right and left: a pair that is the same, or the same turned
// end for end, becomes one group of both. The edges come out in file order.
void GroupEdgePieces(PieceList& edges);

}  // namespace grill
