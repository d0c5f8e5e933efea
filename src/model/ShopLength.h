#pragma once

#include <optional>
#include <string_view>

#include "model/Units.h"

namespace grill {

// A length field's text as a shop types it, in the unit it is typed in (not
// converted). Every text ParseDecimal accepts keeps its value. Otherwise blanks
// around the number are allowed, and in inches also a plain fraction ("1/2"), a
// mixed number ("35 1/2", "35-1/2") and any of these or a decimal followed by
// the inch mark ("35 1/2\"", "35.5\""). Fractions carry no sign; each run of
// digits is read within 32 bits and a zero denominator is refused.
std::optional<double> ParseShopLength(std::string_view text, Unit unit);

}  // namespace grill
