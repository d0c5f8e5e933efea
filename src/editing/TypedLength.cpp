#include "editing/TypedLength.h"

#include <cmath>

#include "model/Measurements.h"
#include "model/ShopLength.h"

namespace grill {

std::optional<double> FiniteMillimetres(double typed, Unit unit) {
  const double millimetres = ToMillimetres(typed, unit);
  if (!std::isfinite(millimetres)) {
    return std::nullopt;
  }
  return millimetres;
}

std::optional<double> ParseTypedLength(std::string_view text, Unit unit) {
  const auto typed = ParseShopLength(text, unit);
  if (!typed) {
    return std::nullopt;
  }
  return FiniteMillimetres(*typed, unit);
}

std::optional<double> ParseTypedLengthFrom(std::string_view text, Unit unit, double smallest) {
  const auto typed = ParseShopLength(text, unit);
  if (!typed || *typed < smallest) {
    return std::nullopt;
  }
  return FiniteMillimetres(*typed, unit);
}

}  // namespace grill
