#include "cutting/CutList.h"

#include <algorithm>
#include <functional>

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
struct BarDirection {
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

PieceList BuildBarPieces(const BarDirection& bars) {
  const double halfTool = bars.toolMeasurement / 2.0;
  PieceList pieces;
  for (int bar = 1; bar <= bars.barCount; ++bar) {
    pieces.push_back(CutBar{-1.0, 1, {}});
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
          pieces.back().AddNotch(bars.CodeFor(onA, onB), crossAt - offset);
        }
      } else {
        pieces.back().length = crossAt - offset - halfTool;
        pieces.push_back(CutBar{-1.0, 1, {}});
        offset = crossAt + halfTool;
      }
    }
    if (bars.inBand(bar, bars.crossCount)) {
      pieces.back().length = At(bars.crossPos, bars.crossCount + 1) - offset;
    }
  }
  return pieces;
}

std::vector<Notch>::const_iterator FirstJoint(const CutBar& piece) {
  return std::find_if(piece.notches.begin(), piece.notches.end(),
                      [](const Notch& notch) { return notch.toolCode == kToolCodeJoint; });
}

void Deduct(CutBar& edge, double lengthDeduction, double positionDeduction) {
  edge.length -= lengthDeduction;
  for (Notch& notch : edge.notches) {
    notch.position -= positionDeduction;
  }
}

void PairEdges(CutBar& kept, CutBar& dropped) {
  if (kept.SameAs(dropped) || kept.Mirrored().SameAs(dropped)) {
    kept.count = 2;
    dropped.count = 0;
  }
}

}  // namespace

CutList BuildCutList(const GrillWindow& window, const BarType& barType, const EdgeType& edgeType) {
  CutList cutList;
  BuildEdgePieces(window, *edgeType.toolEntry, cutList);
  DeductEdges(edgeType, cutList);
  cutList.horzPieces = BuildHorzPieces(window, *barType.toolEntry);
  cutList.vertPieces = BuildVertPieces(window, *barType.toolEntry);
  const double jointMeasurement = window.barType->toolEntry->toolMeasurement;
  const bool colorsDiffer = window.insideColor != window.outsideColor;
  for (PieceList* pieces : {&cutList.horzPieces, &cutList.vertPieces}) {
    RemoveOpenPieces(*pieces);
    SplitAtJoints(*pieces, jointMeasurement);
    GroupIdenticalPieces(*pieces, colorsDiffer);
  }
  GroupEdgePieces(cutList);
  return cutList;
}

std::vector<CutRow> CutRows(const CutList& cutList) {
  std::vector<CutRow> rows;
  rows.push_back({CutRowKind::kTopBottomEdge, &cutList.topEdge});
  if (cutList.bottomEdge.count != 0) {
    rows.push_back({CutRowKind::kTopBottomEdge, &cutList.bottomEdge});
  }
  rows.push_back({CutRowKind::kSideEdge, &cutList.rightEdge});
  if (cutList.leftEdge.count != 0) {
    rows.push_back({CutRowKind::kSideEdge, &cutList.leftEdge});
  }
  for (const CutBar& piece : cutList.vertPieces) {
    rows.push_back({CutRowKind::kVerticalBar, &piece});
  }
  for (const CutBar& piece : cutList.horzPieces) {
    rows.push_back({CutRowKind::kHorizontalBar, &piece});
  }
  return rows;
}

void BuildEdgePieces(const GrillWindow& window, const ToolMapEntry& edgeTools, CutList& cutList) {
  cutList.topEdge = CutBar{window.innerWidth, 1, {}};
  cutList.bottomEdge = CutBar{window.innerWidth, 1, {}};
  cutList.leftEdge = CutBar{window.innerHeight, 1, {}};
  cutList.rightEdge = CutBar{window.innerHeight, 1, {}};
  const int vertCount = BarCount(window.vertCount);
  const int horzCount = BarCount(window.horzCount);
  for (int v = 1; v <= vertCount; ++v) {
    const double at = At(window.vertPos, v);
    if (Present(window.vertSegments, 0, v)) {
      cutList.topEdge.AddNotch(edgeTools.Code(kRowH, UP), at);
    }
    if (Present(window.vertSegments, horzCount, v)) {
      cutList.bottomEdge.AddNotch(edgeTools.Code(kRowH, DOWN), at);
    }
  }
  for (int h = 1; h <= horzCount; ++h) {
    const double at = At(window.horzPos, h);
    if (Present(window.horzSegments, h, 0)) {
      cutList.leftEdge.AddNotch(edgeTools.Code(kRowV, LEFT), at);
    }
    if (Present(window.horzSegments, h, vertCount)) {
      cutList.rightEdge.AddNotch(edgeTools.Code(kRowV, RIGHT), at);
    }
  }
}

