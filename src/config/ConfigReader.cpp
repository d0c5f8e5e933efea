#include "config/ConfigReader.h"

#include <algorithm>

#include "config/FieldText.h"
#include "model/Measurements.h"

namespace grill {

int ConfigReader::LoadWholeFile(ReadableFile& file) {
  const std::int64_t length = file.Length();
  if (length < 0 || length >= kConfigFileLimit) {
    return -1;
  }
  std::string bytes(static_cast<size_t>(length), '\0');
  const std::int64_t read = file.Read(bytes.data(), length);
  // A short read leaves the tail unwritten: only the bytes actually read are
  // parsed.
  bytes.resize(static_cast<size_t>(std::clamp<std::int64_t>(read, 0, length)));
  buffer_ = std::move(bytes);
  cursor_ = 0;
  countedTo_ = 0;
  lineFeedsCounted_ = 0;
  return 0;
}

std::int32_t ConfigReader::LineFeedsBefore(size_t position) const {
  if (position < countedTo_) {
    countedTo_ = 0;
    lineFeedsCounted_ = 0;
  }
  // A search per line feed: long runs without one (blank padding, a long
  // line) are passed at the speed of memchr.
  const std::string_view passed = std::string_view(buffer_).substr(0, position);
  for (size_t at = passed.find('\n', countedTo_); at != std::string_view::npos;
       at = passed.find('\n', at + 1)) {
    ++lineFeedsCounted_;
  }
  countedTo_ = position;
  return lineFeedsCounted_;
}

std::int32_t ConfigReader::LineNumber() const {
  return LineFeedsBefore(cursor_);
}

size_t ConfigReader::Find(char wanted, size_t from, size_t to) const {
  if (from >= to) {
    return to;
  }
  const size_t found = std::string_view(buffer_).substr(0, to).find(wanted, from);
  return found == std::string_view::npos ? to : found;
}

std::string ConfigReader::InvalidTagAtEnd() {
  cursor_ = buffer_.size();
  return "?Err Line " + FormatInteger(LineNumber()) + ": invalid tag";
}

std::string ConfigReader::NextSection() {
  sectionLines.clear();
  sectionLineNumbers.clear();
  const size_t end = buffer_.size();

  // Bytes outside sections are skipped up to the next opening '<'.
  const size_t opening = Find('<', cursor_, end);
  if (opening >= end) {
    cursor_ = end;
    return "?End of File";
  }
  const size_t nameStart = opening + 1;
  const size_t nameEnd = Find('>', nameStart, end);
  if (nameEnd >= end) {
    return InvalidTagAtEnd();
  }
  const std::string name = buffer_.substr(nameStart, nameEnd - nameStart);

  // Body, from the '>': every line starts at a letter or digit and ends
  // before its ';'. The first '<' ends the body and drops a line still
  // waiting for its ';'.
  const size_t bodyEnd = Find('<', nameEnd, end);
  size_t at = nameEnd;
  for (;;) {
    while (at < bodyEnd && !IsAsciiLetterOrDigit(buffer_[at])) {
      ++at;
    }
    const size_t semicolon = Find(';', at, bodyEnd);
    if (semicolon == bodyEnd) {
      break;
    }
    sectionLines.push_back(buffer_.substr(at, semicolon - at));
    sectionLineNumbers.push_back(LineFeedsBefore(at) + 1);
    at = semicolon;
  }
  if (bodyEnd >= end) {
    return InvalidTagAtEnd();
  }

  // Closing tag: '<', a backslash, the same name, '>'.
  const size_t slash = bodyEnd + 1;
  if (slash >= end) {
    return InvalidTagAtEnd();
  }
  if (buffer_[slash] != '\\') {
    cursor_ = slash;
    return "?Invalid Closing Tag";
  }
  const size_t closingEnd = Find('>', slash + 1, end);
  if (closingEnd >= end) {
    return InvalidTagAtEnd();
  }
  cursor_ = closingEnd;
  if (buffer_.compare(slash + 1, closingEnd - slash - 1, name) != 0) {
    return "?Invalid Closing Tag: ";
  }
  return name;
}

void ConfigReader::SplitFields(std::string_view line) {
  fields.clear();
  for (CommaFields walk(line); !walk.AtEnd();) {
    fields.emplace_back(walk.Next());
  }
  fieldCount = static_cast<std::int32_t>(fields.size());
}

}  // namespace grill
