#include "export/CutList.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

namespace grill {
namespace {

bool Present(const SegmentTable& table, int row, int column) {
  return table[static_cast<size_t>(row)][static_cast<size_t>(column)] == 1;
}

double At(const PositionTable& positions, int index) {
  return positions[static_cast<size_t>(index)];
}

bool IsJointCode(std::string_view code) {
  return SameToolCode(code, kToolCodeJoint);
}

// A new piece: not yet closed (length -1), count 1, no notches.
void StartPiece(CutBar& piece) {
  piece.length = -1.0;
  piece.count = 1;
  piece.ClearNotches();
}

}  // namespace

// One direction of bars seen the same way for both directions. Bar `bar`
// (1..barCount) is made of bands 0..crossCount and has its segment in band
// `band` when present[bar][band] is 1. Its crossing with bar c of the other
// direction lies at crossPos[c]; that bar has its segment in band r of this
// direction when crossing[r][c] is 1, so it runs on side A of bar `bar` when
// crossing[bar - 1][c] is 1 and on side B when crossing[bar][c] is 1.
struct BarDirection {
  int barCount;
  int crossCount;
  const PositionTable& crossPos;
  const SegmentTable& present;
  const SegmentTable& crossing;
  std::string_view codeBoth;
  std::string_view codeA;
  std::string_view codeB;
  double toolMeasurement;

  // Builds the pieces of bar `bar` in `piece`, one after another, and hands
  // each to `finished` when it is complete, with whether it has a joint
  // notch: in order, the open piece begun after the bar's last segment
  // included with length -1.
  template <typename FinishedFn>
  void ForEachPiece(int bar, CutBar& piece, FinishedFn finished) const {
    const auto row = [bar](const SegmentTable& table, int offset) -> const auto& {
      return table[static_cast<size_t>(bar + offset)];
    };
    const auto& segments = row(present, 0);
    const auto& sideA = row(crossing, -1);
    const auto& sideB = row(crossing, 0);
    const auto has = [](const auto& bands, int band) {
      return bands[static_cast<size_t>(band)] == 1;
    };
    // The notch code by the sides where the crossing bar runs: 1 for side A,
    // 2 for side B, 3 for both; no notch where it runs on neither side.
    const std::array<std::string_view, 4> codes = {std::string_view(), codeA, codeB, codeBoth};
    const std::array<bool, 4> joints = {false, IsJointCode(codeA), IsJointCode(codeB),
                                        IsJointCode(codeBoth)};
    const double halfTool = toolMeasurement / 2.0;
    // The notches are counted here and stored in the piece when it is
    // complete: the piece's own count would be read back from memory for
    // every notch. A piece gets at most one notch per crossing, and
    // crossCount never exceeds kMaxBars, so the room of 32 always suffices.
    int notches = 0;
    bool hasJoint = false;
    const auto complete = [&] {
      piece.notchCount = notches;
      finished(std::as_const(piece), hasJoint);
      StartPiece(piece);
      notches = 0;
      hasJoint = false;
    };
    StartPiece(piece);
    double offset = 0.0;
    bool inBand = has(segments, 0);
    for (int band = 0; band < crossCount; ++band) {
      const int crossingBar = band + 1;
      const double crossAt = At(crossPos, crossingBar);
      const bool inNextBand = has(segments, band + 1);
      if (!inBand) {
        offset = crossAt + halfTool;
      } else if (inNextBand) {
        const size_t sides =
            (has(sideA, crossingBar) ? 1u : 0u) | (has(sideB, crossingBar) ? 2u : 0u);
        if (sides != 0) {
          piece.NotchAt(notches++) = Notch{codes[sides], crossAt - offset};
          hasJoint = hasJoint || joints[sides];
        }
      } else {
        piece.length = crossAt - offset - halfTool;
        complete();
        offset = crossAt + halfTool;
      }
      inBand = inNextBand;
    }
    if (inBand) {
      piece.length = At(crossPos, crossCount + 1) - offset;
    }
    complete();
  }

