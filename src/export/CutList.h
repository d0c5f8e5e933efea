#pragma once

#include <vector>

#include "config/ConfigRecords.h"
#include "export/CutBar.h"
#include "model/GrillWindow.h"

namespace grill {

// Pieces of one bar direction, in the order the export writes them.
using PieceList = std::vector<CutBar>;

// The cut list of one design: the four edge pieces around the grill area and
// the bar pieces of both directions. It lives only while one design is
// exported.
struct CutList {
  CutBar topEdge;
  CutBar bottomEdge;
  CutBar leftEdge;
  CutBar rightEdge;
  PieceList vertPieces;
  PieceList horzPieces;
};

// The whole cut list of `window`: `barType` gives the notch codes and the tool
// measurement of the bar pieces, `edgeType` the codes and deductions of the
// edge pieces, and the window's own bar type the measurement of its joints.
// Every type named here must have its tool map entry, and the window both
// colours; the export runs check that before they start.
CutList BuildCutList(const GrillWindow& window, const BarType& barType, const EdgeType& edgeType);

struct BarDirection;

// Groups pieces as they come: a piece that is the same as a group's first
// piece, or that piece turned end for end, or (when both faces are the same
// colour) turned face for face, adds one to the first such group's count;
// any other piece starts a new group at the end. This gives the groups that
// comparing each group's first piece with every later piece gives.
class PieceGrouping {
 public:
  // Starts grouping into `groups`, which is emptied.
  void Begin(PieceList& groups, bool colorsDiffer);
  // Groups `piece`; returns the index of its group.
  size_t Add(const CutBar& piece);
  // Groups a piece known to be the same as one that joined group `group`.
  void AddTwin(size_t group);

 private:
  // A group's first piece turned end for end and face for face, made only
  // once a piece agrees with it on length and notch count.
  struct TurnedForms {
    CutBar mirror;
    CutBar flipped;
    bool made = false;
  };
  bool Matches(size_t group, const CutBar& piece);

  PieceList* groups_ = nullptr;
  bool colorsDiffer_ = false;
  // By group; kept from one use to the next so that its records are reused.
  std::vector<TurnedForms> turned_;
};

// Builds the cut lists of one design after another. Each step of
// BuildCutList is taken piece by piece: a bar piece is built, split at its
// joints and its parts grouped before the next piece is built, so that only
// the groups are kept, and the working records are reused by every design.
class CutListBuilder {
 public:
  // Fills `cutList` as BuildCutList would, reusing the room of its lists.
  void Build(const GrillWindow& window, const BarType& barType, const EdgeType& edgeType,
             CutList& cutList);

 private:
  // A bar of one direction whose pieces were built, and the groups its parts
  // joined: groupsOfParts_[firstPart..endPart).
  struct LaidOutBar {
    int bar;
    size_t firstPart;
    size_t endPart;
  };
  void GroupBarPieces(const BarDirection& bars, double jointMeasurement);

  CutBar piece_;  // the bar piece being built
  CutBar part_;   // the part of a piece left after its joints so far
  PieceGrouping grouping_;
  std::vector<LaidOutBar> laidOut_;
  std::vector<size_t> groupsOfParts_;
};

// The steps of BuildCutList, in the order it takes them.

// Edge lengths from the inner size, count 1, no notches; then a notch on an
// edge wherever a bar reaches it.
void BuildEdgePieces(const GrillWindow& window, const ToolMapEntry& edgeTools, CutList& cutList);
// Shortens the edges by the edge type's deductions.
void DeductEdges(const EdgeType& edgeType, CutList& cutList);
// The pieces of every horizontal (vertical) bar, notched where a bar of the
// other direction crosses it. A bar that stops at a crossing stops half the
// tool measurement short of it; the piece begun after a bar's last segment
// is left with length -1.
void BuildHorzPieces(const GrillWindow& window, const ToolMapEntry& barTools, PieceList& pieces);
void BuildVertPieces(const GrillWindow& window, const ToolMapEntry& barTools, PieceList& pieces);
// Drops the pieces whose length is negative (a length of 0 stays).
void RemoveOpenPieces(PieceList& pieces);
// Splits every piece at each joint notch into pieces that stop half the tool
// measurement short of the joint; the joint notch itself is in neither.
void SplitAtJoints(PieceList& pieces, double toolMeasurement);
// Merges pieces that are the same, the same turned end for end, or (when
// both faces are the same colour) the same turned face for face.
void GroupIdenticalPieces(PieceList& pieces, bool colorsDiffer);
// Top and bottom, right and left: a pair that is the same, or the same turned
// end for end, becomes one piece of count 2 and one of count 0.
void GroupEdgePieces(CutList& cutList);

}  // namespace grill
