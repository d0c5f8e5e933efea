#include "config/InterfaceSection.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "config/FieldText.h"

namespace grill {
namespace {

bool EqualsIgnoringCase(std::string_view text, std::string_view upperCase) {
  const auto sameLetter = [](char c, char upper) {
    return (c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) == upper;
  };
  return std::equal(text.begin(), text.end(), upperCase.begin(), upperCase.end(), sameLetter);
}

std::optional<Unit> ExportUnitOf(std::string_view value) {
  if (EqualsIgnoringCase(value, "MM")) {
    return Unit::Millimetres;
  }
  if (EqualsIgnoringCase(value, "IN")) {
    return Unit::Inches;
  }
  return std::nullopt;
}

}  // namespace

void ReadInterfaceSection(ConfigReader& reader, InterfaceSettings& settings) {
  if (reader.sectionLines.empty()) {
    return;
  }
  // Only the first line counts.
  const std::string& line = reader.sectionLines.front();
  for (CommaFields fields(line); !fields.AtEnd();) {
    const KeyValue pair = SplitKeyValue(fields.Next());
    if (EqualsIgnoringCase(pair.key, "MEASURE")) {
      // There is no value for inches: inches is where the dialog starts.
      if (EqualsIgnoringCase(pair.value, "MM")) {
        settings.unit = Unit::Millimetres;
      }
    } else if (EqualsIgnoringCase(pair.key, "ALIGNMODE")) {
      if (EqualsIgnoringCase(pair.value, "DIVIDED")) {
        settings.spacingMode = SpacingMode::Divided;
      } else if (EqualsIgnoringCase(pair.value, "EQUALSPACE")) {
        settings.spacingMode = SpacingMode::EqualSpace;
      }
    } else if (EqualsIgnoringCase(pair.key, "EXPORTUNIT")) {
      if (const std::optional<Unit> unit = ExportUnitOf(pair.value)) {
        settings.exportUnit = unit;
      } else {
        reader.diagnostics.push_back("Invalid Export Unit: " + line);
      }
    }
  }
}

}  // namespace grill
