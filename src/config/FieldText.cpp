#include "config/FieldText.h"

#include <algorithm>

namespace grill {
namespace {

bool IsBlankOrComma(char c) {
  return c == ' ' || c == ',';
}

}  // namespace

std::string_view StripBlanksAndCommas(std::string_view text, std::string& storage) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  while (begin < end && IsBlankOrComma(*begin)) {
    ++begin;
  }
  while (end > begin && IsBlankOrComma(end[-1])) {
    --end;
  }
  // Most fields only lead with a comma and a blank: then what lies between
  // is the stripped text as it stands.
  const char* inner = std::find_if(begin, end, IsBlankOrComma);
  if (inner == end) {
    return {begin, static_cast<size_t>(end - begin)};
  }
  storage.assign(begin, inner);
  std::copy_if(inner, end, std::back_inserter(storage), [](char c) { return !IsBlankOrComma(c); });
  return storage;
}

std::string StripBlanksAndCommas(std::string_view text) {
  std::string storage;
  return std::string(StripBlanksAndCommas(text, storage));
}

KeyValueView SplitKeyValue(std::string_view field, std::string& storage) {
  const std::string_view stripped = StripBlanksAndCommas(field, storage);
  const auto equals = std::find(stripped.begin(), stripped.end(), '=');
  if (equals == stripped.end()) {
    return {stripped, {}};
  }
  const auto at = static_cast<size_t>(equals - stripped.begin());
  return {stripped.substr(0, at), stripped.substr(at + 1)};
}

KeyValue SplitKeyValue(std::string_view field) {
  std::string storage;
  const KeyValueView pair = SplitKeyValue(field, storage);
  return {std::string(pair.key), std::string(pair.value)};
}

}  // namespace grill
