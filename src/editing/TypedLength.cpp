#include "editing/TypedLength.h"

#include <cmath>

#include "model/Measurements.h"

namespace grill {

std::optional<double> FiniteMillimetres(double typed, Unit unit) {
  const double millimetres = ToMillimetres(typed, unit);
  if (!std::isfinite(millimetres)) {
    return std::nullopt;
  }
  return millimetres;
}

std::optional<double> ParseTypedNumber(std::string_view text) {
  int ok = 0;
  const double typed = ParseDecimal(text, ok);
  if (ok == 0) {
    return std::nullopt;
  }
  return typed;
}

std::optional<double> ParseTypedLength(std::string_view text, Unit unit) {
  const auto typed = ParseTypedNumber(text);
  if (!typed) {
    return std::nullopt;
  }
  return FiniteMillimetres(*typed, unit);
}

std::optional<double> ParseTypedLengthFrom(std::string_view text, Unit unit, double smallest) {
  const auto typed = ParseTypedNumber(text);
  if (!typed || *typed < smallest) {
    return std::nullopt;
  }
  return FiniteMillimetres(*typed, unit);
}

}  // namespace grill
