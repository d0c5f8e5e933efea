#include "view/GrillCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "view/PixelMapping.h"

namespace grill {
namespace {

// Half the side of a handle square, and the reach of a press around its centre.
constexpr int kHandleHalf = 2;

constexpr std::uint8_t kSegmentGiven = 1;
constexpr std::uint8_t kSegmentTaken = 0;

bool IsPositiveFinite(double value) {
  return std::isfinite(value) && value > 0.0;
}

// The bars of a direction that the tables can hold, whatever the count says.
int BarCount(std::int32_t count) {
  return std::clamp(count, 0, kMaxBars);
}

std::size_t Index(int i) {
  return static_cast<std::size_t>(i);
}

// The band holding position `c` (millimetres): the band before the first
// bar lying beyond it. A position exactly on a bar belongs to the band after it.
int BandAt(double c, const PositionTable& pos, std::int32_t count, double inner) {
  if (!(c >= 0.0)) {
    return -1;
  }
  const int bars = BarCount(count);
  for (int bar = 1; bar <= bars; ++bar) {
    if (c < pos[Index(bar)]) {
      return bar - 1;
    }
  }
  return c < inner ? bars : -1;
}

// Whether `coordinate` lies strictly within a handle's reach of `centre`.
bool WithinHandle(int coordinate, int centre) {
  return centre - kHandleHalf < coordinate && coordinate < centre + kHandleHalf;
}

}  // namespace

GrillCanvas::GrillCanvas(std::function<void()> invalidateDialog)
    : invalidate_(std::move(invalidateDialog)) {}

void GrillCanvas::SetInvalidate(std::function<void()> invalidateDialog) {
  invalidate_ = std::move(invalidateDialog);
}

void GrillCanvas::SetDesign(GrillWindow* design) {
  if (design == design_) {
    return;
  }
  design_ = design;
  dragHorz = -1;
  dragVert = -1;
  prevRow = -1;
  prevColumn = -1;
}

int GrillCanvas::px(double x) const {
  return ToPixel(x, scale, originX);
}

int GrillCanvas::py(double y) const {
  return ToPixel(y, scale, originY);
}

bool GrillCanvas::CanDraw(const GrillWindow& window) const {
  return IsPositiveFinite(window.innerWidth) && IsPositiveFinite(window.innerHeight) &&
         IsPositiveFinite(scale);
}

void GrillCanvas::UpdateScale(const GrillWindow& window) {
  if (!IsPositiveFinite(window.innerWidth) || !IsPositiveFinite(window.innerHeight)) {
    return;
  }
  const double sx =
      static_cast<double>(bounds.right - bounds.left - 2 * margin) / window.innerWidth;
  const double sy =
      static_cast<double>(bounds.bottom - bounds.top - 2 * margin) / window.innerHeight;
  const double fitted = sx < sy ? sx : sy;
  // A canvas with no room inside its margins, or a size so small that the
  // scale overflows, keeps the scale it had.
  if (IsPositiveFinite(fitted)) {
    scale = fitted;
  }
}

void GrillCanvas::DrawGrill(DrawingContext& dc, const GrillWindow& window) const {
  if (!CanDraw(window)) {
    return;
  }
  const int right = px(window.innerWidth);
  const int bottom = py(window.innerHeight);
  dc.MoveTo(originX, originY);
  dc.LineTo(right, originY);
  dc.LineTo(right, bottom);
  dc.LineTo(originX, bottom);
  dc.LineTo(originX, originY);

  const int horzBars = BarCount(window.horzCount);
  const int vertBars = BarCount(window.vertCount);
  for (int row = 0; row <= horzBars; ++row) {
    for (int bar = 1; bar <= vertBars; ++bar) {
      if (window.vertSegments[Index(row)][Index(bar)] == kSegmentGiven) {
        const int x = px(window.vertPos[Index(bar)]);
        dc.MoveTo(x, py(window.horzPos[Index(row)]));
        dc.LineTo(x, py(window.horzPos[Index(row + 1)]));
      }
    }
  }
  for (int bar = 1; bar <= horzBars; ++bar) {
    for (int column = 0; column <= vertBars; ++column) {
      if (window.horzSegments[Index(bar)][Index(column)] == kSegmentGiven) {
        const int y = py(window.horzPos[Index(bar)]);
        dc.MoveTo(px(window.vertPos[Index(column)]), y);
        dc.LineTo(px(window.vertPos[Index(column + 1)]), y);
      }
    }
  }
}

void GrillCanvas::DrawHandles(DrawingContext& dc, const GrillWindow& window) const {
  if (!CanDraw(window)) {
    return;
  }
  const int handleX = originX / 2;
  for (int bar = 1; bar <= BarCount(window.horzCount); ++bar) {
    const int y = py(window.horzPos[Index(bar)]);
    dc.Rectangle(handleX - kHandleHalf, y - kHandleHalf, handleX + kHandleHalf, y + kHandleHalf);
  }
  const int handleY = originY / 2;
  for (int bar = 1; bar <= BarCount(window.vertCount); ++bar) {
    const int x = px(window.vertPos[Index(bar)]);
    dc.Rectangle(x - kHandleHalf, handleY - kHandleHalf, x + kHandleHalf, handleY + kHandleHalf);
  }
}

int GrillCanvas::ColumnAt(int x) const {
  if (!HasDrawableDesign()) {
    return -1;
  }
  return BandAt(ToMillimetres(x, originX, scale), design_->vertPos, design_->vertCount,
                design_->innerWidth);
}

int GrillCanvas::RowAt(int y) const {
  if (!HasDrawableDesign()) {
    return -1;
  }
  return BandAt(ToMillimetres(y, originY, scale), design_->horzPos, design_->horzCount,
                design_->innerHeight);
}

void GrillCanvas::OnLButtonDown(unsigned /*flags*/, int x, int y) {
  if (!HasDrawableDesign()) {
    return;
  }
  PickBar(x, y);
}

// Every handle under the press is tested in turn, so that of overlapping
// handles the highest-numbered bar is the one dragged. A press on no handle
// leaves any drag as it was.
void GrillCanvas::PickBar(int x, int y) {
  if (WithinHandle(x, originX / 2)) {
    for (int bar = 1; bar <= BarCount(design_->horzCount); ++bar) {
      if (WithinHandle(y, py(design_->horzPos[Index(bar)]))) {
        dragHorz = bar;
      }
    }
  }
  if (WithinHandle(y, originY / 2)) {
    for (int bar = 1; bar <= BarCount(design_->vertCount); ++bar) {
      if (WithinHandle(x, px(design_->vertPos[Index(bar)]))) {
        dragVert = bar;
      }
    }
  }
}

void GrillCanvas::OnMouseMove(unsigned flags, int x, int y) {
  lastX = x;
  lastY = y;
  const bool leftAlone = flags == kMouseLeft;
  const bool rightAlone = flags == kMouseRight;
  if (!leftAlone) {
    dragHorz = -1;
    dragVert = -1;
  }
  int column = ColumnAt(x);
  int row = RowAt(y);
  DragBars();
  if (leftAlone) {
    // A bar dragged just now already divides the bands it crossed.
    column = ColumnAt(x);
    row = RowAt(y);
    ShapeSegments(column, row, kSegmentGiven);
  } else if (rightAlone) {
    ShapeSegments(column, row, kSegmentTaken);
  }
  prevColumn = column;
  prevRow = row;
}

void GrillCanvas::OnLButtonUp(unsigned /*flags*/, int /*x*/, int /*y*/) {
  dragHorz = -1;
  dragVert = -1;
}

// The dragged bar follows the pointer without limits: past its neighbours,
// out of the grill area, to negative positions. Only a bar that still exists
// is written; one removed while the button is held is left alone.
void GrillCanvas::DragBars() {
  if (!HasDrawableDesign()) {
    return;
  }
  GrillWindow& window = *design_;
  if (dragHorz >= 1 && dragHorz <= BarCount(window.horzCount)) {
    window.horzPos[Index(dragHorz)] = ToMillimetres(lastY, originY, scale);
    Invalidate();
  }
  if (dragVert >= 1 && dragVert <= BarCount(window.vertCount)) {
    window.vertPos[Index(dragVert)] = ToMillimetres(lastX, originX, scale);
    Invalidate();
  }
}

// Crossing a bar between the previous move and this one gives or takes that
// bar's segment in the band the pointer is in now. A skip over several bands
// changes one bar per direction only: the bar that begins the higher-numbered
// of the two bands. Bar numbers left over from a design that has since lost
// bars change nothing.
void GrillCanvas::ShapeSegments(int column, int row, std::uint8_t value) {
  if (!HasDrawableDesign() || column < 0 || row < 0 || prevColumn < 0 || prevRow < 0) {
    return;
  }
  GrillWindow& window = *design_;
  if (column != prevColumn) {
    const int bar = std::max(column, prevColumn);
    if (bar <= BarCount(window.vertCount)) {
      window.vertSegments[Index(row)][Index(bar)] = value;
      Invalidate();
    }
  }
  if (row != prevRow) {
    const int bar = std::max(row, prevRow);
    if (bar <= BarCount(window.horzCount)) {
      window.horzSegments[Index(bar)][Index(column)] = value;
      Invalidate();
    }
  }
}

void GrillCanvas::Invalidate() const {
  if (invalidate_) {
    invalidate_();
  }
}

}  // namespace grill
