// Feeds arbitrary bytes as MenuConfig.txt through the whole configuration
// load, through every section reader on every section, and as Stock.txt,
// checking the readers' promises on the way. Any crash, sanitizer report or
// broken promise is a finding.
//
// An input ending in byte 0xFF is also loaded at the end of the largest file
// accepted (999,999 bytes), after blanks, and must load as it does alone; one
// ending in 0xFE is loaded from a file of the first size refused (1,000,000
// bytes), which must give nothing. The blanks cost a search for '<', not a
// parse of a megabyte, so each input is tried in well under a millisecond.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "config/BarTypeReader.h"
#include "config/ColorReader.h"
#include "config/ConfigLength.h"
#include "config/ConfigReader.h"
#include "config/EdgeTypeReader.h"
#include "config/FieldText.h"
#include "config/InterfaceSection.h"
#include "config/LoadConfiguration.h"
#include "config/StockFile.h"
#include "config/ToolMapLinking.h"
#include "config/ToolMapReader.h"

namespace grill {
namespace {

constexpr std::size_t kLargestFile = kConfigFileLimit - 1;

void Require(bool promise) {
  if (!promise) {
    std::abort();
  }
}

// The bytes of a file; it may claim to be longer than what it delivers.
class BytesFile final : public ReadableFile {
 public:
  BytesFile(std::string_view bytes, std::int64_t claimedLength)
      : bytes_(bytes), claimedLength_(claimedLength) {}
  std::int64_t Length() override { return claimedLength_; }
  std::int64_t Read(char* buffer, std::int64_t size) override {
    const std::size_t count = std::min(static_cast<std::size_t>(size), bytes_.size());
    std::memcpy(buffer, bytes_.data(), count);
    return static_cast<std::int64_t>(count);
  }

 private:
  std::string_view bytes_;
  std::int64_t claimedLength_;
};

class OneFile final : public Files {
 public:
  OneFile(std::string_view bytes, std::int64_t claimedLength)
      : bytes_(bytes), claimedLength_(claimedLength) {}
  std::unique_ptr<ReadableFile> OpenForRead(const std::string&) override {
    return std::make_unique<BytesFile>(bytes_, claimedLength_);
  }
  std::unique_ptr<WritableFile> CreateForWrite(const std::string&, std::string&) override {
    return nullptr;
  }
  std::unique_ptr<WritableFile> OpenForAppend(const std::string&, std::string&) override {
    return nullptr;
  }
  bool CreateFolders(const std::string&, std::string&) override { return false; }
  std::string Join(const std::string& folder, const std::string& name) const override {
    return folder + "/" + name;
  }

