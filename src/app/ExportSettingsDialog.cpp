#include "app/ExportSettingsDialog.h"

#include <memory>
#include <utility>

namespace grill {
namespace {

DialogTemplate BuildExportSettings() {
  using K = ControlKind;
  DialogTemplate t;
  t.templateId = 106;
  t.title = "Export Settings";
  t.width = 220;
  t.height = 62;
  t.controls = {
      {kNoId, K::GroupBox, "Process All", 7, 7, 150, 48},
      {kExportFolderRadio, K::RadioButton, "All files in the export folder", 15, 20, 138, 10},
      {kJobFolderRadio, K::RadioButton, "One folder per job", 15, 36, 138, 10},
      {kIdOk, K::DefaultPushButton, "OK", 163, 7, 50, 16},
      {kIdCancel, K::PushButton, "Cancel", 163, 26, 50, 16},
  };
  t.radioPairs = {{kExportFolderRadio, kJobFolderRadio}};
  return t;
}

}  // namespace

const DialogTemplate& ExportSettingsTemplate() {
  static const DialogTemplate instance = BuildExportSettings();
  return instance;
}

const DialogTemplate& ExportSettingsDialog::Template() const {
  return ExportSettingsTemplate();
}

void ExportSettingsDialog::OnInitDialog(Controls& controls) {
  controls.SetChecked(shown_ == ExportLayout::kFolderPerJob ? kJobFolderRadio : kExportFolderRadio,
                      true);
}

bool ExportSettingsDialog::OnOK(Controls& controls) {
  chosen_ = controls.IsChecked(kJobFolderRadio) ? ExportLayout::kFolderPerJob
                                                : ExportLayout::kExportFolder;
  return true;
}

std::optional<ExportLayout> ExportSettingsDialog::TakeChosen() {
  return std::exchange(chosen_, std::nullopt);
}

void OpenExportSettings(DialogHost& host, ExportLayout current,
                        std::function<void(ExportLayout)> chosen) {
  // The dialog lives until it has closed: a toolkit may return from RunModal before then.
  auto dialog = std::make_shared<ExportSettingsDialog>(current);
  host.RunModal(*dialog, [dialog, chosen = std::move(chosen)] {
    if (const std::optional<ExportLayout> layout = dialog->TakeChosen()) {
      chosen(*layout);
    }
  });
}

}  // namespace grill
