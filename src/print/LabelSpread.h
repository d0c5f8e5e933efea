#pragma once

#include <vector>

namespace grill::print {

struct LabelSpread {
  std::vector<double> centres;  // in the order of the wanted centres
  double pitch = 0.0;           // the distance kept between neighbours
};

// Places labels along one axis as near as it can to where they are wanted,
// keeping neighbours at least `pitch` apart and every label of that pitch
// inside [low, high]. When the labels cannot all fit, the pitch shrinks to
// share the range out evenly. Wanted centres must be finite.
LabelSpread SpreadLabels(const std::vector<double>& wanted, double pitch, double low, double high);

}  // namespace grill::print