 private:
  std::string_view bytes_;
  std::int64_t claimedLength_;
};

std::int64_t SizeOf(std::string_view bytes) {
  return static_cast<std::int64_t>(bytes.size());
}

bool InRange(double millimetres) {
  return !CheckLength(millimetres).has_value();
}

bool IsOneLine(const std::string& text) {
  return text.find_first_of("\r\n") == std::string::npos;
}

bool IsRefusedValue(const std::string& message) {
  return message.starts_with("Config Error:?Err Line ") &&
         message.find(" measurement ") != std::string::npos;
}

// What the dialog is given, beside the lists themselves.
bool SameOutcome(const LoadedConfiguration& a, const LoadedConfiguration& b) {
  return a.messages == b.messages && a.notes == b.notes && a.barTypeNames == b.barTypeNames &&
         a.edgeTypeNames == b.edgeTypeNames && a.colorNames == b.colorNames &&
         a.endDialog == b.endDialog;
}

LoadedConfiguration LoadWhole(std::string_view bytes, std::int64_t claimedLength) {
  OneFile files(bytes, claimedLength);
  LoadedConfiguration loaded = LoadConfiguration(files, "MenuConfig.txt");
  const Configuration& config = loaded.configuration;
  Require(loaded.barTypeNames.size() >= config.barTypes.size());
  // Only a fault of the file's structure ends the dialog; a refused value
  // leaves its record out, and its message quotes it on one line.
  for (const std::string& message : loaded.messages) {
    Require(!message.starts_with("Config Error:") || IsRefusedValue(message) || loaded.endDialog);
    Require(!IsRefusedValue(message) || IsOneLine(message));
  }
  Require(std::all_of(loaded.notes.begin(), loaded.notes.end(), IsOneLine));
  // No length that reaches a design or a cut file is out of range.
  for (const BarType& barType : config.barTypes) {
    Require(!barType.accepted || (InRange(barType.width) && InRange(barType.height)));
  }
  for (const EdgeType& edgeType : config.edgeTypes) {
    Require(InRange(edgeType.SH) && InRange(edgeType.SO) && InRange(edgeType.WD) &&
            InRange(edgeType.HD));
  }
  for (const ToolMapEntry& entry : config.toolMap) {
    Require(InRange(entry.toolMeasurement));
  }
  return loaded;
}

// The bytes after blanks that fill the largest file accepted load as they do
// alone: blanks lie outside every section and hold no line feed. The file is
// made once; each input writes only its tail.
void LoadAtTheEndOfTheLargestFile(std::string_view bytes, const LoadedConfiguration& alone) {
  static std::string largest(kLargestFile, ' ');
  if (bytes.size() > largest.size()) {
    return;
  }
  const std::size_t start = largest.size() - bytes.size();
  largest.replace(start, bytes.size(), bytes);
  Require(SameOutcome(LoadWhole(largest, SizeOf(largest)), alone));
  largest.replace(start, bytes.size(), bytes.size(), ' ');
}

// A file of the first size refused is not read at all.
void LoadFromAFileTooLarge(std::string_view bytes) {
  const LoadedConfiguration loaded = LoadWhole(bytes, kConfigFileLimit);
  Require(loaded.configuration.barTypes.empty() && loaded.barTypeNames.empty() &&
          loaded.colorNames.empty() && loaded.messages.empty());
}

// Stock.txt is read with the same reader: whatever it holds, no length the
// cutting plan uses is out of range, and no count or price below zero.
void ReadAsStockFile(std::string_view bytes) {
  OneFile files(bytes, SizeOf(bytes));
  const StockReading reading = ReadStockFile(files, "Stock.txt");
  Require(reading.file.has_value());
  const SawValues& saw = reading.file->saw;
  Require(InRange(saw.kerf) && InRange(saw.trimHead) && InRange(saw.trimTail) &&
          InRange(saw.minOffcut));
  for (const StockEntry& entry : reading.file->stock) {
    Require(!entry.key.empty() && !entry.lengths.empty());
    for (const StockItem& item : entry.lengths) {
      Require(item.length > 0.0 && InRange(item.length));
      Require(!item.onHand || *item.onHand >= 0);
      Require(!item.price || (std::isfinite(*item.price) && *item.price >= 0.0));
    }
  }
  Require(std::all_of(reading.notes.begin(), reading.notes.end(), IsOneLine));
}

// The fields put together give the line back, each later one starts with
// its comma, and the field texts hold no blank or comma.
void RequireFieldsRebuildTheLine(ConfigReader& reader, std::string_view line) {
  reader.SplitFields(line);
  Require(reader.fieldCount == static_cast<std::int32_t>(reader.fields.size()));
  std::string joined;
  for (std::size_t i = 0; i < reader.fields.size(); ++i) {
    const std::string& field = reader.fields[i];
    Require(i == 0 || field.front() == ',');
    joined.append(field);
    Require(StripBlanksAndCommas(field).find_first_of(" ,") == std::string::npos);
    const KeyValue pair = SplitKeyValue(field);
    Require(pair.key.find('=') == std::string::npos);
    Require((pair.key + pair.value).find_first_of(" ,") == std::string::npos);
  }
  Require(joined == line);
}

// The first entry of each name, found independently of the linking.
std::map<std::string, const ToolMapEntry*> FirstOfEachName(
    const std::vector<ToolMapEntry>& toolMap) {
  std::map<std::string, const ToolMapEntry*> first;
  for (const ToolMapEntry& entry : toolMap) {
    first.emplace(entry.name, &entry);
  }
  return first;
}

template <typename Type>
void RequireFirstMatch(const Type& type, const std::map<std::string, const ToolMapEntry*>& first) {
  const auto found = first.find(type.toolMapName);
  Require(type.toolEntry == (found == first.end() ? nullptr : found->second));
}

// The reader's lines of the section read last: each starts at a letter or
// digit, holds no ';' or '<', and starts on a line in file order that the
// cursor has passed.
void RequireSectionLines(ConfigReader& reader, std::int64_t lineFeedsPassed) {
  Require(reader.sectionLineNumbers.size() == reader.sectionLines.size());
  std::int32_t previous = 1;
  for (std::size_t i = 0; i < reader.sectionLines.size(); ++i) {
    const std::string& line = reader.sectionLines[i];
    Require(!line.empty() && IsAsciiLetterOrDigit(line.front()));
    Require(line.find_first_of(";<") == std::string::npos);
    const std::int32_t number = reader.SectionLineNumber(i);
    Require(number >= previous && number <= lineFeedsPassed + 1);
    previous = number;
    RequireFieldsRebuildTheLine(reader, line);
  }
}

// Every section, whatever its name, through every reader; the file claims
// more bytes than it delivers, so only the bytes read may be parsed.
void ReadEverySectionEveryWay(std::string_view bytes) {
  ConfigReader reader;
  BytesFile file(bytes, SizeOf(bytes) * 2 + 1);
  if (reader.LoadWholeFile(file) != 0) {
    return;
  }
  Require(reader.BufferSize() == static_cast<std::int32_t>(bytes.size()));
  Configuration config;
  InterfaceSettings settings;
  std::int64_t lineFeedsPassed = 0;
  while (reader.Cursor() < reader.BufferSize()) {
    const std::int32_t before = reader.Cursor();
    reader.NextSection();
    Require(reader.Cursor() > before && reader.Cursor() <= reader.BufferSize());
    const std::string_view passed = bytes.substr(
        static_cast<std::size_t>(before), static_cast<std::size_t>(reader.Cursor() - before));
    lineFeedsPassed += std::count(passed.begin(), passed.end(), '\n');
    Require(reader.LineNumber() == lineFeedsPassed);
    RequireSectionLines(reader, lineFeedsPassed);
    // A refused line yields no record, any other line one. The lists are kept
    // for linking: types and entries of the same lines, so that names meet.
    const std::size_t lines = reader.sectionLines.size();
    auto barTypes = ReadBarTypes(reader);
    auto edgeTypes = ReadEdgeTypes(reader);
    auto toolMap = ReadToolMap(reader);
    Require(barTypes.size() <= lines && edgeTypes.size() <= lines && toolMap.size() <= lines);
    Require(ReadColors(reader).size() == lines);
    config.barTypes.insert(config.barTypes.end(), barTypes.begin(), barTypes.end());
    config.edgeTypes.insert(config.edgeTypes.end(), edgeTypes.begin(), edgeTypes.end());
    config.toolMap.insert(config.toolMap.end(), toolMap.begin(), toolMap.end());
    ReadInterfaceSection(reader, settings);
  }
  std::vector<std::string> messages;
  LinkToolMap(config, messages);
  const auto first = FirstOfEachName(config.toolMap);
  for (const BarType& barType : config.barTypes) {
    RequireFirstMatch(barType, first);
    Require(!barType.accepted || barType.unit <= 1);
  }
  for (const EdgeType& edgeType : config.edgeTypes) {
    RequireFirstMatch(edgeType, first);
  }
}

}  // namespace
}  // namespace grill

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const grill::LoadedConfiguration alone = grill::LoadWhole(bytes, grill::SizeOf(bytes));
  const char last = size > 0 ? bytes.back() : '\0';
  if (last == '\xFF') {
    grill::LoadAtTheEndOfTheLargestFile(bytes, alone);
  } else if (last == '\xFE') {
    grill::LoadFromAFileTooLarge(bytes);
  }
  grill::ReadEverySectionEveryWay(bytes);
  grill::ReadAsStockFile(bytes);
  return 0;
}
