#include "config/ColorReader.h"

#include "config/FieldText.h"

namespace grill {

std::vector<ColorEntry> ReadColors(ConfigReader& reader) {
  std::vector<ColorEntry> colors;
  colors.reserve(reader.sectionLines.size());
  for (const std::string& line : reader.sectionLines) {
    reader.SplitFields(line);
    ColorEntry& record = colors.emplace_back();
    record.name = reader.fields[0];
    if (reader.fieldCount < 2) {
      reader.diagnostics.push_back("Invalid number of fields Line: " + line);
      continue;
    }
    record.code = StripBlanksAndCommas(reader.fields[1]);
  }
  return colors;
}

}  // namespace grill
