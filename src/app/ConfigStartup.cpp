#include "app/ConfigStartup.h"

#include "platform/ControlIds.h"

namespace grill {
namespace {

void AddEntries(Controls& controls, int comboId, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    controls.AddEntry(comboId, name);
  }
}

void ApplySettings(const InterfaceSettings& settings, Controls& controls, DesignerState& state) {
  if (settings.unit) {
    const bool millimetres = *settings.unit == Unit::Millimetres;
    controls.SetChecked(millimetres ? kMillimetresRadio : kInchesRadio, true);
    state.useMillimetres = millimetres ? 1 : 0;
  }
  if (settings.spacingMode) {
    const bool divided = *settings.spacingMode == SpacingMode::Divided;
    controls.SetChecked(divided ? kDividedRadio : kEqualSpaceRadio, true);
    state.equalSpace = divided ? 0 : 1;
  }
}

}  // namespace

void ApplyConfiguration(LoadedConfiguration loaded, Controls& controls, DesignerState& state,
                        std::ostream& log) {
  // Moving the lists keeps the types' links into the tool map valid.
  state.config = std::move(loaded.configuration);
  AddEntries(controls, kBarTypeCombo, loaded.barTypeNames);
  AddEntries(controls, kInsideColorCombo, loaded.colorNames);
  AddEntries(controls, kOutsideColorCombo, loaded.colorNames);
  AddEntries(controls, kEdgeTypeCombo, loaded.edgeTypeNames);
  ApplySettings(loaded.settings, controls, state);
  for (const std::string& message : loaded.messages) {
    controls.ShowMessage(message);
  }
  if (loaded.endDialog) {
    controls.EndDialog();
  }
  for (const std::string& note : loaded.notes) {
    log << "MenuConfig.txt: " << note << '\n';
  }
}

}  // namespace grill
