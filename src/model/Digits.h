#pragma once

#include <algorithm>
#include <string_view>

namespace grill {

// The digits 0 to 9 as files and typed fields hold them, whatever the
// locale's idea of a digit.
inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Some digits and nothing else.
inline bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

}  // namespace grill
