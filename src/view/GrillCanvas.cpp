#include "view/GrillCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <tuple>
#include <utility>

#include "model/InchFraction.h"
#include "model/Measurements.h"
#include "view/PixelMapping.h"

namespace grill {
namespace {

// Half the side of a handle square, and the reach of a press around its centre.
constexpr int kHandleHalf = 2;

constexpr std::uint8_t kSegmentGiven = 1;

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

// The step a dragged bar's centre snaps to, in millimetres.
double SnapStep(Unit unit) {
  return unit == Unit::Inches ? 25.4 / kInchFractionDenominator : 0.5;
}

// A left-button drag, with or without Shift (which only lets the bar move freely).
bool IsLeftDrag(unsigned flags) {
  return (flags & ~unsigned{kMouseShift}) == kMouseLeft;
}

// The pointer's position rounded to the snap step, unless Shift is held.
double DragPosition(double millimetres, unsigned flags, Unit unit) {
  if ((flags & kMouseShift) != 0) {
    return millimetres;
  }
  const double step = SnapStep(unit);
  return std::round(millimetres / step) * step;
}

// How far right of and above the pointer the dragged position is shown.
constexpr int kLabelOffset = 12;

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

// Draws with kHighlightPen while it lives, when `highlighted`; the pen is
// kBlackPen again afterwards.
class PenFor {
 public:
  PenFor(DrawingContext& dc, bool highlighted) : dc_(highlighted ? &dc : nullptr) {
    if (dc_ != nullptr) {
      dc_->SetPen(kHighlightPen);
    }
  }
  ~PenFor() {
    if (dc_ != nullptr) {
      dc_->SetPen(kBlackPen);
    }
  }
  PenFor(const PenFor&) = delete;
  PenFor& operator=(const PenFor&) = delete;

 private:
  DrawingContext* dc_;
};

// Whether `coordinate` lies strictly within a handle's reach of `centre`.
bool WithinHandle(int coordinate, int centre) {
  return centre - kHandleHalf < coordinate && coordinate < centre + kHandleHalf;
}

}  // namespace

void GrillCanvas::ForgetPointer() {
  pointer_.dragHorz = -1;
  pointer_.dragVert = -1;
  pointer_.prevRow = -1;
  pointer_.prevColumn = -1;
  gestureOpen_ = false;
  draggedTo_.reset();
}

int GrillCanvas::px(double x) const {
  return ToPixel(x, scale_, originX);
}

int GrillCanvas::py(double y) const {
  return ToPixel(y, scale_, originY);
}

bool GrillCanvas::CanDraw(const GrillWindow& window) const {
  return IsPositiveFinite(window.innerWidth) && IsPositiveFinite(window.innerHeight) &&
         IsPositiveFinite(scale_);
}

void GrillCanvas::UpdateScale(const GrillWindow& window) {
  if (!IsPositiveFinite(window.innerWidth) || !IsPositiveFinite(window.innerHeight)) {
    return;
  }
  // In double, so that no client size can overflow the subtraction.
  const double sx = (static_cast<double>(clientSize.width) - 2.0 * margin) / window.innerWidth;
  const double sy = (static_cast<double>(clientSize.height) - 2.0 * margin) / window.innerHeight;
  const double fitted = sx < sy ? sx : sy;
  // A canvas with no room inside its margins, or a size so small that the
  // scale overflows, keeps the scale it had.
  if (IsPositiveFinite(fitted)) {
    scale_ = fitted;
  }
}

// The highlighted bar is drawn in its place in the order, with its own pen,
// so that the lines drawn and their order are the same with or without it.
void GrillCanvas::DrawGrill(DrawingContext& dc, const GrillWindow& window,
                            const Highlight& highlight) const {
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
        const PenFor pen(dc, highlight.vert == bar);
        dc.MoveTo(x, py(window.horzPos[Index(row)]));
        dc.LineTo(x, py(window.horzPos[Index(row + 1)]));
      }
    }
  }
  for (int bar = 1; bar <= horzBars; ++bar) {
    const PenFor pen(dc, highlight.horz == bar);
    for (int column = 0; column <= vertBars; ++column) {
      if (window.horzSegments[Index(bar)][Index(column)] == kSegmentGiven) {
        const int y = py(window.horzPos[Index(bar)]);
        dc.MoveTo(px(window.vertPos[Index(column)]), y);
        dc.LineTo(px(window.vertPos[Index(column + 1)]), y);
      }
    }
  }
}

