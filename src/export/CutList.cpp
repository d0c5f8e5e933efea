#include "export/CutList.h"

#include <algorithm>

namespace grill {
namespace {

bool Present(const SegmentTable& table, int row, int column) {
  return table[static_cast<size_t>(row)][static_cast<size_t>(column)] == 1;
}

double At(const PositionTable& positions, int index) {
  return positions[static_cast<size_t>(index)];
}

// One direction of bars seen the same way for both directions: bar `bar` is
// made of bands 0..crossCount, and its crossing with bar c + 1 of the other
// direction lies at crossPos[c + 1]. `sideA` and `sideB` tell whether the
// crossing bar continues on either side of this bar there.
template <typename PresentFn, typename SideAFn, typename SideBFn>
void BuildBarPieces(int barCount, int crossCount, const PositionTable& crossPos, PresentFn present,
                    SideAFn sideA, SideBFn sideB, const std::string& codeBoth,
                    const std::string& codeA, const std::string& codeB, double toolMeasurement,
                    PieceList& pieces) {
  // Every bar starts one piece, and one more after each band where it stops;
  // with room for all of them made first, a piece stays where it was begun.
  // Room for a joint in each bar spares the joint split a reallocation.
  size_t pieceCount = pieces.size();
  for (int bar = 1; bar <= barCount; ++bar) {
    ++pieceCount;
    for (int band = 0; band < crossCount; ++band) {
      pieceCount += present(bar, band) && !present(bar, band + 1) ? 1 : 0;
    }
  }
  pieces.reserve(pieceCount + static_cast<size_t>(barCount));
  const double halfTool = toolMeasurement / 2.0;
  for (int bar = 1; bar <= barCount; ++bar) {
    CutBar* piece = &pieces.emplace_back();
    piece->length = -1.0;
    double offset = 0.0;
    for (int band = 0; band < crossCount; ++band) {
      const int crossing = band + 1;
      const double crossAt = At(crossPos, crossing);
      if (!present(bar, band)) {
        offset = crossAt + halfTool;
      } else if (present(bar, band + 1)) {
        const bool a = sideA(bar, crossing);
        const bool b = sideB(bar, crossing);
        if (a || b) {
          piece->AddNotch(a && b ? codeBoth : (a ? codeA : codeB), crossAt - offset);
        }
      } else {
        piece->length = crossAt - offset - halfTool;
        piece = &pieces.emplace_back();
        piece->length = -1.0;
        offset = crossAt + halfTool;
      }
    }
    if (present(bar, crossCount)) {
      piece->length = At(crossPos, crossCount + 1) - offset;
    }
  }
}

bool IsJoint(const Notch& notch) {
  return SameToolCode(notch.toolCode, kToolCodeJoint);
}

// The index of the first joint notch of `piece`, -1 for none.
int FirstJoint(const CutBar& piece) {
  for (int i = 0; i < piece.notchCount; ++i) {
    if (IsJoint(piece.NotchAt(i))) {
      return i;
    }
  }
  return -1;
}

// The part of `piece` after its first joint notch `joint`, measured from
// that part's own start; `piece` keeps the part before the joint, and the
// joint notch is in neither.
CutBar CutAfterJoint(CutBar& piece, int joint, double halfTool) {
  const double jointAt = piece.NotchAt(joint).position;
  CutBar rest;
  rest.length = piece.length - jointAt - halfTool;
  for (int i = joint + 1; i < piece.notchCount; ++i) {
    rest.AddNotch(piece.NotchAt(i).toolCode, piece.NotchAt(i).position - (jointAt + halfTool));
  }
  piece.notchCount = joint;
  piece.length = jointAt - halfTool;
  return rest;
}

// The length test of SameAs, which every turned form of a piece shares.
bool SameLength(const CutBar& piece, const CutBar& other) {
  const double difference = other.length - piece.length;
  return difference <= kSameCutTolerance && difference >= -kSameCutTolerance;
}

void ResetEdge(CutBar& edge, double length) {
  edge.ClearNotches();
  edge.count = 1;
  edge.length = length;
}

void Deduct(CutBar& edge, double lengthDeduction, double positionDeduction) {
  edge.length -= lengthDeduction;
  for (int i = 0; i < edge.notchCount; ++i) {
    edge.NotchAt(i).position -= positionDeduction;
  }
}

void PairEdges(CutBar& kept, CutBar& dropped, CutBar& mirror) {
  kept.MakeMirror(mirror);
  if (kept.SameAs(dropped) || mirror.SameAs(dropped)) {
    kept.count = 2;
    dropped.count = 0;
  }
}

}  // namespace

CutList BuildCutList(const GrillWindow& window, const BarType& barType, const EdgeType& edgeType) {
  CutList cutList;
  BuildEdgePieces(window, *edgeType.toolEntry, cutList);
  DeductEdges(edgeType, cutList);
  BuildHorzPieces(window, *barType.toolEntry, cutList.horzPieces);
  BuildVertPieces(window, *barType.toolEntry, cutList.vertPieces);
  RemoveOpenPieces(cutList.horzPieces);
  RemoveOpenPieces(cutList.vertPieces);
  const double jointMeasurement = window.barType->toolEntry->toolMeasurement;
  SplitAtJoints(cutList.horzPieces, jointMeasurement);
  SplitAtJoints(cutList.vertPieces, jointMeasurement);
  const bool colorsDiffer = window.insideColor != window.outsideColor;
  GroupIdenticalPieces(cutList.horzPieces, colorsDiffer);
  GroupIdenticalPieces(cutList.vertPieces, colorsDiffer);
  GroupEdgePieces(cutList);
  return cutList;
}

void BuildEdgePieces(const GrillWindow& window, const ToolMapEntry& edgeTools, CutList& cutList) {
  ResetEdge(cutList.topEdge, window.innerWidth);
  ResetEdge(cutList.bottomEdge, window.innerWidth);
  ResetEdge(cutList.leftEdge, window.innerHeight);
  ResetEdge(cutList.rightEdge, window.innerHeight);
  for (int v = 1; v <= window.vertCount; ++v) {
    const double at = At(window.vertPos, v);
    if (Present(window.vertSegments, 0, v)) {
      cutList.topEdge.AddNotch(edgeTools.Code(kRowH, UP), at);
    }
    if (Present(window.vertSegments, window.horzCount, v)) {
      cutList.bottomEdge.AddNotch(edgeTools.Code(kRowH, DOWN), at);
    }
  }
  for (int h = 1; h <= window.horzCount; ++h) {
    const double at = At(window.horzPos, h);
    if (Present(window.horzSegments, h, 0)) {
      cutList.leftEdge.AddNotch(edgeTools.Code(kRowV, LEFT), at);
    }
    if (Present(window.horzSegments, h, window.vertCount)) {
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

void BuildHorzPieces(const GrillWindow& window, const ToolMapEntry& barTools, PieceList& pieces) {
  const auto present = [&window](int bar, int band) {
    return Present(window.horzSegments, bar, band);
  };
  // The vertical bar continues above (band bar - 1) or below (band bar).
  const auto up = [&window](int bar, int crossing) {
    return Present(window.vertSegments, bar - 1, crossing);
  };
  const auto down = [&window](int bar, int crossing) {
    return Present(window.vertSegments, bar, crossing);
  };
  BuildBarPieces(window.horzCount, window.vertCount, window.vertPos, present, up, down,
                 barTools.Code(kRowH, BOTH), barTools.Code(kRowH, UP), barTools.Code(kRowH, DOWN),
                 barTools.toolMeasurement, pieces);
}

void BuildVertPieces(const GrillWindow& window, const ToolMapEntry& barTools, PieceList& pieces) {
  const auto present = [&window](int bar, int band) {
    return Present(window.vertSegments, band, bar);
  };
  // The horizontal bar continues to the left (band bar - 1) or right (band bar).
  const auto left = [&window](int bar, int crossing) {
    return Present(window.horzSegments, crossing, bar - 1);
  };
  const auto right = [&window](int bar, int crossing) {
    return Present(window.horzSegments, crossing, bar);
  };
  BuildBarPieces(window.vertCount, window.horzCount, window.horzPos, present, left, right,
                 barTools.Code(kRowV, BOTH), barTools.Code(kRowV, LEFT),
                 barTools.Code(kRowV, RIGHT), barTools.toolMeasurement, pieces);
}

void RemoveOpenPieces(PieceList& pieces) {
  std::erase_if(pieces, [](const CutBar& piece) { return piece.length < 0.0; });
}

void SplitAtJoints(PieceList& pieces, double toolMeasurement) {
  std::vector<int> jointsBefore(pieces.size() + 1, 0);
  for (size_t p = 0; p < pieces.size(); ++p) {
    int joints = 0;
    for (int i = 0; i < pieces[p].notchCount; ++i) {
      joints += IsJoint(pieces[p].NotchAt(i)) ? 1 : 0;
    }
    jointsBefore[p + 1] = jointsBefore[p] + joints;
  }
  if (jointsBefore.back() == 0) {
    return;
  }
  // Each piece with joints becomes one piece more per joint, in its place:
  // working from the last piece back, every piece moves at most once and
  // never onto a piece still to be split.
  const double halfTool = toolMeasurement / 2.0;
  const size_t originalCount = pieces.size();
  pieces.resize(originalCount + static_cast<size_t>(jointsBefore.back()));
  PieceList parts;
  for (size_t p = originalCount; p-- > 0;) {
    size_t at = p + static_cast<size_t>(jointsBefore[p]);
    if (jointsBefore[p + 1] == jointsBefore[p]) {
      if (at != p) {
        pieces[at] = pieces[p];
      }
      continue;
    }
    // The part after a joint is split again at its own first joint.
    parts.assign(1, pieces[p]);
    for (int joint = FirstJoint(parts.back()); joint >= 0; joint = FirstJoint(parts.back())) {
      CutBar rest = CutAfterJoint(parts.back(), joint, halfTool);
      parts.push_back(rest);
    }
    for (const CutBar& part : parts) {
      pieces[at++] = part;
    }
  }
}

void GroupIdenticalPieces(PieceList& pieces, bool colorsDiffer) {
  CutBar mirror;
  CutBar flipped;
  std::vector<char> merged(pieces.size(), 0);
  for (size_t p = 0; p < pieces.size(); ++p) {
    if (merged[p] != 0) {
      continue;
    }
    CutBar& piece = pieces[p];
    // The turned forms share the piece's length and notch count, so they are
    // made only once a later piece agrees with it on both.
    bool turnedFormsMade = false;
    for (size_t q = p + 1; q < pieces.size(); ++q) {
      const CutBar& other = pieces[q];
      if (merged[q] != 0 || other.notchCount != piece.notchCount || !SameLength(piece, other)) {
        continue;
      }
      if (!turnedFormsMade) {
        piece.MakeMirror(mirror);
        piece.MakeFlipped(flipped);
        turnedFormsMade = true;
      }
      if (piece.SameAs(other) || mirror.SameAs(other) || (!colorsDiffer && flipped.SameAs(other))) {
        piece.count += 1;
        merged[q] = 1;
      }
    }
  }
  size_t kept = 0;
  for (size_t p = 0; p < pieces.size(); ++p) {
    if (merged[p] == 0) {
      if (kept != p) {
        pieces[kept] = pieces[p];
      }
      ++kept;
    }
  }
  pieces.resize(kept);
}

void GroupEdgePieces(CutList& cutList) {
  CutBar mirror;
  PairEdges(cutList.topEdge, cutList.bottomEdge, mirror);
  PairEdges(cutList.rightEdge, cutList.leftEdge, mirror);
}

}  // namespace grill
