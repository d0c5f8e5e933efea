#include "config/ColorReader.h"

#include <string>

#include "config/FieldText.h"

namespace grill {

std::vector<ColorEntry> ReadColors(ConfigReader& reader) {
  std::vector<ColorEntry> colors;
  colors.reserve(reader.sectionLines.size());
  // Holds a code's stripped text when blanks or commas sit inside it.
  std::string storage;
  for (std::string_view line : reader.sectionLines) {
    reader.SplitFields(line);
    ColorEntry& record = colors.emplace_back();
    record.name = reader.fields[0];
    if (reader.fieldCount < 2) {
      reader.diagnostics.push_back("Invalid number of fields Line: " + std::string(line));
      continue;
    }
    record.code = StripBlanksAndCommas(reader.fields[1], storage);
  }
  return colors;
}

}  // namespace grill
