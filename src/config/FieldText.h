#pragma once

#include <string>
#include <string_view>

namespace grill {

inline bool IsBlankOrComma(char c) {
  return c == ' ' || c == ',';
}

// The bytes of `text` other than blanks and commas, in order. Tabs and line
// breaks stay.
std::string StripBlanksAndCommas(std::string_view text);

struct KeyValue {
  std::string key;
  std::string value;
};

// Strips the field of blanks and commas and splits it at its first '='. A
// field without '=' is all key, with an empty value.
KeyValue SplitKeyValue(std::string_view field);

}  // namespace grill
