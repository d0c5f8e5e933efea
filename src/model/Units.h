#pragma once

namespace grill {

// The unit lengths are shown and typed in; designs always hold millimetres.
enum class Unit { Inches, Millimetres };

// How respacing spreads the bars: evenly over the span, or dividing the space
// between the chosen bars.
enum class SpacingMode { EqualSpace, Divided };

}  // namespace grill
