#pragma once

#include <cstdint>

namespace grill {

// A pen: its colour as 0xRRGGBB and its width in pixels.
struct Pen {
  std::uint32_t rgb = 0x000000;
  int width = 1;
};

// The pen every drawing context starts with.
inline constexpr Pen kBlackPen{};

// Drawing on a window with a pen (at first kBlackPen) and a white brush, in
// the window's own client pixels.
class DrawingContext {
 public:
  virtual ~DrawingContext() = default;
  // Draws the lines and outlines that follow with `pen`.
  virtual void SetPen(Pen pen) = 0;
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
