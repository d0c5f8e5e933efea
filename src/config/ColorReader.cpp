#include "config/ColorReader.h"

#include "config/FieldText.h"

namespace grill {

std::vector<ColorEntry> ReadColors(ConfigReader& reader) {
  std::vector<ColorEntry> colors;
  colors.reserve(reader.sectionLines.size());
  for (const std::string& line : reader.sectionLines) {
    CommaFields fields(line);
    ColorEntry& record = colors.emplace_back();
    record.name = fields.Next();
    if (fields.AtEnd()) {
      reader.diagnostics.push_back("Invalid number of fields Line: " + line);
      continue;
    }
    record.code = StripBlanksAndCommas(fields.Next());
  }
  return colors;
}

}  // namespace grill
