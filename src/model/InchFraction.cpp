#include "model/InchFraction.h"

#include <cmath>
#include <cstdint>
#include <numeric>

#include "model/Measurements.h"

namespace grill {
namespace {

// Well inside the range of std::int64_t, so llround never overflows.
constexpr double kLargestSixteenths = 1e15;

}  // namespace

std::string FormatInchFraction(double millimetres) {
  const double sixteenths = millimetres / kMillimetresPerInch * kInchFractionDenominator;
  if (!std::isfinite(sixteenths) || std::fabs(sixteenths) > kLargestSixteenths) {
    return "?\"";
  }
  const std::int64_t rounded = std::llround(sixteenths);
  const std::int64_t magnitude = rounded < 0 ? -rounded : rounded;
  const std::int64_t whole = magnitude / kInchFractionDenominator;
  std::int64_t numerator = magnitude % kInchFractionDenominator;
  std::int64_t denominator = kInchFractionDenominator;
  const std::int64_t divisor = std::gcd(numerator, denominator);
  numerator /= divisor;
  denominator /= divisor;

  std::string text = rounded < 0 ? "-" : "";
  if (whole != 0 || numerator == 0) {
    text += FormatInteger(whole);
  }
  if (numerator != 0) {
    if (whole != 0) {
      text += ' ';
    }
    text += FormatInteger(numerator) + '/' + FormatInteger(denominator);
  }
  return text + '"';
}

}  // namespace grill
