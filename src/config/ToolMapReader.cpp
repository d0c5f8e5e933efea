#include "config/ToolMapReader.h"

#include <string>
#include <utility>

#include "config/FieldText.h"
#include "model/Measurements.h"

namespace grill {
namespace {

// A default fills only the cells of its row that are still empty, so a named
// key wins whether it comes before or after the default.
void FillEmptyCells(ToolMapEntry& record, int row, std::string_view code) {
  for (int direction = UP; direction <= NONE; ++direction) {
    std::string& cell = record.toolCodes[static_cast<size_t>(row + direction)];
    if (cell.empty()) {
      cell = code;
    }
  }
}

// The cell a key other than a default sets, or -1 for a key not in the map.
int NamedCell(std::string_view key) {
  constexpr std::pair<std::string_view, int> kNamedCells[] = {
      {"V_LEFT", kRowV + LEFT}, {"V_RIGHT", kRowV + RIGHT}, {"V_BOTH", kRowV + BOTH},
      {"V_NONE", kRowV + NONE}, {"H_UP", kRowH + UP},       {"H_DOWN", kRowH + DOWN},
      {"H_BOTH", kRowH + BOTH}, {"H_NONE", kRowH + NONE},
  };
  for (const auto& [name, cell] : kNamedCells) {
    if (key == name) {
      return cell;
    }
  }
  return -1;
}

void ApplyToolKey(ToolMapEntry& record, const KeyValueView& pair) {
  using namespace std::string_view_literals;
  if (pair.key == "V_DEFAULT"sv) {
    FillEmptyCells(record, kRowV, pair.value);
  } else if (pair.key == "H_DEFAULT"sv) {
    FillEmptyCells(record, kRowH, pair.value);
  } else if (const int cell = NamedCell(pair.key); cell >= 0) {
    record.toolCodes[static_cast<size_t>(cell)] = pair.value;
  }
}

}  // namespace

void ParseToolMapLine(ConfigReader& reader, std::string_view line, ToolMapEntry& record) {
  reader.SplitFields(line);
  if (reader.fieldCount < 2) {
    reader.diagnostics.push_back("Invalid number of Fields: " + std::string(line));
    return;
  }
  // Holds a field's stripped text when blanks or commas sit inside it.
  std::string storage;
  record.name = StripBlanksAndCommas(reader.fields[0], storage);
  int ok = 1;
  record.toolMeasurement = ParseMeasurement(StripBlanksAndCommas(reader.fields[1], storage), ok);
  if (ok == 0) {
    reader.diagnostics.push_back("Invalid Tool Measurement: " + std::string(line));
  }
  for (size_t i = 2; i < reader.fields.size(); ++i) {
    ApplyToolKey(record, SplitKeyValue(reader.fields[i], storage));
  }
}

std::vector<ToolMapEntry> ReadToolMap(ConfigReader& reader) {
  std::vector<ToolMapEntry> toolMap;
  toolMap.reserve(reader.sectionLines.size());
  for (std::string_view line : reader.sectionLines) {
    ParseToolMapLine(reader, line, toolMap.emplace_back());
  }
  return toolMap;
}

}  // namespace grill
