#pragma once

#include <optional>
#include <string>

#include "model/GrillWindow.h"
#include "model/Units.h"
#include "platform/Drawing.h"
#include "view/CanvasHost.h"

namespace grill {

// The pen of the bar selected in a bar list: blue and three pixels wide.
inline constexpr Pen kHighlightPen{0x0050FF, 3};

// The drawing of the shown design and the mouse work on it. Works on
// numbers alone: pixel positions and button flags in, gestures out to the
// host, which changes the design.
//
// A design is drawn and shaped only when its inner width and height are
// finite and positive and the scale is finite and positive; for any other
// design the canvas draws nothing and the mouse changes nothing, so no
// division by a zero size ever reaches a coordinate.
class GrillCanvas {
 public:
  // The canvas's client size in pixels; the template's is 290 by 290.
  struct Size {
    int width = 290;
    int height = 290;
  };

  // The bar drawn highlighted in each direction, by number (from 1): the one
  // selected in its bar list. A number the design has no bar for draws nothing.
  struct Highlight {
    std::optional<int> horz;
    std::optional<int> vert;
  };

  // Where the pointer's work stands: the bars being dragged (-1 none) and
  // the bands the last move was in (-1 outside).
  struct Pointer {
    int dragHorz = -1;
    int dragVert = -1;
    int lastX = 0;
    int lastY = 0;
    int prevRow = -1;
    int prevColumn = -1;
  };

  // Another design (or none) is shown: any drag ends and the band under the
  // pointer is forgotten, without a gesture reported.
  void ForgetPointer();

  // The unit the dialog shows: a dragged bar's centre snaps to its step
  // (1/16" in inches, 0.5 mm in millimetres) unless Shift is held, and the
  // dragged position is told in it.
  void SetUnit(Unit unit) { unit_ = unit; }
  // The position of the bar being dragged, in the dialog's unit, and the
  // pixel beside the pointer it is shown at; nothing while no bar moves.
  struct DraggedPosition {
    std::string text;
    int x = 0;
    int y = 0;
  };
  std::optional<DraggedPosition> DraggedPositionLabel() const;

  // The scale that fits the design's inner size into the client size less
  // a margin on each side. A design of no drawable size leaves the scale as
  // it was.
  void UpdateScale(const GrillWindow& window);
  // The highlighted bars are drawn with kHighlightPen.
  void DrawGrill(DrawingContext& dc, const GrillWindow& window,
                 const Highlight& highlight = {}) const;
  void DrawHandles(DrawingContext& dc, const GrillWindow& window,
                   const Highlight& highlight = {}) const;
  // The band of `window` under a pixel, -1 outside the grill area or for a
  // design that is not drawn.
  int ColumnAt(const GrillWindow& window, int x) const;
  int RowAt(const GrillWindow& window, int y) const;

  void OnLButtonDown(CanvasHost& host, unsigned flags, int x, int y);
  void OnMouseMove(CanvasHost& host, unsigned flags, int x, int y);
  void OnLButtonUp(CanvasHost& host, unsigned flags, int x, int y);

  // Where a length in millimetres is drawn, held within a million pixels.
  int px(double x) const;
  int py(double y) const;
  // Whether `window` is drawn (and shaped) at the current scale.
  bool CanDraw(const GrillWindow& window) const;

  double Scale() const { return scale_; }
  const Pointer& PointerState() const { return pointer_; }

  // The canvas's size and layout in its client pixels. The margin on each
  // side is as wide as the origin lies from the edge, so the grill keeps as
  // much room on the right and bottom as on the left and top.
  Size clientSize;
  int originX = 10;
  int originY = 10;
  int margin = 10;

 private:
  const GrillWindow* Drawable(const CanvasHost& host) const;
  void PickBar(const GrillWindow& window, int x, int y);
  void DragBars(CanvasHost& host, unsigned flags);
  void ShapeSegments(CanvasHost& host, unsigned flags, int column, int row, bool given);
  // Marks a gesture as under way before reporting it.
  CanvasHost& Report(CanvasHost& host, unsigned flags);
  void EndGesture(CanvasHost& host);

  double scale_ = 1.0;
  Unit unit_ = Unit::Millimetres;
  Pointer pointer_;
  // The last position a dragged bar was put at, for the label beside the pointer.
  std::optional<double> draggedTo_;
  bool gestureOpen_ = false;
  unsigned gestureFlags_ = 0;
};

}  // namespace grill
