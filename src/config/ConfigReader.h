#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"

namespace grill {

// A file of this many bytes or more is refused whole.
inline constexpr std::int64_t kConfigFileLimit = 1'000'000;

inline bool IsAsciiLetterOrDigit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Turns MenuConfig.txt into sections, lines and fields. A section is
// '<' name '>', lines that each begin at a letter or digit and end before a
// ';', then '<' '\' name '>'. The file is read whole and parsed by index; the
// reader never looks past the bytes it read.
class ConfigReader {
 public:
  // Reads the whole file. A length that cannot be told or is at the limit or
  // beyond returns -1 and changes nothing; otherwise the bytes actually read
  // become the buffer, the cursor starts again at 0, and 0 is returned.
  int LoadWholeFile(ReadableFile& file);

  // Reads the section at the cursor into `sectionLines` and returns its name,
  // or "?End of File", "?Err Line <n>: invalid tag", "?Invalid Closing Tag" or
  // "?Invalid Closing Tag: ".
  std::string NextSection();

  // Splits `line` at every ',' into `fields`: the first field is the text
  // before the first comma, every later one starts with its comma.
  void SplitFields(std::string_view line);

  std::int32_t BufferSize() const { return static_cast<std::int32_t>(buffer_.size()); }
  std::int32_t Cursor() const { return static_cast<std::int32_t>(cursor_); }
  // Line feeds the cursor has passed so far.
  std::int32_t LineNumber() const;
  // The physical line (from 1) section line `index` starts on; 0 for a line
  // that did not come from the file.
  std::int32_t SectionLineNumber(size_t index) const {
    return index < sectionLineNumbers.size() ? sectionLineNumbers[index] : 0;
  }

  // The lines of the section read last, raw, in file order, and the
  // physical line (from 1) each one starts on.
  std::vector<std::string> sectionLines;
  std::vector<std::int32_t> sectionLineNumbers;
  // The fields of the line split last, and their number.
  std::vector<std::string> fields;
  std::int32_t fieldCount = 0;
  // Messages for the user that the section readers raised, in order.
  std::vector<std::string> messages;
  // Notes on malformed lines, one per entry, as the section readers wrote
  // them; never shown in the dialog.
  std::vector<std::string> diagnostics;

 private:
  // Index of the first `wanted` byte in [from, to), or `to` when none.
  size_t Find(char wanted, size_t from, size_t to) const;
  // The buffer ended inside a tag or a body: the cursor moves to its end and
  // the text "?Err Line <n>: invalid tag" counts every line feed of the file.
  std::string InvalidTagAtEnd();
  // Line feeds in the buffer before `position`. Positions asked for only
  // grow while a file is read, so the count goes on from the last one.
  std::int32_t LineFeedsBefore(size_t position) const;

  std::string buffer_;
  size_t cursor_ = 0;
  mutable size_t countedTo_ = 0;
  mutable std::int32_t lineFeedsCounted_ = 0;
};

}  // namespace grill
