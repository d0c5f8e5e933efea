#include "testing/RecordingDrawing.h"

namespace grill {

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
