#include "model/GrillWindow.h"

namespace grill {
namespace {

// The bar operations of both directions work on one of these views, so that
// each rule is written once. For horizontal bars "lines" are the rows of both
// segment tables; for vertical bars they are the columns.
struct AxisView {
  PositionTable& pos;
  std::int32_t& count;
  double inner;
  std::int32_t crossCount;
  // The segments of the bars being moved, and of the crossing bars' bands.
  SegmentTable& ownSegments;
  SegmentTable& crossSegments;
  bool rows;

  std::uint8_t& Own(int line, int other) {
    return rows ? ownSegments[static_cast<size_t>(line)][static_cast<size_t>(other)]
                : ownSegments[static_cast<size_t>(other)][static_cast<size_t>(line)];
  }
  std::uint8_t& Cross(int line, int other) {
    return rows ? crossSegments[static_cast<size_t>(line)][static_cast<size_t>(other)]
                : crossSegments[static_cast<size_t>(other)][static_cast<size_t>(line)];
  }
  double& Pos(int i) { return pos[static_cast<size_t>(i)]; }
};

AxisView Horizontal(GrillWindow& w) {
  return {w.horzPos, w.horzCount, w.innerHeight, w.vertCount, w.horzSegments, w.vertSegments, true};
}

AxisView Vertical(GrillWindow& w) {
  return {w.vertPos, w.vertCount, w.innerWidth, w.horzCount, w.vertSegments, w.horzSegments, false};
}

int InsertBar(AxisView axis, double position) {
  if (!(position >= 0.0) || position > axis.inner) {
    return kRejected;
  }
  if (axis.count >= kMaxBars) {
    return kNoRoom;
  }
  // The smallest index whose position is at or beyond the new bar; never
  // past the far edge entry.
  int index = 0;
  while (index < axis.count + 1 && axis.Pos(index) < position) {
    ++index;
  }
  for (int k = axis.count + 2; k >= index + 1; --k) {
    axis.Pos(k) = axis.Pos(k - 1);
    for (int other = 0; other <= axis.crossCount; ++other) {
      axis.Own(k, other) = axis.Own(k - 1, other);
      axis.Cross(k, other) = axis.Cross(k - 1, other);
    }
  }
  ++axis.count;
  for (int other = 0; other <= axis.crossCount; ++other) {
    axis.Own(index, other) = 1;
  }
  axis.Pos(index) = position;
  return kDone;
}

int RemoveBar(AxisView axis, int barNumber) {
  if (barNumber <= 0 || barNumber > axis.count) {
    return kRejected;
  }
  for (int k = barNumber + 1; k <= axis.count + 1; ++k) {
    axis.Pos(k - 1) = axis.Pos(k);
    for (int other = 0; other <= axis.crossCount; ++other) {
      axis.Own(k - 1, other) = axis.Own(k, other);
      axis.Cross(k - 1, other) = axis.Cross(k, other);
    }
  }
  --axis.count;
  return kDone;
}

void AlignTo(AxisView axis, const PositionTable& otherPos, std::int32_t otherCount,
             double otherInner) {
  if (axis.count != otherCount || axis.count == 0) {
    return;
  }
  const double offset = (axis.inner - otherInner) * 0.5;
  for (int i = 1; i <= axis.count; ++i) {
    axis.Pos(i) = otherPos[static_cast<size_t>(i)] + offset;
  }
}

}  // namespace

GrillWindow::GrillWindow() {
  for (auto& row : vertSegments) {
    row.fill(1);
  }
  for (auto& row : horzSegments) {
    row.fill(1);
  }
}

int GrillWindow::InsertHorzBar(double position) {
  return InsertBar(Horizontal(*this), position);
}
int GrillWindow::InsertVertBar(double position) {
  return InsertBar(Vertical(*this), position);
}
int GrillWindow::RemoveHorzBar(int barNumber) {
  return RemoveBar(Horizontal(*this), barNumber);
}
int GrillWindow::RemoveVertBar(int barNumber) {
  return RemoveBar(Vertical(*this), barNumber);
}

void GrillWindow::AlignHorzTo(const GrillWindow& other) {
  AlignTo(Horizontal(*this), other.horzPos, other.horzCount, other.innerHeight);
}

void GrillWindow::AlignVertTo(const GrillWindow& other) {
  AlignTo(Vertical(*this), other.vertPos, other.vertCount, other.innerWidth);
}

}  // namespace grill
