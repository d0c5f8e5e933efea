#include "config/FieldText.h"

namespace grill {
namespace field_text {

std::string_view StripInside(const char* begin, const char* end, std::string& storage) {
  storage.clear();
  storage.reserve(static_cast<size_t>(end - begin));
  for (const char* at = begin; at != end; ++at) {
    if (KindOf(*at) != kBlankOrComma) {
      storage.push_back(*at);
    }
  }
  return storage;
}

KeyValueView SplitKeyValueInside(const char* begin, const char* end, std::string& storage) {
  const std::string_view stripped = StripInside(begin, end, storage);
  const size_t equals = stripped.find('=');
  if (equals == std::string_view::npos) {
    return {stripped, {}};
  }
  return {stripped.substr(0, equals), stripped.substr(equals + 1)};
}

}  // namespace field_text

std::string StripBlanksAndCommas(std::string_view text) {
  std::string storage;
  return std::string(StripBlanksAndCommas(text, storage));
}

void StripBlanksAndCommasInPlace(std::string& text) {
  // A lambda, not the function itself, so that the test is inlined.
  std::erase_if(text, [](char c) { return IsBlankOrComma(c); });
}

KeyValue SplitKeyValue(std::string_view field) {
  std::string storage;
  const KeyValueView pair = SplitKeyValue(field, storage);
  return {std::string(pair.key), std::string(pair.value)};
}

}  // namespace grill
