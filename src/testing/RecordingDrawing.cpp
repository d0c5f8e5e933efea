#include "testing/RecordingDrawing.h"

#include <cstdio>

namespace grill {

void RecordingDrawing::SetPen(Pen pen) {
  char colour[8];
  std::snprintf(colour, sizeof colour, "%06x", static_cast<unsigned>(pen.rgb & 0xFFFFFFu));
  operations.push_back("pen " + std::string(colour) + " " + std::to_string(pen.width));
}

void RecordingDrawing::MoveTo(int x, int y) {
  operations.push_back("moveto " + std::to_string(x) + " " + std::to_string(y));
}

void RecordingDrawing::LineTo(int x, int y) {
  operations.push_back("lineto " + std::to_string(x) + " " + std::to_string(y));
}

void RecordingDrawing::Rectangle(int left, int top, int right, int bottom) {
  operations.push_back("rect " + std::to_string(left) + " " + std::to_string(top) + " " +
                       std::to_string(right) + " " + std::to_string(bottom));
}

}  // namespace grill
