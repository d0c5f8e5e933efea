#include "config/ConfigReader.h"

#include <algorithm>
#include <cstring>

#include "model/Measurements.h"

namespace grill {

int ConfigReader::LoadWholeFile(ReadableFile& file) {
  const std::int64_t length = file.Length();
  if (length < 0 || length >= kConfigFileLimit) {
    return -1;
  }
  auto fresh = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(length));
  const std::int64_t read = file.Read(fresh.get(), length);
  // A short read leaves the tail of the buffer unwritten: only the bytes
  // actually read are parsed.
  buffer_ = std::move(fresh);
  bufferSize_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(read, 0, length));
  cursor_ = 0;
  lineNumber_ = 0;
  return 0;
}

void ConfigReader::AdvanceTo(std::int32_t position) {
  // Written without a branch so that the compiler counts many bytes at once.
  std::int32_t lineFeeds = 0;
  for (const char* at = buffer_.get() + cursor_; at != buffer_.get() + position; ++at) {
    lineFeeds += *at == '\n';
  }
  lineNumber_ += lineFeeds;
  cursor_ = position;
}

std::int32_t ConfigReader::Find(char wanted, std::int32_t from, std::int32_t to) const {
  if (from >= to) {
    return to;
  }
  const char* data = buffer_.get();
  const void* found = std::memchr(data + from, wanted, static_cast<size_t>(to - from));
  return found == nullptr ? to : static_cast<std::int32_t>(static_cast<const char*>(found) - data);
}

std::string ConfigReader::InvalidTagAtEnd() {
  AdvanceTo(bufferSize_);
  return "?Err Line " + FormatInteger(lineNumber_) + ": invalid tag";
}

std::string ConfigReader::NextSection() {
  sectionLines.clear();
  const char* data = buffer_.get();
  const std::int32_t end = bufferSize_;
  // The scan runs on `at`; the cursor follows it, counting the line feeds
  // passed, whenever a result is given.
  auto finish = [this](std::int32_t at, std::string result) {
    AdvanceTo(at);
    return result;
  };

  // Bytes outside sections are skipped up to the next opening '<'.
  std::int32_t at = Find('<', cursor_, end);
  if (at >= end) {
    return finish(end, "?End of File");
  }

  const std::int32_t nameStart = at + 1;
  const std::int32_t nameEnd = Find('>', nameStart, end);
  if (nameEnd >= end) {
    return InvalidTagAtEnd();
  }
  const std::string_view name(data + nameStart, static_cast<size_t>(nameEnd - nameStart));

  // Body, from the '>': every line starts at a letter or digit and ends
  // before its ';'. The first '<' ends the body and drops a line still
  // waiting for its ';'; it is looked up once, and every other search stops
  // there.
  const std::int32_t bodyEnd = Find('<', nameEnd, end);
  at = nameEnd;
  for (;;) {
    while (at < bodyEnd && !IsAsciiLetterOrDigit(data[at])) {
      ++at;
    }
    if (at == bodyEnd) {
      break;
    }
    const std::int32_t semicolon = Find(';', at, bodyEnd);
    if (semicolon == bodyEnd) {
      break;
    }
    sectionLines.emplace_back(data + at, static_cast<size_t>(semicolon - at));
    at = semicolon;
  }
  if (bodyEnd >= end) {
    return InvalidTagAtEnd();
  }

  // Closing tag: '<', a backslash, the same name, '>'.
  at = bodyEnd + 1;
  if (at >= end) {
    return InvalidTagAtEnd();
  }
  if (data[at] != '\\') {
    return finish(at, "?Invalid Closing Tag");
  }
  const std::int32_t closingStart = at + 1;
  const std::int32_t closingEnd = Find('>', closingStart, end);
  if (closingEnd >= end) {
    return InvalidTagAtEnd();
  }
  const std::string_view closingName(data + closingStart,
                                     static_cast<size_t>(closingEnd - closingStart));
  if (closingName != name) {
    return finish(closingEnd, "?Invalid Closing Tag: ");
  }
  return finish(closingEnd, std::string(name));
}

void ConfigReader::SplitFields(std::string_view line) {
  // One pass splits the line and learns each field's shape, so that the
  // readers need not scan each field again to strip it: a field holds a
  // comma only as its first byte, so stripping it only has blanks to remove.
  fields.clear();
  fieldShapes_.clear();
  const char* const data = line.data();
  size_t fieldStart = 0;
  size_t textBegin = 0;
  size_t textEnd = 0;
  FieldShape shape;
  auto closeField = [&](size_t end) {
    fields.emplace_back(data + fieldStart, end - fieldStart);
    shape.text = std::string_view(data + textBegin, textEnd - textBegin);
    if (shape.equals != std::string_view::npos) {
      shape.equals -= textBegin;
    }
    fieldShapes_.push_back(shape);
  };
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = data[i];
    if (c == ',') {
      closeField(i);
      fieldStart = i;
      textBegin = textEnd = 0;
      shape = FieldShape{};
    } else if (c != ' ') {
      if (textEnd == 0) {
        textBegin = i;
      } else if (textEnd != i) {
        shape.blankInside = true;
      }
      textEnd = i + 1;
      if (c == '=' && shape.equals == std::string_view::npos) {
        shape.equals = i;
      }
    }
  }
  closeField(line.size());
  fieldCount = static_cast<std::int32_t>(fields.size());
}

std::string_view ConfigReader::StrippedField(size_t index, std::string& storage) const {
  const FieldShape& shape = fieldShapes_[index];
  return shape.blankInside ? StripBlanksAndCommas(shape.text, storage) : shape.text;
}

KeyValueView ConfigReader::FieldKeyValue(size_t index, std::string& storage) const {
  const FieldShape& shape = fieldShapes_[index];
  if (shape.blankInside) {
    return SplitKeyValue(shape.text, storage);
  }
  if (shape.equals == std::string_view::npos) {
    return {shape.text, {}};
  }
  return {shape.text.substr(0, shape.equals), shape.text.substr(shape.equals + 1)};
}

}  // namespace grill
