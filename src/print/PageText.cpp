#include "print/PageText.h"

#include <cmath>

#include "cutting/PlanFigures.h"

namespace grill::print {
namespace {

// Digits of a common sans-serif face take about 0.64 em; capitals more,
// blanks and punctuation less. One figure for all keeps boxes predictable.
constexpr double kAverageAdvance = 0.62;

}  // namespace

std::string FormatPageLength(double millimetres, Unit unit) {
  return FormatJobLength(millimetres, unit);
}

std::string_view RoundingNote(Unit unit) {
  return unit == Unit::Inches ? "Inches; fractions rounded to 1/16 inch."
                              : "Millimetres, rounded to 0.1 mm.";
}

double EstimatedTextWidth(std::string_view text, double size) {
  std::size_t characters = 0;
  for (const char c : text) {
    // Count UTF-8 lead bytes only, so that a design named in any script
    // counts its characters rather than its bytes.
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
      ++characters;
    }
  }
  return static_cast<double>(characters) * kAverageAdvance * size;
}

}  // namespace grill::print
