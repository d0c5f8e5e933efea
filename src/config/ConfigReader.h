#pragma once

#include <cstdint>
#include <memory>
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
// ';', then '<' '\' name '>'. The file is read whole into one buffer and
// parsed in place by index; the reader never looks past the bytes it read.
class ConfigReader {
 public:
  // Reads the whole file. A length that cannot be told or is at the limit or
  // beyond returns -1 and changes nothing; otherwise the bytes actually read
  // become the buffer, the cursor and line count start again at 0, and 0 is
  // returned.
  int LoadWholeFile(ReadableFile& file);

  // Reads the section at the cursor into `sectionLines` and returns its name,
  // or "?End of File", "?Err Line <n>: invalid tag", "?Invalid Closing Tag" or
  // "?Invalid Closing Tag: ".
  std::string NextSection();

  // Splits `line` at every ',' into `fields`: the first field is the text
  // before the first comma, every later one starts with its comma. The
  // fields refer into `line`, which must outlive their use.
  void SplitFields(std::string_view line);

  std::int32_t BufferSize() const { return bufferSize_; }
  std::int32_t Cursor() const { return cursor_; }
  // Line feeds the cursor has passed so far.
  std::int32_t LineNumber() const;

  // The lines of the section read last, raw, in file order: views into the
  // buffer, valid until the next LoadWholeFile.
  std::vector<std::string_view> sectionLines;
  // The fields of the line split last, as views into that line, and their
  // number.
  std::vector<std::string_view> fields;
  std::int32_t fieldCount = 0;
  // Notes on malformed lines, one per entry, as the section readers wrote
  // them; never shown in the dialog.
  std::vector<std::string> diagnostics;

 private:
  // Index of the first `wanted` byte in [from, to), or `to` when none.
  std::int32_t Find(char wanted, std::int32_t from, std::int32_t to) const;
  // The buffer ended inside a tag or a body: the cursor moves to its end and
  // the text "?Err Line <n>: invalid tag" counts every line feed of the file.
  std::string InvalidTagAtEnd();

  std::unique_ptr<char[]> buffer_;
  std::int32_t bufferSize_ = 0;
  std::int32_t cursor_ = 0;
  // The line feeds before `countedTo_`. The line number is only wanted for
  // a fault, so the bytes are counted when it is asked for, never twice,
  // rather than on every pass of the cursor.
  mutable std::int32_t countedTo_ = 0;
  mutable std::int32_t lineFeeds_ = 0;
};

}  // namespace grill