void GrillCanvas::DrawHandles(DrawingContext& dc, const GrillWindow& window,
                              const Highlight& highlight) const {
  if (!CanDraw(window)) {
    return;
  }
  const int handleX = originX / 2;
  for (int bar = 1; bar <= BarCount(window.horzCount); ++bar) {
    const int y = py(window.horzPos[Index(bar)]);
    const PenFor pen(dc, highlight.horz == bar);
    dc.Rectangle(handleX - kHandleHalf, y - kHandleHalf, handleX + kHandleHalf, y + kHandleHalf);
  }
  const int handleY = originY / 2;
  for (int bar = 1; bar <= BarCount(window.vertCount); ++bar) {
    const int x = px(window.vertPos[Index(bar)]);
    const PenFor pen(dc, highlight.vert == bar);
    dc.Rectangle(x - kHandleHalf, handleY - kHandleHalf, x + kHandleHalf, handleY + kHandleHalf);
  }
}

int GrillCanvas::ColumnAt(const GrillWindow& window, int x) const {
  if (!CanDraw(window)) {
    return -1;
  }
  return BandAt(ToMillimetres(x, originX, scale_), window.vertPos, window.vertCount,
                window.innerWidth);
}

int GrillCanvas::RowAt(const GrillWindow& window, int y) const {
  if (!CanDraw(window)) {
    return -1;
  }
  return BandAt(ToMillimetres(y, originY, scale_), window.horzPos, window.horzCount,
                window.innerHeight);
}

const GrillWindow* GrillCanvas::Drawable(const CanvasHost& host) const {
  const GrillWindow* window = host.ShownDesign();
  return window != nullptr && CanDraw(*window) ? window : nullptr;
}

void GrillCanvas::OnLButtonDown(CanvasHost& host, unsigned /*flags*/, int x, int y) {
  draggedTo_.reset();
  if (const GrillWindow* window = Drawable(host)) {
    PickBar(*window, x, y);
  }
}

// Every handle under the press is tested in turn, so that of overlapping
// handles the highest-numbered bar is the one dragged. A press on no handle
// leaves any drag as it was.
void GrillCanvas::PickBar(const GrillWindow& window, int x, int y) {
  if (WithinHandle(x, originX / 2)) {
    for (int bar = 1; bar <= BarCount(window.horzCount); ++bar) {
      if (WithinHandle(y, py(window.horzPos[Index(bar)]))) {
        pointer_.dragHorz = bar;
      }
    }
  }
  if (WithinHandle(y, originY / 2)) {
    for (int bar = 1; bar <= BarCount(window.vertCount); ++bar) {
      if (WithinHandle(x, px(window.vertPos[Index(bar)]))) {
        pointer_.dragVert = bar;
      }
    }
  }
}

void GrillCanvas::OnMouseMove(CanvasHost& host, unsigned flags, int x, int y) {
  // Shift pressed or let go during a drag goes on with the same drag.
  const bool sameGesture =
      flags == gestureFlags_ || (IsLeftDrag(flags) && IsLeftDrag(gestureFlags_));
  if (gestureOpen_ && !sameGesture) {
    EndGesture(host);
  }
  pointer_.lastX = x;
  pointer_.lastY = y;
  const bool leftAlone = IsLeftDrag(flags);
  const bool rightAlone = flags == kMouseRight;
  if (!leftAlone) {
    pointer_.dragHorz = -1;
    pointer_.dragVert = -1;
  }
  auto bandsUnderPointer = [this, &host, x, y] {
    const GrillWindow* window = Drawable(host);
    return window != nullptr ? std::pair{ColumnAt(*window, x), RowAt(*window, y)}
                             : std::pair{-1, -1};
  };
  auto [column, row] = bandsUnderPointer();
  DragBars(host, flags);
  if (leftAlone) {
    // A bar dragged just now already divides the bands it crossed.
    std::tie(column, row) = bandsUnderPointer();
    ShapeSegments(host, flags, column, row, true);
  } else if (rightAlone) {
    ShapeSegments(host, flags, column, row, false);
  }
  pointer_.prevColumn = column;
  pointer_.prevRow = row;
}

