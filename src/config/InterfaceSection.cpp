#include "config/InterfaceSection.h"

#include <string>
#include <string_view>

#include "config/FieldText.h"
#include "platform/ControlIds.h"

namespace grill {
namespace {

bool EqualsIgnoringCase(std::string_view text, std::string_view upperCase) {
  if (text.size() != upperCase.size()) {
    return false;
  }
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    if (upper != upperCase[i]) {
      return false;
    }
  }
  return true;
}

}  // namespace

void ApplyInterfaceSection(ConfigReader& reader, Controls& controls, DisplayModes& modes) {
  if (reader.sectionLines.empty()) {
    return;
  }
  // Only the first line counts.
  reader.SplitFields(reader.sectionLines.front());
  for (std::string_view field : reader.fields) {
    const KeyValue pair = SplitKeyValue(field);
    if (EqualsIgnoringCase(pair.key, "MEASURE")) {
      if (EqualsIgnoringCase(pair.value, "MM")) {
        controls.SetChecked(kMillimetresRadio, true);
        modes.useMillimetres = 1;
      }
    } else if (EqualsIgnoringCase(pair.key, "ALIGNMODE")) {
      if (EqualsIgnoringCase(pair.value, "DIVIDED")) {
        controls.SetChecked(kDividedRadio, true);
        modes.equalSpace = 0;
      } else if (EqualsIgnoringCase(pair.value, "EQUALSPACE")) {
        controls.SetChecked(kEqualSpaceRadio, true);
        modes.equalSpace = 1;
      }
    }
  }
}

}  // namespace grill
