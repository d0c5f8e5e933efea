#pragma once

#include <string>
#include <string_view>

namespace grill {

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

// The same two steps without copying where the field allows: the result
// refers into `field` when only its ends held blanks or commas, otherwise
// into `storage`. Section readers use these for each field of each line.
std::string_view StripBlanksAndCommas(std::string_view text, std::string& storage);

struct KeyValueView {
  std::string_view key;
  std::string_view value;
};
KeyValueView SplitKeyValue(std::string_view field, std::string& storage);

}  // namespace grill
