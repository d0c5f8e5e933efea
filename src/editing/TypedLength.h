#pragma once

#include <optional>
#include <string_view>

namespace grill {

// A length typed in the dialog's unit, in millimetres: multiplied by 25.4 when
// `useMillimetres` is 0. Empty when the product is not finite, so that a huge
// inch value counts as a rejected text and never reaches a design.
std::optional<double> FiniteMillimetres(double typed, int useMillimetres);

// A length field's text read with ParseDecimal and converted to millimetres;
// empty when the parser rejects the text or the conversion overflows.
std::optional<double> ParseTypedLength(std::string_view text, int useMillimetres);

}  // namespace grill
