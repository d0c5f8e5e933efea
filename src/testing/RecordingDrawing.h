#pragma once

#include <string>
#include <vector>

#include "platform/Drawing.h"

namespace grill {

// Records every drawing operation as text: "rect L T R B", "moveto X Y",
// "lineto X Y", "pen RRGGBB W" (the colour in hexadecimal).
class RecordingDrawing final : public DrawingContext {
 public:
  void SetPen(Pen pen) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int left, int top, int right, int bottom) override;

  std::vector<std::string> operations;
};

}  // namespace grill
