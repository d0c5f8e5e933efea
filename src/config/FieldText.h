#pragma once

#include <string>
#include <string_view>

namespace grill {

inline bool IsBlankOrComma(char c) {
  return c == ' ' || c == ',';
}

inline bool IsLineBreak(char c) {
  return c == '\n' || c == '\r';
}

// Walks the fields of a configuration line in order, as views into the line:
// the first field is the text before the first comma, every later one starts
// with its comma. A line without commas is one field, an empty line one
// empty field. The line must outlive the walk.
class CommaFields {
 public:
  explicit CommaFields(std::string_view line) : rest_(line) {}

  // The number of fields of `line`: one more than its commas.
  static size_t CountIn(std::string_view line);

  bool AtEnd() const { return atEnd_; }
  // The next field; only called while not AtEnd().
  std::string_view Next();

 private:
  std::string_view rest_;
  bool first_ = true;
  bool atEnd_ = false;
};

// The bytes of `text` other than blanks and commas, in order. Tabs and line
// breaks stay.
std::string StripBlanksAndCommas(std::string_view text);

// The bytes of `text` other than blanks, in order. A line stripped so has
// fields that need no stripping of their own, apart from the comma they
// start with.
std::string StripBlanks(std::string_view text);

// A field without the comma it starts with.
inline std::string_view AfterComma(std::string_view field) {
  return field.starts_with(',') ? field.substr(1) : field;
}

struct KeyValue {
  std::string key;
  std::string value;
};

struct KeyValueView {
  std::string_view key;
  std::string_view value;
};

// Splits a field of a line stripped of blanks at its first '=', its leading
// comma dropped. A field without '=' is all key, with an empty value.
KeyValueView SplitStrippedField(std::string_view field);

// Strips the field of blanks and commas and splits it at its first '='. A
// field without '=' is all key, with an empty value.
KeyValue SplitKeyValue(std::string_view field);

}  // namespace grill
