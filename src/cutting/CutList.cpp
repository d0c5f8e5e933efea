#include "cutting/CutList.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <utility>

namespace grill {
namespace {

double At(const PositionTable& positions, int index) {
  return positions[static_cast<size_t>(index)];
}

bool Present(const SegmentTable& table, int row, int column) {
  return table[static_cast<size_t>(row)][static_cast<size_t>(column)] == 1;
}

// A design's count of bars in one direction, kept within the tables.
int BarCount(std::int32_t count) {
  return std::clamp(count, 0, kMaxBars);
}

// The bars of one direction as BuildBarPieces sees them. Bar `bar` is made of
// bands 0..crossCount, split by the crossing bars 1..crossCount of the other
// direction at crossPos; the crossing bar runs on side A and/or side B of it.
struct BarRun {
  Direction direction;
  int barCount;
  int crossCount;
  const PositionTable& crossPos;
  std::function<bool(int bar, int band)> inBand;
  std::function<bool(int bar, int crossing)> crossesOnA;
  std::function<bool(int bar, int crossing)> crossesOnB;
  std::string_view codeBoth;
  std::string_view codeA;
  std::string_view codeB;
  double toolMeasurement;

  // The notch code where the crossing bar runs on the given sides; empty
  // for neither side, which makes no notch.
  std::string_view CodeFor(bool onA, bool onB) const {
    if (onA && onB) {
      return codeBoth;
    }
    return onA ? codeA : onB ? codeB : std::string_view();
  }
};

CutGroup OpenPiece(Direction direction, int bar, int piece) {
  return CutGroup{CutBar{-1.0, {}}, {BarPiece{direction, bar, piece}}};
}

PieceList BuildBarPieces(const BarRun& bars) {
  const double halfTool = bars.toolMeasurement / 2.0;
  PieceList pieces;
  for (int bar = 1; bar <= bars.barCount; ++bar) {
    int number = 1;
    pieces.push_back(OpenPiece(bars.direction, bar, number));
    double offset = 0.0;
    for (int band = 0; band < bars.crossCount; ++band) {
      const int crossing = band + 1;
      const double crossAt = At(bars.crossPos, crossing);
      if (!bars.inBand(bar, band)) {
        // A piece that begins in a later band starts half the tool beyond.
        offset = crossAt + halfTool;
      } else if (bars.inBand(bar, band + 1)) {
        const bool onA = bars.crossesOnA(bar, crossing);
        const bool onB = bars.crossesOnB(bar, crossing);
        if (onA || onB) {
          pieces.back().piece.AddNotch(bars.CodeFor(onA, onB), crossAt - offset);
        }
      } else {
        pieces.back().piece.length = crossAt - offset - halfTool;
        pieces.push_back(OpenPiece(bars.direction, bar, ++number));
        offset = crossAt + halfTool;
      }
    }
    if (bars.inBand(bar, bars.crossCount)) {
      pieces.back().piece.length = At(bars.crossPos, bars.crossCount + 1) - offset;
    } else {
      // The piece begun after the bar's last segment is never cut. Only that
      // one goes: a stretch between crossings shorter than the tool keeps its
      // length below zero, so that the design is refused rather than cut
      // without it.
      pieces.pop_back();
    }
  }
  return pieces;
}

std::vector<Notch>::const_iterator FirstJoint(const CutBar& piece) {
  return std::find_if(piece.notches.begin(), piece.notches.end(),
                      [](const Notch& notch) { return notch.toolCode == kToolCodeJoint; });
}

// The parts of `piece` between its joints, each measured from its own start.
std::vector<CutBar> PartsBetweenJoints(CutBar rest, double halfTool) {
  std::vector<CutBar> parts;
  // Each joint cuts off the part before it; the rest is split again at its
  // next joint.
  for (auto joint = FirstJoint(rest); joint != rest.notches.end(); joint = FirstJoint(rest)) {
    const double jointAt = joint->position;
    CutBar before{jointAt - halfTool, {rest.notches.cbegin(), joint}};
    CutBar after{rest.length - jointAt - halfTool, {}};
    for (auto notch = joint + 1; notch != rest.notches.end(); ++notch) {
      after.AddNotch(notch->toolCode, notch->position - (jointAt + halfTool));
    }
    parts.push_back(std::move(before));
    rest = std::move(after);
  }
  parts.push_back(std::move(rest));
  return parts;
}

// Numbers the pieces of each bar 1, 2, ... in list order.
void NumberAlongBars(PieceList& pieces) {
  const BarPiece* previous = nullptr;
  int number = 0;
  for (CutGroup& group : pieces) {
    BarPiece& origin = std::get<BarPiece>(group.origins.front());
    const bool sameBar = previous != nullptr && previous->bar == origin.bar &&
                         previous->direction == origin.direction;
    number = sameBar ? number + 1 : 1;
    origin.piece = number;
    previous = &origin;
  }
}

void Deduct(CutBar& edge, double lengthDeduction, double positionDeduction) {
  edge.length -= lengthDeduction;
  for (Notch& notch : edge.notches) {
    notch.position -= positionDeduction;
  }
}

CutGroup& EdgeGroup(PieceList& edges, Edge edge) {
  return *std::find_if(edges.begin(), edges.end(), [edge](const CutGroup& group) {
    return group.Origin() == PieceOrigin{edge};
  });
}

// The kept edge, and the dropped one when it is the same.
void PairEdges(PieceList& edges, Edge kept, Edge dropped, PieceList& paired) {
  CutGroup keptGroup = EdgeGroup(edges, kept);
  const CutGroup& droppedGroup = EdgeGroup(edges, dropped);
  const CutBar& piece = keptGroup.piece;
  if (piece.SameAs(droppedGroup.piece) || piece.Mirrored().SameAs(droppedGroup.piece)) {
    keptGroup.origins.push_back(dropped);
    paired.push_back(std::move(keptGroup));
    return;
  }
  paired.push_back(std::move(keptGroup));
  paired.push_back(droppedGroup);
}

}  // namespace

CutList BuildCutList(const GrillWindow& window, const BarType& barType, const EdgeType& edgeType) {
  PieceList edges = BuildEdgePieces(window, *edgeType.toolEntry);
  DeductEdges(edgeType, edges);
  PieceList horzPieces = BuildHorzPieces(window, *barType.toolEntry);
  PieceList vertPieces = BuildVertPieces(window, *barType.toolEntry);
  const double jointMeasurement = window.barType->toolEntry->toolMeasurement;
  const bool colorsDiffer = window.insideColor != window.outsideColor;
  for (PieceList* pieces : {&horzPieces, &vertPieces}) {
    SplitAtJoints(*pieces, jointMeasurement);
    GroupIdenticalPieces(*pieces, colorsDiffer);
  }
  GroupEdgePieces(edges);
  CutList cutList{std::move(edges)};
  for (PieceList* pieces : {&vertPieces, &horzPieces}) {
    std::move(pieces->begin(), pieces->end(), std::back_inserter(cutList.groups));
  }
  return cutList;
}

PieceList BuildEdgePieces(const GrillWindow& window, const ToolMapEntry& edgeTools) {
  CutBar top{window.innerWidth, {}};
  CutBar bottom{window.innerWidth, {}};
  CutBar left{window.innerHeight, {}};
  CutBar right{window.innerHeight, {}};
  const int vertCount = BarCount(window.vertCount);
  const int horzCount = BarCount(window.horzCount);
  for (int v = 1; v <= vertCount; ++v) {
    const double at = At(window.vertPos, v);
    if (Present(window.vertSegments, 0, v)) {
      top.AddNotch(edgeTools.Code(kRowH, UP), at);
    }
    if (Present(window.vertSegments, horzCount, v)) {
      bottom.AddNotch(edgeTools.Code(kRowH, DOWN), at);
    }
  }
  for (int h = 1; h <= horzCount; ++h) {
    const double at = At(window.horzPos, h);
    if (Present(window.horzSegments, h, 0)) {
      left.AddNotch(edgeTools.Code(kRowV, LEFT), at);
    }
    if (Present(window.horzSegments, h, vertCount)) {
      right.AddNotch(edgeTools.Code(kRowV, RIGHT), at);
    }
  }
  PieceList edges;
  edges.push_back({std::move(top), {Edge::kTop}});
  edges.push_back({std::move(bottom), {Edge::kBottom}});
  edges.push_back({std::move(right), {Edge::kRight}});
  edges.push_back({std::move(left), {Edge::kLeft}});
  return edges;
}

void DeductEdges(const EdgeType& edgeType, PieceList& edges) {
  // Every edge loses 2 x HD of its length; the notches of the top and bottom
  // edges move by WD, those of the sides by HD.
  for (CutGroup& edge : edges) {
    const bool alongWidth = RunOf(edge.Origin()) == Direction::kHorizontal;
    Deduct(edge.piece, 2.0 * edgeType.HD, alongWidth ? edgeType.WD : edgeType.HD);
  }
}

// A horizontal bar's bands are its column bands; the vertical bar above it
// (row band bar - 1) runs on its side A, the one below (band bar) on side B.
PieceList BuildHorzPieces(const GrillWindow& window, const ToolMapEntry& barTools) {
  const SegmentTable& horz = window.horzSegments;
  const SegmentTable& vert = window.vertSegments;
  return BuildBarPieces(
      BarRun{Direction::kHorizontal, BarCount(window.horzCount), BarCount(window.vertCount),
             window.vertPos, [&horz](int bar, int band) { return Present(horz, bar, band); },
             [&vert](int bar, int crossing) { return Present(vert, bar - 1, crossing); },
             [&vert](int bar, int crossing) { return Present(vert, bar, crossing); },
             barTools.Code(kRowH, BOTH), barTools.Code(kRowH, UP), barTools.Code(kRowH, DOWN),
             barTools.toolMeasurement});
}

// A vertical bar's bands are its row bands; the horizontal bar to its left
// (column band bar - 1) runs on its side A, the one to its right on side B.
PieceList BuildVertPieces(const GrillWindow& window, const ToolMapEntry& barTools) {
  const SegmentTable& horz = window.horzSegments;
  const SegmentTable& vert = window.vertSegments;
  return BuildBarPieces(
      BarRun{Direction::kVertical, BarCount(window.vertCount), BarCount(window.horzCount),
             window.horzPos, [&vert](int bar, int band) { return Present(vert, band, bar); },
             [&horz](int bar, int crossing) { return Present(horz, crossing, bar - 1); },
             [&horz](int bar, int crossing) { return Present(horz, crossing, bar); },
             barTools.Code(kRowV, BOTH), barTools.Code(kRowV, LEFT), barTools.Code(kRowV, RIGHT),
             barTools.toolMeasurement});
}

void SplitAtJoints(PieceList& pieces, double toolMeasurement) {
  const double halfTool = toolMeasurement / 2.0;
  PieceList parts;
  for (CutGroup& group : pieces) {
    for (CutBar& part : PartsBetweenJoints(std::move(group.piece), halfTool)) {
      parts.push_back(CutGroup{std::move(part), group.origins});
    }
  }
  NumberAlongBars(parts);
  pieces = std::move(parts);
}

void GroupIdenticalPieces(PieceList& pieces, bool colorsDiffer) {
  PieceList groups;
  std::vector<bool> grouped(pieces.size(), false);
  for (size_t first = 0; first < pieces.size(); ++first) {
    if (grouped[first]) {
      continue;
    }
    CutGroup group = pieces[first];
    const CutBar mirror = group.piece.Mirrored();
    const CutBar flipped = group.piece.Flipped();
    for (size_t later = first + 1; later < pieces.size(); ++later) {
      const CutBar& piece = pieces[later].piece;
      // Turned face for face only counts when both faces are the same colour.
      if (!grouped[later] && (group.piece.SameAs(piece) || mirror.SameAs(piece) ||
                              (!colorsDiffer && flipped.SameAs(piece)))) {
        const std::vector<PieceOrigin>& origins = pieces[later].origins;
        group.origins.insert(group.origins.end(), origins.begin(), origins.end());
        grouped[later] = true;
      }
    }
    groups.push_back(std::move(group));
  }
  pieces = std::move(groups);
}

void GroupEdgePieces(PieceList& edges) {
  PieceList paired;
  PairEdges(edges, Edge::kTop, Edge::kBottom, paired);
  PairEdges(edges, Edge::kRight, Edge::kLeft, paired);
  edges = std::move(paired);
}

}  // namespace grill
