#pragma once

#include <optional>
#include <string_view>

#include "model/Units.h"

namespace grill {

// A length typed in the dialog's unit, in millimetres. Empty when the
// product is not finite, so that a huge inch value counts as a rejected text
// and never reaches a design.
std::optional<double> FiniteMillimetres(double typed, Unit unit);

// A length field's text read as a shop writes it (ParseShopLength: fractions
// and the inch mark in inches, blanks around the number) and converted to
// millimetres; empty when the text is no length or the conversion overflows.
std::optional<double> ParseTypedLength(std::string_view text, Unit unit);

// A length refused below `smallest` as typed, before the conversion.
std::optional<double> ParseTypedLengthFrom(std::string_view text, Unit unit, double smallest);

}  // namespace grill
