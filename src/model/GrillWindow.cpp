#include "model/GrillWindow.h"

#include "model/BarAxis.h"

namespace grill {
namespace {

BarEdit InsertBar(BarAxis axis, double position) {
  if (!(position >= 0.0) || position > axis.Inner()) {
    return BarEdit::Rejected;
  }
  std::int32_t& count = axis.Count();
  if (count >= kMaxBars) {
    return BarEdit::NoRoom;
  }
  // The smallest index whose position is at or beyond the new bar; never
  // past the far edge entry.
  int index = 0;
  while (index < count + 1 && axis.Pos(index) < position) {
    ++index;
  }
  const int crossCount = axis.CrossCount();
  for (int k = count + 2; k >= index + 1; --k) {
    axis.Pos(k) = axis.Pos(k - 1);
    for (int other = 0; other <= crossCount; ++other) {
      axis.Own(k, other) = axis.Own(k - 1, other);
      axis.Cross(k, other) = axis.Cross(k - 1, other);
    }
  }
  ++count;
  for (int other = 0; other <= crossCount; ++other) {
    axis.Own(index, other) = 1;
  }
  axis.Pos(index) = position;
  return BarEdit::Done;
}

BarEdit RemoveBar(BarAxis axis, int barNumber) {
  std::int32_t& count = axis.Count();
  if (barNumber <= 0 || barNumber > count) {
    return BarEdit::Rejected;
  }
  const int crossCount = axis.CrossCount();
  for (int k = barNumber + 1; k <= count + 1; ++k) {
    axis.Pos(k - 1) = axis.Pos(k);
    for (int other = 0; other <= crossCount; ++other) {
      axis.Own(k - 1, other) = axis.Own(k, other);
      axis.Cross(k - 1, other) = axis.Cross(k, other);
    }
  }
  --count;
  return BarEdit::Done;
}

void AlignTo(BarAxis axis, ConstBarAxis other) {
  const std::int32_t count = axis.Count();
  if (count != other.Count() || count == 0) {
    return;
  }
  const double offset = (axis.Inner() - other.Inner()) * 0.5;
  for (int i = 1; i <= count; ++i) {
    axis.Pos(i) = other.Pos(i) + offset;
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

BarEdit GrillWindow::InsertHorzBar(double position) {
  return InsertBar(BarsOf(*this, Axis::Horizontal), position);
}
BarEdit GrillWindow::InsertVertBar(double position) {
  return InsertBar(BarsOf(*this, Axis::Vertical), position);
}
BarEdit GrillWindow::RemoveHorzBar(int barNumber) {
  return RemoveBar(BarsOf(*this, Axis::Horizontal), barNumber);
}
BarEdit GrillWindow::RemoveVertBar(int barNumber) {
  return RemoveBar(BarsOf(*this, Axis::Vertical), barNumber);
}

void GrillWindow::AlignHorzTo(const GrillWindow& other) {
  AlignTo(BarsOf(*this, Axis::Horizontal), BarsOf(other, Axis::Horizontal));
}

void GrillWindow::AlignVertTo(const GrillWindow& other) {
  AlignTo(BarsOf(*this, Axis::Vertical), BarsOf(other, Axis::Vertical));
}

}  // namespace grill
