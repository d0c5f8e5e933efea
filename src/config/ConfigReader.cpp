#include "config/ConfigReader.h"

#include <algorithm>
#include <cstring>

#include "model/Measurements.h"

namespace grill {
namespace {

// The first `wanted` byte in [from, end), or `end` when there is none.
const char* FindByte(char wanted, const char* from, const char* end) {
  if (from >= end) {
    return end;
  }
  const void* found = std::memchr(from, wanted, static_cast<size_t>(end - from));
  return found == nullptr ? end : static_cast<const char*>(found);
}

}  // namespace

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
  countedTo_ = 0;
  lineFeeds_ = 0;
  return 0;
}

std::int32_t ConfigReader::LineNumber() const {
  // The cursor only moves forward, so the count goes on from where it was
  // last asked for.
  const char* data = buffer_.get();
  lineFeeds_ += static_cast<std::int32_t>(std::count(data + countedTo_, data + cursor_, '\n'));
  countedTo_ = cursor_;
  return lineFeeds_;
}

std::int32_t ConfigReader::Find(char wanted, std::int32_t from, std::int32_t to) const {
  const char* data = buffer_.get();
  return static_cast<std::int32_t>(FindByte(wanted, data + from, data + to) - data);
}

std::string ConfigReader::InvalidTagAtEnd() {
  cursor_ = bufferSize_;
  return "?Err Line " + FormatInteger(LineNumber()) + ": invalid tag";
}

std::string ConfigReader::NextSection() {
  sectionLines.clear();
  const char* data = buffer_.get();
  const std::int32_t end = bufferSize_;
  // The scan runs on `at`; the cursor follows it whenever a result is given.
  auto finish = [this](std::int32_t at, std::string result) {
    cursor_ = at;
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
  fields.clear();
  const char* fieldStart = line.data();
  const char* const end = line.data() + line.size();
  for (const char* comma = FindByte(',', fieldStart, end); comma != end;
       comma = FindByte(',', comma + 1, end)) {
    fields.emplace_back(fieldStart, static_cast<size_t>(comma - fieldStart));
    fieldStart = comma;
  }
  fields.emplace_back(fieldStart, static_cast<size_t>(end - fieldStart));
  fieldCount = static_cast<std::int32_t>(fields.size());
}

}  // namespace grill
