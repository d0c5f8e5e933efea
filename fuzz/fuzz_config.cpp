// Feeds arbitrary bytes as MenuConfig.txt through the whole configuration
// load, and through every section reader on every section, checking the
// reader's promises on the way. Any crash, sanitizer report or broken
// promise is a finding.
//
// An input ending in byte 0xFF is loaded stretched, repeated up to the
// largest file accepted (999,999 bytes); one ending in 0xFE is stretched to
// the first size refused (1,000,000 bytes).

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "config/BarTypeReader.h"
#include "config/ColorReader.h"
#include "config/ConfigReader.h"
#include "config/EdgeTypeReader.h"
#include "config/FieldText.h"
#include "config/InterfaceSection.h"
#include "config/LoadConfiguration.h"
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
  explicit OneFile(std::string_view bytes) : bytes_(bytes) {}
  std::unique_ptr<ReadableFile> OpenForRead(const std::string&) override {
    return std::make_unique<BytesFile>(bytes_, static_cast<std::int64_t>(bytes_.size()));
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
};

std::string Stretched(std::string_view bytes, std::size_t size) {
  std::string file;
  file.reserve(size);
  while (file.size() < size) {
    file.append(bytes.substr(0, size - file.size()));
  }
  return file;
}

void LoadWhole(std::string_view bytes) {
  OneFile files(bytes);
  const LoadedConfiguration loaded = LoadConfiguration(files, "MenuConfig.txt");
  Require(bytes.size() < kLargestFile + 1 || loaded.configuration.barTypes.empty());
  Require(loaded.barTypeNames.size() >= loaded.configuration.barTypes.size());
  const bool fatal =
      std::any_of(loaded.messages.begin(), loaded.messages.end(),
                  [](const std::string& m) { return m.starts_with("Config Error:"); });
  Require(!fatal || loaded.endDialog);
  for (const std::string& note : loaded.notes) {
    Require(note.find_first_of("\r\n") == std::string::npos);
  }
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

// Every section, whatever its name, through every reader; the file claims
// more bytes than it delivers, so only the bytes read may be parsed.
void ReadEverySectionEveryWay(std::string_view bytes) {
  ConfigReader reader;
  BytesFile file(bytes, static_cast<std::int64_t>(bytes.size()) * 2 + 1);
  if (reader.LoadWholeFile(file) != 0) {
    return;
  }
  Require(reader.BufferSize() == static_cast<std::int32_t>(bytes.size()));
  Configuration config;
  InterfaceSettings settings;
  while (reader.Cursor() < reader.BufferSize()) {
    const std::int32_t before = reader.Cursor();
    reader.NextSection();
    Require(reader.Cursor() > before && reader.Cursor() <= reader.BufferSize());
    const std::string_view passed = bytes.substr(0, static_cast<std::size_t>(reader.Cursor()));
    Require(reader.LineNumber() == std::count(passed.begin(), passed.end(), '\n'));
    for (const std::string& line : reader.sectionLines) {
      Require(!line.empty() && IsAsciiLetterOrDigit(line.front()));
      Require(line.find_first_of(";<") == std::string::npos);
      RequireFieldsRebuildTheLine(reader, line);
    }
    const std::size_t lines = reader.sectionLines.size();
    Require(ReadBarTypes(reader).size() == lines);
    Require(ReadEdgeTypes(reader).size() == lines);
    Require(ReadColors(reader).size() == lines);
    Require(ReadToolMap(reader).size() == lines);
    // The lists kept for linking: bar types, edge types and tool map entries
    // of the same lines, so that names meet.
    auto barTypes = ReadBarTypes(reader);
    auto edgeTypes = ReadEdgeTypes(reader);
    auto toolMap = ReadToolMap(reader);
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
  const char last = size > 0 ? bytes.back() : '\0';
  if (last == '\xFF') {
    grill::LoadWhole(grill::Stretched(bytes, grill::kLargestFile));
  } else if (last == '\xFE') {
    grill::LoadWhole(grill::Stretched(bytes, grill::kLargestFile + 1));
  } else {
    grill::LoadWhole(bytes);
  }
  grill::ReadEverySectionEveryWay(bytes);
  return 0;
}
