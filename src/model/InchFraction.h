#pragma once

#include <string>

namespace grill {

// Shop drawings give inches to the nearest sixteenth.
inline constexpr int kInchFractionDenominator = 16;

// A length in millimetres as a mixed number of inches rounded to the nearest
// 1/16 inch, the fraction in lowest terms: "23 3/8\"", "1/2\"", "12\"",
// "-1 1/4\"". Anything that rounds to nothing is "0\"" (never "-0\""); a value
// that is not finite or too large to count in sixteenths is "?\"".
std::string FormatInchFraction(double millimetres);

}  // namespace grill
