#pragma once

#include <string>

namespace grill::cutplan {

// The shortest text that reads back as the same double, '.' as the decimal
// mark whatever the locale.
std::string ShortestText(double value);

}  // namespace grill::cutplan
