#include "editing/TypedLength.h"

#include <cmath>

#include "model/Measurements.h"

namespace grill {

std::optional<double> FiniteMillimetres(double typed, int useMillimetres) {
  const double millimetres = ToMillimetres(typed, useMillimetres);
  if (!std::isfinite(millimetres)) {
    return std::nullopt;
  }
  return millimetres;
}

std::optional<double> ParseTypedLength(std::string_view text, int useMillimetres) {
  int ok = 0;
  const double typed = ParseDecimal(text, ok);
  if (ok == 0) {
    return std::nullopt;
  }
  return FiniteMillimetres(typed, useMillimetres);
}

}  // namespace grill