  // True when bars `bar` and `other` have the same segments and the same
  // crossing bars on either side: then they have the same pieces.
  bool LaidOutAlike(int bar, int other) const {
    const auto at = [](const SegmentTable& table, int index) -> const auto& {
      return table[static_cast<size_t>(index)];
    };
    return at(present, bar) == at(present, other) &&
           at(crossing, bar - 1) == at(crossing, other - 1) &&
           at(crossing, bar) == at(crossing, other);
  }
};

namespace {

// The table is turned in squares of 8 x 8 entries, each row of a square
// held in one 64-bit word (its first entry in the lowest byte, as loaded on a
// little-endian machine); a square is turned by swapping ever larger blocks
// across its diagonal, which costs a few word operations per row instead of
// one move per entry.
constexpr size_t kSquare = 8;
static_assert(kTableSize % kSquare == 0, "the tables are made of whole squares");
static_assert(std::endian::native == std::endian::little,
              "the squares are turned as little-endian words");

// Swaps between rows `upper` and `lower` the blocks of `span` entries that lie
// across the diagonal of their square.
template <unsigned kSpan, std::uint64_t kKeep>
void SwapAcross(std::uint64_t& upper, std::uint64_t& lower) {
  const std::uint64_t swapped = ((upper >> (8 * kSpan)) ^ lower) & kKeep;
  lower ^= swapped;
  upper ^= swapped << (8 * kSpan);
}

// Turns the 8 x 8 square whose rows are `r`: afterwards r[i] holds what
// column i held. Rows i and i + span swap their blocks of span entries, for
// span 1, 2 and 4.
void TurnSquare(std::array<std::uint64_t, kSquare>& r) {
  constexpr std::uint64_t kOnes = 0x00FF00FF00FF00FFULL;
  constexpr std::uint64_t kTwos = 0x0000FFFF0000FFFFULL;
  constexpr std::uint64_t kFours = 0x00000000FFFFFFFFULL;
  for (size_t i = 0; i < kSquare; i += 2) {
    SwapAcross<1, kOnes>(r[i], r[i + 1]);
  }
  constexpr std::array<size_t, 4> kUpperOfPairsTwoApart = {0, 1, 4, 5};
  for (const size_t i : kUpperOfPairsTwoApart) {
    SwapAcross<2, kTwos>(r[i], r[i + 2]);
  }
  for (size_t i = 0; i < 4; ++i) {
    SwapAcross<4, kFours>(r[i], r[i + 4]);
  }
}

SegmentTable Transposed(const SegmentTable& table) {
  SegmentTable turned;
  std::array<std::uint64_t, kSquare> rows;
  for (size_t top = 0; top < table.size(); top += kSquare) {
    for (size_t left = 0; left < table[top].size(); left += kSquare) {
      for (size_t i = 0; i < kSquare; ++i) {
        std::memcpy(&rows[i], &table[top + i][left], sizeof rows[i]);
      }
      TurnSquare(rows);
      for (size_t i = 0; i < kSquare; ++i) {
        std::memcpy(&turned[left + i][top], &rows[i], sizeof rows[i]);
      }
    }
  }
  return turned;
}

// The segment tables turned so that a row holds one vertical bar's bands,
// or one column band's segments of the horizontal bars: the vertical bars
// are then seen as the horizontal ones are.
struct TurnedSegments {
  explicit TurnedSegments(const GrillWindow& window)
      : vertByBar(Transposed(window.vertSegments)), horzByBand(Transposed(window.horzSegments)) {}
  SegmentTable vertByBar;
  SegmentTable horzByBand;
};

// A design's count of bars in one direction, kept within the tables: the
// export runs refuse a design with more than kMaxBars before building it.
int BarCount(std::int32_t count) {
  return std::clamp(count, 0, kMaxBars);
}
static_assert(kMaxBars <= kMaxNotches, "a bar piece has room for a notch at every crossing");

// Adds to `edge`, which has no notches yet, a notch with `code` at each of
// positions[1..count] where `reaches` tells that the bar there meets the
// edge. The count is kept in a local, as in BarDirection::ForEachPiece; at
// most kMaxBars notches are added.
template <typename ReachesFn>
void NotchEdge(CutBar& edge, const PositionTable& positions, int count, std::string_view code,
               ReachesFn reaches) {
  int notches = 0;
  for (int bar = 1; bar <= count; ++bar) {
    if (reaches(bar)) {
      edge.NotchAt(notches++) = Notch{code, At(positions, bar)};
    }
  }
  edge.notchCount = notches;
}

// The vertical bar above (band bar - 1) or below (band bar) a horizontal bar
// is on its side A or B.
BarDirection HorzBars(const GrillWindow& window, const ToolMapEntry& barTools) {
  return BarDirection{
      BarCount(window.horzCount), BarCount(window.vertCount), window.vertPos,
      window.horzSegments,        window.vertSegments,        barTools.Code(kRowH, BOTH),
      barTools.Code(kRowH, UP),   barTools.Code(kRowH, DOWN), barTools.toolMeasurement};
}

// The horizontal bar to the left (band bar - 1) or right (band bar) of a
// vertical bar is on its side A or B.
BarDirection VertBars(const GrillWindow& window, const ToolMapEntry& barTools,
                      const TurnedSegments& turned) {
  return BarDirection{
      BarCount(window.vertCount), BarCount(window.horzCount),  window.horzPos,
      turned.vertByBar,           turned.horzByBand,           barTools.Code(kRowV, BOTH),
      barTools.Code(kRowV, LEFT), barTools.Code(kRowV, RIGHT), barTools.toolMeasurement};
}

// Every piece of every bar in order, as BarDirection::ForEachPiece hands them.
void AppendAllPieces(const BarDirection& bars, PieceList& pieces) {
  CutBar piece;
  for (int bar = 1; bar <= bars.barCount; ++bar) {
    bars.ForEachPiece(bar, piece,
                      [&pieces](const CutBar& finished, bool) { pieces.push_back(finished); });
  }
}

bool IsJoint(const Notch& notch) {
  return IsJointCode(notch.toolCode);
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

// Hands `piece` to `emit` split at its joint notches, part by part in
// order, or whole when it has none. Each joint cuts the piece into the part
// before it, which stops half the tool measurement short of the joint, and
// the rest, which starts as far beyond it and is measured from its own
// start; the rest is split again at its own first joint. The joint notch is
// in neither part. `part` is the room the parts are made in.
template <typename EmitFn>
void ForEachJointPart(const CutBar& piece, double halfTool, CutBar& part, EmitFn emit) {
  int joint = FirstJoint(piece);
  if (joint < 0) {
    emit(piece);
    return;
  }
  part = piece;
  for (; joint >= 0; joint = FirstJoint(part)) {
    const double jointAt = part.NotchAt(joint).position;
    const double restLength = part.length - jointAt - halfTool;
    const int restNotches = part.notchCount - joint - 1;
    part.notchCount = joint;
    part.length = jointAt - halfTool;
    emit(std::as_const(part));
    // The rest takes the notches after the joint, moved to the front.
    for (int i = 0; i < restNotches; ++i) {
      const Notch& after = part.NotchAt(joint + 1 + i);
      part.NotchAt(i) = Notch{after.toolCode, after.position - (jointAt + halfTool)};
    }
    part.notchCount = restNotches;
    part.length = restLength;
    part.count = 1;
  }
  emit(std::as_const(part));
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
  CutListBuilder().Build(window, barType, edgeType, cutList);
  return cutList;
}

void CutListBuilder::Build(const GrillWindow& window, const BarType& barType,
                           const EdgeType& edgeType, CutList& cutList) {
  BuildEdgePieces(window, *edgeType.toolEntry, cutList);
  DeductEdges(edgeType, cutList);
  const double jointMeasurement = window.barType->toolEntry->toolMeasurement;
  const bool colorsDiffer = window.insideColor != window.outsideColor;
  grouping_.Begin(cutList.horzPieces, colorsDiffer);
  GroupBarPieces(HorzBars(window, *barType.toolEntry), jointMeasurement);
  grouping_.Begin(cutList.vertPieces, colorsDiffer);
  const TurnedSegments turned(window);
  GroupBarPieces(VertBars(window, *barType.toolEntry, turned), jointMeasurement);
  GroupEdgePieces(cutList);
}

// The steps RemoveOpenPieces, SplitAtJoints and GroupIdenticalPieces, taken
// one piece at a time: each piece that is not open is split at its joints
// and its parts grouped before the next piece is built. A bar laid out like
// an earlier one has the same parts, and each of them joins the group its
// twin joined (every group before that one was there when the twin came and
// did not match it), so such a bar only adds one to those groups' counts.
void CutListBuilder::GroupBarPieces(const BarDirection& bars, double jointMeasurement) {
  const double halfJointTool = jointMeasurement / 2.0;
  laidOut_.clear();
  groupsOfParts_.clear();
  for (int bar = 1; bar <= bars.barCount; ++bar) {
    const auto twin = std::find_if(
        laidOut_.begin(), laidOut_.end(),
        [&bars, bar](const LaidOutBar& earlier) { return bars.LaidOutAlike(bar, earlier.bar); });
    if (twin != laidOut_.end()) {
      for (size_t part = twin->firstPart; part < twin->endPart; ++part) {
        grouping_.AddTwin(groupsOfParts_[part]);
      }
      continue;
    }
    const size_t firstPart = groupsOfParts_.size();
    const auto group = [this](const CutBar& part) {
      groupsOfParts_.push_back(grouping_.Add(part));
    };
    bars.ForEachPiece(bar, piece_, [&](const CutBar& piece, bool hasJoint) {
      if (piece.length < 0.0) {
        return;
      }
      if (hasJoint) {
        ForEachJointPart(piece, halfJointTool, part_, group);
      } else {
        group(piece);
      }
    });
    laidOut_.push_back(LaidOutBar{bar, firstPart, groupsOfParts_.size()});
  }
}

void PieceGrouping::Begin(PieceList& groups, bool colorsDiffer) {
  groups.clear();
  groups_ = &groups;
  colorsDiffer_ = colorsDiffer;
}

size_t PieceGrouping::Add(const CutBar& piece) {
  PieceList& groups = *groups_;
  for (size_t group = 0; group < groups.size(); ++group) {
    if (Matches(group, piece)) {
      groups[group].count += 1;
      return group;
    }
  }
  groups.push_back(piece);
  if (turned_.size() < groups.size()) {
    turned_.emplace_back();
  }
  turned_[groups.size() - 1].made = false;
  return groups.size() - 1;
}

void PieceGrouping::AddTwin(size_t group) {
  (*groups_)[group].count += 1;
}

bool PieceGrouping::Matches(size_t group, const CutBar& piece) {
  const CutBar& first = (*groups_)[group];
  // The turned forms share the first piece's length and notch count, which
  // settle most comparisons before any notch is looked at; they are made
  // only once a piece is not the same as the first piece itself.
  if (piece.notchCount != first.notchCount || !SameLength(first, piece)) {
    return false;
  }
  if (first.SameAs(piece)) {
    return true;
  }
  TurnedForms& turned = turned_[group];
  if (!turned.made) {
    first.MakeMirror(turned.mirror);
    // Turned face for face only counts when both faces are the same colour.
    if (!colorsDiffer_) {
      first.MakeFlipped(turned.flipped);
    }
    turned.made = true;
  }
  return turned.mirror.SameAs(piece) || (!colorsDiffer_ && turned.flipped.SameAs(piece));
}

void BuildEdgePieces(const GrillWindow& window, const ToolMapEntry& edgeTools, CutList& cutList) {
  ResetEdge(cutList.topEdge, window.innerWidth);
  ResetEdge(cutList.bottomEdge, window.innerWidth);
  ResetEdge(cutList.leftEdge, window.innerHeight);
  ResetEdge(cutList.rightEdge, window.innerHeight);
  const int vertCount = BarCount(window.vertCount);
  const int horzCount = BarCount(window.horzCount);
  NotchEdge(cutList.topEdge, window.vertPos, vertCount, edgeTools.Code(kRowH, UP),
            [&window](int v) { return Present(window.vertSegments, 0, v); });
  NotchEdge(cutList.bottomEdge, window.vertPos, vertCount, edgeTools.Code(kRowH, DOWN),
            [&window, horzCount](int v) { return Present(window.vertSegments, horzCount, v); });
  NotchEdge(cutList.leftEdge, window.horzPos, horzCount, edgeTools.Code(kRowV, LEFT),
            [&window](int h) { return Present(window.horzSegments, h, 0); });
  NotchEdge(cutList.rightEdge, window.horzPos, horzCount, edgeTools.Code(kRowV, RIGHT),
            [&window, vertCount](int h) { return Present(window.horzSegments, h, vertCount); });
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
  AppendAllPieces(HorzBars(window, barTools), pieces);
}

void BuildVertPieces(const GrillWindow& window, const ToolMapEntry& barTools, PieceList& pieces) {
  const TurnedSegments turned(window);
  AppendAllPieces(VertBars(window, barTools, turned), pieces);
}

void RemoveOpenPieces(PieceList& pieces) {
  std::erase_if(pieces, [](const CutBar& piece) { return piece.length < 0.0; });
}

void SplitAtJoints(PieceList& pieces, double toolMeasurement) {
  PieceList parts;
  CutBar part;
  for (const CutBar& piece : pieces) {
    ForEachJointPart(piece, toolMeasurement / 2.0, part,
                     [&parts](const CutBar& finished) { parts.push_back(finished); });
  }
  pieces = std::move(parts);
}

void GroupIdenticalPieces(PieceList& pieces, bool colorsDiffer) {
  PieceList groups;
  PieceGrouping grouping;
  grouping.Begin(groups, colorsDiffer);
  for (const CutBar& piece : pieces) {
    grouping.Add(piece);
  }
  pieces = std::move(groups);
}

void GroupEdgePieces(CutList& cutList) {
  CutBar mirror;
  PairEdges(cutList.topEdge, cutList.bottomEdge, mirror);
  PairEdges(cutList.rightEdge, cutList.leftEdge, mirror);
}

}  // namespace grill
