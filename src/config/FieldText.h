#pragma once

#include <array>
#include <string>
#include <string_view>

namespace grill {

inline bool IsBlankOrComma(char c) {
  return c == ' ' || c == ',';
}

// The bytes of `text` other than blanks and commas, in order. Tabs and line
// breaks stay.
std::string StripBlanksAndCommas(std::string_view text);
// The same on `text` itself, without a copy.
void StripBlanksAndCommasInPlace(std::string& text);

struct KeyValue {
  std::string key;
  std::string value;
};

// Strips the field of blanks and commas and splits it at its first '='. A
// field without '=' is all key, with an empty value.
KeyValue SplitKeyValue(std::string_view field);

// The same two steps without copying where the field allows: the result
// refers into `field` when only its ends held blanks or commas, otherwise
// into `storage`. Section readers use these for each field of each line, so
// the usual case is written here to be inlined into them.
std::string_view StripBlanksAndCommas(std::string_view text, std::string& storage);

struct KeyValueView {
  std::string_view key;
  std::string_view value;
};
KeyValueView SplitKeyValue(std::string_view field, std::string& storage);

namespace field_text {

// What a byte is to a field. One table look-up per byte, where testing for
// blank, comma and '=' in turn takes a compare each.
enum ByteKind : unsigned char { kText, kBlankOrComma, kEquals };

inline constexpr std::array<ByteKind, 256> kByteKinds = [] {
  std::array<ByteKind, 256> kinds{};
  kinds[' '] = kBlankOrComma;
  kinds[','] = kBlankOrComma;
  kinds['='] = kEquals;
  return kinds;
}();

inline ByteKind KindOf(char c) {
  return kByteKinds[static_cast<unsigned char>(c)];
}

// The first byte from `at` that is neither blank nor comma, or `end`.
inline const char* SkipBlanksAndCommas(const char* at, const char* end) {
  while (at != end && KindOf(*at) == kBlankOrComma) {
    ++at;
  }
  return at;
}

// The first blank or comma from `at`, or `end`.
inline const char* SkipToBlankOrComma(const char* at, const char* end) {
  while (at != end && KindOf(*at) != kBlankOrComma) {
    ++at;
  }
  return at;
}

// The two steps for a text with blanks or commas between its other bytes,
// from its first byte that is neither: its stripped text is built in
// `storage`.
std::string_view StripInside(const char* begin, const char* end, std::string& storage);
KeyValueView SplitKeyValueInside(const char* begin, const char* end, std::string& storage);

}  // namespace field_text

inline std::string_view StripBlanksAndCommas(std::string_view text, std::string& storage) {
  using namespace field_text;
  const char* const end = text.data() + text.size();
  const char* const begin = SkipBlanksAndCommas(text.data(), end);
  const char* const runEnd = SkipToBlankOrComma(begin, end);
  // Most fields only lead (or end) with blanks and commas: then the run
  // between is the stripped text as it stands, found in one pass.
  if (SkipBlanksAndCommas(runEnd, end) == end) {
    return {begin, static_cast<size_t>(runEnd - begin)};
  }
  return StripInside(begin, end, storage);
}

inline KeyValueView SplitKeyValue(std::string_view field, std::string& storage) {
  using namespace field_text;
  // One pass over the usual field ", KEY=VALUE": the key runs to the first
  // '=', the value to the first blank or comma after it.
  const char* const end = field.data() + field.size();
  const char* const keyBegin = SkipBlanksAndCommas(field.data(), end);
  const char* keyEnd = keyBegin;
  while (keyEnd != end && KindOf(*keyEnd) == kText) {
    ++keyEnd;
  }
  const char* valueBegin = keyEnd;
  const char* valueEnd = keyEnd;
  if (keyEnd != end && *keyEnd == '=') {
    valueBegin = keyEnd + 1;
    valueEnd = SkipToBlankOrComma(valueBegin, end);
  }
  if (SkipBlanksAndCommas(valueEnd, end) != end) {
    return SplitKeyValueInside(keyBegin, end, storage);
  }
  return {{keyBegin, static_cast<size_t>(keyEnd - keyBegin)},
          {valueBegin, static_cast<size_t>(valueEnd - valueBegin)}};
}

}  // namespace grill
