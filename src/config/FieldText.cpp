#include "config/FieldText.h"

#include <algorithm>

namespace grill {

// Fields are a few bytes long: the searches below are plain scans, which
// cost less on them than a call of memchr each (string_view::find).

size_t CommaFields::CountIn(std::string_view line) {
  size_t count = 1;
  for (const char c : line) {
    count += c == ',' ? 1 : 0;
  }
  return count;
}

std::string_view CommaFields::Next() {
  // A later field starts with its comma, so its end is searched past it.
  const auto from = rest_.begin() + (first_ || rest_.empty() ? 0 : 1);
  const size_t end = static_cast<size_t>(std::find(from, rest_.end(), ',') - rest_.begin());
  first_ = false;
  const std::string_view field = rest_.substr(0, end);
  rest_.remove_prefix(end);
  atEnd_ = rest_.empty();
  return field;
}

namespace {

template <typename Dropped>
std::string Without(std::string_view text, Dropped dropped) {
  std::string kept(text.size(), '\0');
  kept.erase(std::remove_copy_if(text.begin(), text.end(), kept.begin(), dropped), kept.end());
  return kept;
}

}  // namespace

std::string StripBlanksAndCommas(std::string_view text) {
  return Without(text, [](char c) { return IsBlankOrComma(c); });
}

std::string StripBlanks(std::string_view text) {
  return Without(text, [](char c) { return c == ' '; });
}

KeyValueView SplitStrippedField(std::string_view field) {
  const std::string_view text = AfterComma(field);
  const size_t equals =
      static_cast<size_t>(std::find(text.begin(), text.end(), '=') - text.begin());
  if (equals == text.size()) {
    return {text, {}};
  }
  return {text.substr(0, equals), text.substr(equals + 1)};
}

KeyValue SplitKeyValue(std::string_view field) {
  const std::string stripped = StripBlanksAndCommas(field);
  const KeyValueView pair = SplitStrippedField(stripped);
  return {std::string(pair.key), std::string(pair.value)};
}

}  // namespace grill
