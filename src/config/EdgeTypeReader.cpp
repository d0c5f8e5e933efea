#include "config/EdgeTypeReader.h"

#include <string>
#include <utility>

#include "config/FieldText.h"
#include "model/Measurements.h"

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

void ParseEdgeTypeLine(ConfigReader& reader, std::string_view line, EdgeType& record) {
  const bool oneField = line.find(',') == std::string_view::npos;
  if (oneField) {
    reader.diagnostics.push_back("Invalid number of fields Line: " + std::string(line));
    return;
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
  while (!fields.AtEnd()) {
    const KeyValueView pair = SplitStrippedField(fields.Next());
    const std::string_view rawField = rawFields.Next();
    int ok = 1;
    // A value that does not parse is still stored: it then holds the
    // parser's failure result, and the note tells where it came from.
    const double value = ParseMeasurement(pair.value, ok);
    if (ok == 0) {
      reader.diagnostics.push_back(std::string("\n\rInvalid Measurement:").append(rawField));
    }
    if (double* length = LengthFor(pair.key, record)) {
      *length = value;
    }
  }
}

std::vector<EdgeType> ReadEdgeTypes(ConfigReader& reader) {
  std::vector<EdgeType> edgeTypes;
  edgeTypes.reserve(reader.sectionLines.size());
  for (const std::string& line : reader.sectionLines) {
    ParseEdgeTypeLine(reader, line, edgeTypes.emplace_back());
  }
  return edgeTypes;
}

}  // namespace grill
