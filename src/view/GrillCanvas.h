#pragma once

#include <cstdint>
#include <functional>

#include "model/GrillWindow.h"
#include "platform/Drawing.h"

namespace grill {

// The drawing of the current design and the mouse work on it. Works on
// numbers alone: pixel positions and button flags in, design changes out.
//
// A design is drawn and shaped only when its inner width and height are
// finite and positive and the scale is finite and positive; for any other
// design the canvas draws nothing and the mouse changes nothing, so no
// division by a zero size ever reaches a coordinate.
class GrillCanvas {
 public:
  struct Rect {
    int left = 10;
    int top = 10;
    int right = 300;
    int bottom = 300;
  };

  // `invalidateDialog` asks for a repaint of the whole dialog.
  explicit GrillCanvas(std::function<void()> invalidateDialog = {});

  void SetInvalidate(std::function<void()> invalidateDialog);
  // The design the mouse works on; changing it to another design or to none
  // ends any drag and forgets the band under the pointer.
  void SetDesign(GrillWindow* design);
  GrillWindow* Design() const { return design_; }

  // The scale that fits the design's inner size into `bounds` less the
  // margins. A design of no drawable size leaves the scale as it was.
  void UpdateScale(const GrillWindow& window);
  void DrawGrill(DrawingContext& dc, const GrillWindow& window) const;
  void DrawHandles(DrawingContext& dc, const GrillWindow& window) const;
  // The band under a pixel, -1 outside the grill area or without a design.
  int ColumnAt(int x) const;
  int RowAt(int y) const;

  void OnLButtonDown(unsigned flags, int x, int y);
  void OnMouseMove(unsigned flags, int x, int y);
  void OnLButtonUp(unsigned flags, int x, int y);

  // Where a length in millimetres is drawn, held within a million pixels.
  int px(double x) const;
  int py(double y) const;
  // Whether `window` is drawn (and shaped) at the current scale.
  bool CanDraw(const GrillWindow& window) const;

  Rect bounds;
  int originX = 10;
  int originY = 10;
  double scale = 1.0;
  int margin = 10;
  int dragHorz = -1;
  int dragVert = -1;
  int lastX = 0;
  int lastY = 0;
  int prevRow = -1;
  int prevColumn = -1;

 private:
  bool HasDrawableDesign() const { return design_ != nullptr && CanDraw(*design_); }
  void PickBar(int x, int y);
  void DragBars();
  void ShapeSegments(int column, int row, std::uint8_t value);
  void Invalidate() const;

  GrillWindow* design_ = nullptr;
  std::function<void()> invalidate_;
};

}  // namespace grill
