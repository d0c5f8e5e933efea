#include "config/StockFile.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "config/ConfigReader.h"
#include "config/FieldText.h"
#include "model/Measurements.h"

namespace grill {
namespace {

// A measurement that can be a stock length or an allowance: finite and not
// negative.
std::optional<double> ReadLength(std::string_view text) {
  int ok = 1;
  const double value = ParseMeasurement(text, ok);
  if (ok == 0 || !std::isfinite(value) || value < 0.0) {
    return std::nullopt;
  }
  return value;
}

void ReadStockLine(ConfigReader& reader, const std::string& line, StockFile& file,
                   std::vector<std::string>& notes) {
  reader.SplitFields(line);
  StockEntry entry{StripBlanksAndCommas(reader.fields[0]), {}};
  if (entry.key.empty() || reader.fieldCount < 2) {
    notes.push_back("Invalid number of fields Line: " + line);
    return;
  }
  for (size_t i = 1; i < reader.fields.size(); ++i) {
    const std::string text = StripBlanksAndCommas(reader.fields[i]);
    if (text.empty()) {
      continue;  // a stray comma
    }
    const std::optional<double> length = ReadLength(text);
    if (!length || *length == 0.0) {
      notes.push_back("Invalid Stock Length:" + text + " Line: " + line);
      return;
    }
    entry.lengths.push_back(*length);
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

void ReadSawLine(ConfigReader& reader, const std::string& line, SawValues& saw,
                 std::vector<std::string>& notes) {
  reader.SplitFields(line);
  for (const std::string& field : reader.fields) {
    const KeyValue pair = SplitKeyValue(field);
    double* allowance = AllowanceFor(pair.key, saw);
    if (allowance == nullptr) {
      notes.push_back("Unknown Saw Setting:" + pair.key + " Line: " + line);
    } else if (const std::optional<double> value = ReadLength(pair.value)) {
      *allowance = *value;
    } else {
      notes.push_back("Invalid Measurement:" + pair.key + "=" + pair.value + " Line: " + line);
    }
  }
}

// Notes are single lines, whatever line breaks a configuration line spans.
std::string OnOneLine(std::string note) {
  std::replace_if(
      note.begin(), note.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return note;
}

}  // namespace

const std::vector<double>* StockFile::LengthsFor(std::string_view key) const {
  for (const StockEntry& entry : stock) {
    if (entry.key == key) {
      return &entry.lengths;
    }
  }
  return nullptr;
}

std::string StockPathBeside(const std::string& configPath) {
  const size_t slash = configPath.find_last_of("/\\");
  if (slash == std::string::npos) {
    return std::string(kStockFileName);
  }
  return configPath.substr(0, slash + 1) + std::string(kStockFileName);
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
  while (reader.Cursor() < reader.BufferSize()) {
    const std::string section = reader.NextSection();
    if (section == "stock") {
      for (const std::string& line : reader.sectionLines) {
        ReadStockLine(reader, line, file, reading.notes);
      }
    } else if (section == "saw") {
      for (const std::string& line : reader.sectionLines) {
        ReadSawLine(reader, line, file.saw, reading.notes);
      }
    } else if (section != "?End of File") {
      reading.notes.push_back("Unknown Section: " + section);
    }
  }
  for (std::string& note : reading.notes) {
    note = OnOneLine(std::move(note));
  }
  return reading;
}

}  // namespace grill
