#pragma once

#include <string>
#include <string_view>

#include "model/Units.h"

namespace grill::print {

// A line's height over its text size, for lines of text set one under another.
inline constexpr double kLineSpacing = 1.25;

// A length in millimetres as a drawing writes it: inches as mixed fractions
// to the nearest 1/16, millimetres with one decimal.
std::string FormatPageLength(double millimetres, Unit unit);

// The sentence that states once per page how lengths were rounded.
std::string_view RoundingNote(Unit unit);

// The width in millimetres a single line of `text` takes at the em size
// `size`: a generous estimate for a plain sans-serif face, so that a box sized
// from it rarely makes the painter shrink the text.
double EstimatedTextWidth(std::string_view text, double size);

}  // namespace grill::print
