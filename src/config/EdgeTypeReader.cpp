#include "config/EdgeTypeReader.h"

#include <string>
#include <utility>

#include "config/ConfigLength.h"
#include "config/FieldText.h"

namespace grill {
namespace {

// The length a key sets, or null for a key the edge type does not know.
double* LengthFor(std::string_view key, EdgeType& record) {
  constexpr std::pair<std::string_view, double EdgeType::*> kLengths[] = {
      {"SH", &EdgeType::SH}, {"SO", &EdgeType::SO}, {"WD", &EdgeType::WD}, {"HD", &EdgeType::HD}};
  for (const auto& [name, length] : kLengths) {
    if (key == name) {
      return &(record.*length);
    }
  }
  return nullptr;
}

}  // namespace

std::optional<ValueFault> ParseEdgeTypeLine(ConfigReader& reader, std::string_view line,
                                            EdgeType& record) {
  const bool oneField = line.find(',') == std::string_view::npos;
  if (oneField) {
    reader.diagnostics.push_back("Invalid number of fields Line: " + std::string(line));
    return std::nullopt;
  }
  // The fields of the stripped line are read; the raw ones, which have the
  // same places, are what a note quotes.
  const std::string stripped = StripBlanks(line);
  CommaFields fields(stripped);
  CommaFields rawFields(line);
  record.name = fields.Next();
  record.toolMapName = AfterComma(fields.Next());
  rawFields.Next();
  rawFields.Next();
  std::optional<ValueFault> refused;
  while (!fields.AtEnd()) {
    const std::string_view field = AfterComma(fields.Next());
    const KeyValueView pair = SplitStrippedField(field);
    const std::string_view rawField = rawFields.Next();
    // A value that does not parse is still stored: it then holds the
    // parser's failure result, and the note tells where it came from.
    const ConfigLength value = ReadConfigLength(pair.value);
    if (value.fault == LengthFault::kUnreadable) {
      reader.diagnostics.push_back(std::string("\n\rInvalid Measurement:").append(rawField));
    }
    if (double* length = LengthFor(pair.key, record)) {
      *length = value.millimetres;
      if (value.fault && !refused) {
        refused = ValueFault{std::string(field), *value.fault};
      }
    }
  }
  return refused;
}

std::vector<EdgeType> ReadEdgeTypes(ConfigReader& reader) {
  std::vector<EdgeType> edgeTypes;
  edgeTypes.reserve(reader.sectionLines.size());
  for (size_t index = 0; index < reader.sectionLines.size(); ++index) {
    if (const std::optional<ValueFault> refused =
            ParseEdgeTypeLine(reader, reader.sectionLines[index], edgeTypes.emplace_back())) {
      reader.messages.push_back(ValueFaultMessage(reader.SectionLineNumber(index), *refused));
      edgeTypes.pop_back();
    }
  }
  return edgeTypes;
}

}  // namespace grill
