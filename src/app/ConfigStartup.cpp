#include "app/ConfigStartup.h"

#include "config/MessageLimit.h"
#include "platform/ControlIds.h"

namespace grill {
namespace {

void AddEntries(Controls& controls, int comboId, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    controls.AddEntry(comboId, name);
  }
}

void ApplySettings(const InterfaceSettings& settings, DesignerState& state) {
  if (settings.unit) {
    state.document.SetUnit(*settings.unit);
  }
  if (settings.spacingMode) {
    state.document.SetSpacing(*settings.spacingMode);
  }
  state.exportUnit = settings.exportUnit;
}

constexpr const char* kNotFound = "Cannot Find Config File";
constexpr const char* kCopySample = "Copy the sample configuration";

std::string NotFoundText(const ConfigSearchResult& result) {
  std::string text = std::string(kNotFound) + "\n\nLooked for:";
  for (const std::string& path : result.lookedIn) {
    text += "\n" + path;
  }
  if (result.sample) {
    text += "\n\nA sample configuration is installed at " + *result.sample + ".";
  }
  return text;
}

// The dialog ends without a configuration, its message already shown.
LoadedConfiguration EndedWithout(std::vector<std::string> messages) {
  LoadedConfiguration loaded;
  loaded.messages = std::move(messages);
  loaded.endDialog = true;
  return loaded;
}

}  // namespace

LoadedConfiguration LoadStartupConfiguration(Files& files, DialogHost& host,
                                             const std::string& workingFolderFile,
                                             const ConfigSearch& search) {
  const ConfigSearchResult result = FindConfiguration(workingFolderFile, search, files);
  if (result.found) {
    return LoadConfiguration(files, *result.found);
  }
  if (result.lookedIn.size() == 1) {
    return LoadConfiguration(files, workingFolderFile);
  }
  const bool offerSample = result.sample.has_value();
  if (!host.MessageWithAction(NotFoundText(result), offerSample ? kCopySample : "")) {
    return EndedWithout({});
  }
  const std::string fault = CopySampleConfiguration(files, *result.sample, *result.userFile);
  if (!fault.empty()) {
    return EndedWithout({"Cannot copy the sample configuration: " + fault});
  }
  return LoadConfiguration(files, *result.userFile);
}

void ApplyConfiguration(LoadedConfiguration loaded, Controls& controls, DesignerState& state,
                        std::ostream& log) {
  // Moving the lists keeps the types' links into the tool map valid.
  state.config = std::move(loaded.configuration);
  AddEntries(controls, kBarTypeCombo, loaded.barTypeNames);
  AddEntries(controls, kInsideColorCombo, loaded.colorNames);
  AddEntries(controls, kOutsideColorCombo, loaded.colorNames);
  AddEntries(controls, kEdgeTypeCombo, loaded.edgeTypeNames);
  ApplySettings(loaded.settings, state);
  for (const std::string& message : LimitShownMessages(std::move(loaded.messages))) {
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