void GrillCanvas::OnLButtonUp(CanvasHost& host, unsigned /*flags*/, int /*x*/, int /*y*/) {
  if (gestureOpen_) {
    EndGesture(host);
  } else {
    if (pointer_.dragHorz >= 1) {
      host.DragReleasedUnmoved(Axis::Horizontal);
    }
    if (pointer_.dragVert >= 1) {
      host.DragReleasedUnmoved(Axis::Vertical);
    }
  }
  pointer_.dragHorz = -1;
  pointer_.dragVert = -1;
}

// The dragged bar follows the pointer without limits: past its neighbours,
// out of the grill area, to negative positions. Only a bar that still exists
// is dragged; one removed while the button is held is left alone.
void GrillCanvas::DragBars(CanvasHost& host, unsigned flags) {
  const GrillWindow* window = Drawable(host);
  if (window == nullptr) {
    return;
  }
  if (pointer_.dragHorz >= 1 && pointer_.dragHorz <= BarCount(window->horzCount)) {
    draggedTo_ = DragPosition(ToMillimetres(pointer_.lastY, originY, scale_), flags, unit_);
    Report(host, flags).BarDragged(Axis::Horizontal, pointer_.dragHorz, *draggedTo_);
    window = host.ShownDesign();
  }
  if (pointer_.dragVert >= 1 && pointer_.dragVert <= BarCount(window->vertCount)) {
    draggedTo_ = DragPosition(ToMillimetres(pointer_.lastX, originX, scale_), flags, unit_);
    Report(host, flags).BarDragged(Axis::Vertical, pointer_.dragVert, *draggedTo_);
  }
}

std::optional<GrillCanvas::DraggedPosition> GrillCanvas::DraggedPositionLabel() const {
  if (!draggedTo_ || (pointer_.dragHorz < 1 && pointer_.dragVert < 1)) {
    return std::nullopt;
  }
  const std::string text =
      unit_ == Unit::Inches ? FormatInchFraction(*draggedTo_) : FormatFixed(*draggedTo_, 1) + " mm";
  return DraggedPosition{text, pointer_.lastX + kLabelOffset, pointer_.lastY - kLabelOffset};
}

// Crossing a bar between the previous move and this one gives or takes that
// bar's segment in the band the pointer is in now. A skip over several bands
// changes one bar per direction only: the bar that begins the higher-numbered
// of the two bands. Bar numbers left over from a design that has since lost
// bars change nothing.
void GrillCanvas::ShapeSegments(CanvasHost& host, unsigned flags, int column, int row, bool given) {
  const GrillWindow* window = Drawable(host);
  if (window == nullptr || column < 0 || row < 0 || pointer_.prevColumn < 0 ||
      pointer_.prevRow < 0) {
    return;
  }
  // The bar being dragged snaps to its step, so the pointer may pass it by
  // less than a step: that changes none of its segments.
  if (column != pointer_.prevColumn) {
    const int bar = std::max(column, pointer_.prevColumn);
    if (bar <= BarCount(window->vertCount) && bar != pointer_.dragVert) {
      Report(host, flags).SegmentShaped(Axis::Vertical, bar, row, given);
      window = host.ShownDesign();
    }
  }
  if (row != pointer_.prevRow) {
    const int bar = std::max(row, pointer_.prevRow);
    if (bar <= BarCount(window->horzCount) && bar != pointer_.dragHorz) {
      Report(host, flags).SegmentShaped(Axis::Horizontal, bar, column, given);
    }
  }
}

CanvasHost& GrillCanvas::Report(CanvasHost& host, unsigned flags) {
  gestureOpen_ = true;
  gestureFlags_ = flags;
  return host;
}

void GrillCanvas::EndGesture(CanvasHost& host) {
  gestureOpen_ = false;
  host.GestureEnded();
}

}  // namespace grill
