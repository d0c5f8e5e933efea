#include "LengthText.h"

#include <charconv>

namespace grill::cutplan {

std::string ShortestText(double value) {
  char buffer[32];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, end);
}

}  // namespace grill::cutplan
