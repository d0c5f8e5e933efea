#include "config/ToolMapReader.h"

#include <optional>
#include <string>

#include "config/ConfigLength.h"
#include "config/FieldText.h"

namespace grill {
namespace {

// The cell a named key sets.
struct NamedCell {
  std::string_view key;
  int cell;
};

constexpr NamedCell kNamedCells[] = {
    {"V_LEFT", kRowV + LEFT}, {"V_RIGHT", kRowV + RIGHT}, {"V_BOTH", kRowV + BOTH},
    {"V_NONE", kRowV + NONE}, {"H_UP", kRowH + UP},       {"H_DOWN", kRowH + DOWN},
    {"H_BOTH", kRowH + BOTH}, {"H_NONE", kRowH + NONE},
};

std::optional<int> DefaultRowOf(std::string_view key) {
  if (key == "V_DEFAULT") {
    return kRowV;
  }
  if (key == "H_DEFAULT") {
    return kRowH;
  }
  return std::nullopt;
}

void ApplyToolKey(const KeyValueView& pair, ToolMapEntry& record) {
  for (const NamedCell& named : kNamedCells) {
    if (pair.key == named.key) {
      record.toolCodes[static_cast<size_t>(named.cell)] = pair.value;
      return;
    }
  }
  // A default fills only the cells of its row that are still empty, so a
  // named key wins whether it comes before or after the default.
  if (const std::optional<int> row = DefaultRowOf(pair.key)) {
    for (int direction = UP; direction <= NONE; ++direction) {
      std::string& code = record.toolCodes[static_cast<size_t>(*row + direction)];
      if (code.empty()) {
        code = pair.value;
      }
    }
  }
}

}  // namespace

std::optional<ValueFault> ParseToolMapLine(ConfigReader& reader, std::string_view line,
                                           ToolMapEntry& record) {
  const bool oneField = line.find(',') == std::string_view::npos;
  if (oneField) {
    reader.diagnostics.push_back("Invalid number of Fields: " + std::string(line));
    return std::nullopt;
  }
  const std::string stripped = StripBlanks(line);
  CommaFields fields(stripped);
  record.name = fields.Next();
  const std::string_view measurement = AfterComma(fields.Next());
  const ConfigLength value = ReadConfigLength(measurement);
  record.toolMeasurement = value.millimetres;
  if (value.fault == LengthFault::kUnreadable) {
    reader.diagnostics.push_back("Invalid Tool Measurement: " + std::string(line));
  }
  while (!fields.AtEnd()) {
    ApplyToolKey(SplitStrippedField(fields.Next()), record);
  }
  if (value.fault) {
    return ValueFault{std::string(measurement), *value.fault};
  }
  return std::nullopt;
}

std::vector<ToolMapEntry> ReadToolMap(ConfigReader& reader) {
  std::vector<ToolMapEntry> toolMap;
  toolMap.reserve(reader.sectionLines.size());
  for (size_t index = 0; index < reader.sectionLines.size(); ++index) {
    if (const std::optional<ValueFault> refused =
            ParseToolMapLine(reader, reader.sectionLines[index], toolMap.emplace_back())) {
      reader.messages.push_back(ValueFaultMessage(reader.SectionLineNumber(index), *refused));
      toolMap.pop_back();
    }
  }
  return toolMap;
}

}  // namespace grill