void DeductEdges(const EdgeType& edgeType, CutList& cutList) {
  // Every edge loses 2 x HD of its length; the notches of the top and bottom
  // edges move by WD, those of the sides by HD.
  Deduct(cutList.leftEdge, 2.0 * edgeType.HD, edgeType.HD);
  Deduct(cutList.rightEdge, 2.0 * edgeType.HD, edgeType.HD);
  Deduct(cutList.topEdge, 2.0 * edgeType.HD, edgeType.WD);
  Deduct(cutList.bottomEdge, 2.0 * edgeType.HD, edgeType.WD);
}

// A horizontal bar's bands are its column bands; the vertical bar above it
// (row band bar - 1) runs on its side A, the one below (band bar) on side B.
PieceList BuildHorzPieces(const GrillWindow& window, const ToolMapEntry& barTools) {
  const SegmentTable& horz = window.horzSegments;
  const SegmentTable& vert = window.vertSegments;
  return BuildBarPieces(
      BarDirection{BarCount(window.horzCount), BarCount(window.vertCount), window.vertPos,
                   [&horz](int bar, int band) { return Present(horz, bar, band); },
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
      BarDirection{BarCount(window.vertCount), BarCount(window.horzCount), window.horzPos,
                   [&vert](int bar, int band) { return Present(vert, band, bar); },
                   [&horz](int bar, int crossing) { return Present(horz, crossing, bar - 1); },
                   [&horz](int bar, int crossing) { return Present(horz, crossing, bar); },
                   barTools.Code(kRowV, BOTH), barTools.Code(kRowV, LEFT),
                   barTools.Code(kRowV, RIGHT), barTools.toolMeasurement});
}

void RemoveOpenPieces(PieceList& pieces) {
  std::erase_if(pieces, [](const CutBar& piece) { return piece.length < 0.0; });
}

void SplitAtJoints(PieceList& pieces, double toolMeasurement) {
  const double halfTool = toolMeasurement / 2.0;
  PieceList parts;
  for (CutBar rest : pieces) {
    // Each joint cuts off the part before it; the rest, measured from its
    // own start, is split again at its next joint.
    for (auto joint = FirstJoint(rest); joint != rest.notches.end(); joint = FirstJoint(rest)) {
      const double jointAt = joint->position;
      CutBar before{jointAt - halfTool, 1, {rest.notches.cbegin(), joint}};
      CutBar after{rest.length - jointAt - halfTool, 1, {}};
      for (auto notch = joint + 1; notch != rest.notches.end(); ++notch) {
        after.AddNotch(notch->toolCode, notch->position - (jointAt + halfTool));
      }
      parts.push_back(std::move(before));
      rest = std::move(after);
    }
    parts.push_back(std::move(rest));
  }
  pieces = std::move(parts);
}

void GroupIdenticalPieces(PieceList& pieces, bool colorsDiffer) {
  PieceList groups;
  std::vector<bool> grouped(pieces.size(), false);
  for (size_t first = 0; first < pieces.size(); ++first) {
    if (grouped[first]) {
      continue;
    }
    CutBar group = pieces[first];
    const CutBar mirror = group.Mirrored();
    const CutBar flipped = group.Flipped();
    for (size_t later = first + 1; later < pieces.size(); ++later) {
      const CutBar& piece = pieces[later];
      // Turned face for face only counts when both faces are the same colour.
      if (!grouped[later] && (group.SameAs(piece) || mirror.SameAs(piece) ||
                              (!colorsDiffer && flipped.SameAs(piece)))) {
        group.count += 1;
        grouped[later] = true;
      }
    }
    groups.push_back(std::move(group));
  }
  pieces = std::move(groups);
}

void GroupEdgePieces(CutList& cutList) {
  PairEdges(cutList.topEdge, cutList.bottomEdge);
  PairEdges(cutList.rightEdge, cutList.leftEdge);
}

}  // namespace grill
