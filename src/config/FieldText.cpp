#include "config/FieldText.h"

#include <algorithm>

namespace grill {

std::string StripBlanksAndCommas(std::string_view text) {
  std::string stripped;
  stripped.reserve(text.size());
  std::copy_if(text.begin(), text.end(), std::back_inserter(stripped),
               [](char c) { return !IsBlankOrComma(c); });
  return stripped;
}

KeyValue SplitKeyValue(std::string_view field) {
  KeyValue pair{StripBlanksAndCommas(field), {}};
  const size_t equals = pair.key.find('=');
  if (equals != std::string::npos) {
    pair.value = pair.key.substr(equals + 1);
    pair.key.resize(equals);
  }
  return pair;
}

}  // namespace grill
