#include "config/StockFile.h"

#include <algorithm>
#include <set>
#include <utility>

#include "config/ConfigLength.h"
#include "config/ConfigReader.h"
#include "config/FieldText.h"

namespace grill {
namespace {

void ReadStockLine(ConfigReader& reader, size_t index, StockFile& file,
                   std::vector<std::string>& notes) {
  const std::string& line = reader.sectionLines[index];
  reader.SplitFields(line);
  StockEntry entry{StripBlanksAndCommas(reader.fields[0]), {}};
  if (entry.key.empty() || reader.fieldCount < 2) {
    notes.push_back("Invalid number of fields Line: " + line);
    return;
  }
  for (size_t i = 1; i < reader.fields.size(); ++i) {
    const StockFieldReading field = ReadStockField(AfterComma(reader.fields[i]));
    if (field.fault) {
      notes.push_back(ConfigFaultMessage(reader.SectionLineNumber(index), field.fault->description,
                                         entry.key + ", " + field.fault->value));
      return;
    }
    if (field.item) {
      entry.lengths.push_back(*field.item);
    }
  }
  if (entry.lengths.empty()) {
    notes.push_back("Invalid number of fields Line: " + line);
    return;
  }
  const auto same = [&entry](const StockEntry& known) { return known.key == entry.key; };
  if (const auto known = std::find_if(file.stock.begin(), file.stock.end(), same);
      known != file.stock.end()) {
    // The later line wins, as a section read twice does in MenuConfig.txt.
    notes.push_back("Stock given twice, the later line counts: " + entry.key);
    known->lengths = std::move(entry.lengths);
    return;
  }
  file.stock.push_back(std::move(entry));
}

// The allowance a key sets, or null for a key the saw does not know.
double* AllowanceFor(std::string_view key, SawValues& saw) {
  constexpr std::pair<std::string_view, double SawValues::*> kAllowances[] = {
      {"KERF", &SawValues::kerf},
      {"TRIMHEAD", &SawValues::trimHead},
      {"TRIMTAIL", &SawValues::trimTail},
      {"MINOFFCUT", &SawValues::minOffcut}};
  for (const auto& [name, allowance] : kAllowances) {
    if (key == name) {
      return &(saw.*allowance);
    }
  }
  return nullptr;
}

// The saw's values as the lines read so far give them, and the keys given.
struct SawReading {
  SawValues saw;
  std::set<std::string> keys;
};

// A line with a value refused is not used at all: its other values may be
// as wrong as the one that shows.
void ReadSawLine(ConfigReader& reader, size_t index, SawReading& reading,
                 std::vector<std::string>& notes) {
  const std::string& line = reader.sectionLines[index];
  reader.SplitFields(line);
  SawReading updated = reading;
  for (const std::string& field : reader.fields) {
    const KeyValue pair = SplitKeyValue(field);
    double* allowance = AllowanceFor(pair.key, updated.saw);
    if (allowance == nullptr) {
      notes.push_back("Unknown Saw Setting:" + pair.key + " Line: " + line);
      continue;
    }
    const ConfigLength value = ReadConfigLength(pair.value);
    if (value.fault) {
      notes.push_back(ValueFaultMessage(reader.SectionLineNumber(index),
                                        {pair.key + "=" + pair.value, *value.fault}));
      return;
    }
    if (!updated.keys.insert(pair.key).second) {
      notes.push_back("Saw setting given twice, the later one counts: " + pair.key + "=" +
                      pair.value + " Line: " + line);
    }
    *allowance = value.millimetres;
  }
  reading = std::move(updated);
}

// Notes are single lines, whatever line breaks a configuration line spans.
std::string OnOneLine(std::string note) {
  std::replace_if(
      note.begin(), note.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return note;
}

}  // namespace

const std::vector<StockItem>* StockFile::LengthsFor(std::string_view key) const {
  for (const StockEntry& entry : stock) {
    if (entry.key == key) {
      return &entry.lengths;
    }
  }
  return nullptr;
}

namespace {

std::string Beside(const std::string& configPath, std::string_view name) {
  const size_t slash = configPath.find_last_of("/\\");
  if (slash == std::string::npos) {
    return std::string(name);
  }
  return configPath.substr(0, slash + 1) + std::string(name);
}

}  // namespace

std::string StockPathBeside(const std::string& configPath) {
  return Beside(configPath, kStockFileName);
}

std::string InventoryPathBeside(const std::string& configPath) {
  return Beside(configPath, kInventoryFileName);
}

StockReading ReadStockFile(Files& files, const std::string& path) {
  StockReading reading;
  ConfigReader reader;
  {
    const std::unique_ptr<ReadableFile> handle = files.OpenForRead(path);
    if (handle == nullptr) {
      return reading;
    }
    if (reader.LoadWholeFile(*handle) != 0) {
      reading.notes.push_back("File too large, no stock read");
    }
  }
  StockFile& file = reading.file.emplace();
  SawReading saw;
  while (reader.Cursor() < reader.BufferSize()) {
    const std::string section = reader.NextSection();
    if (section == "stock") {
      for (size_t index = 0; index < reader.sectionLines.size(); ++index) {
        ReadStockLine(reader, index, file, reading.notes);
      }
    } else if (section == "saw") {
      for (size_t index = 0; index < reader.sectionLines.size(); ++index) {
        ReadSawLine(reader, index, saw, reading.notes);
      }
    } else if (section != "?End of File") {
      reading.notes.push_back("Unknown Section: " + section);
    }
  }
  file.saw = saw.saw;
  for (std::string& note : reading.notes) {
    note = OnOneLine(std::move(note));
  }
  return reading;
}

}  // namespace grill
