#pragma once

namespace grill {

// Drawing on a window with a one-pixel black pen and a white brush, in the
// window's own client pixels.
class DrawingContext {
 public:
  virtual ~DrawingContext() = default;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  // Outline with the pen, filled with the brush; right and bottom exclusive.
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
};

// Key-state flags of mouse messages.
enum MouseFlags : unsigned {
  kMouseLeft = 0x01,
  kMouseRight = 0x02,
  kMouseShift = 0x04,
  kMouseControl = 0x08,
  kMouseMiddle = 0x10,
};

}  // namespace grill
