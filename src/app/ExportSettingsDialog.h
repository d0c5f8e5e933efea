#pragma once

#include <functional>
#include <optional>

#include "app/ExportLayout.h"
#include "platform/DialogHost.h"

namespace grill {

// File > Export Settings...: where Process All puts its files. It opens with the layout in
// use; OK keeps the choice, Cancel none.
class ExportSettingsDialog final : public ModalDialog {
 public:
  explicit ExportSettingsDialog(ExportLayout shown) : shown_(shown) {}

  const DialogTemplate& Template() const override;
  void OnInitDialog(Controls& controls) override;
  bool OnOK(Controls& controls) override;

  // The layout OK chose, once; nothing after Cancel.
  std::optional<ExportLayout> TakeChosen();

 private:
  ExportLayout shown_;
  std::optional<ExportLayout> chosen_;
};

// Template 106.
const DialogTemplate& ExportSettingsTemplate();

// Opens the dialog on `current`; once it has closed with OK, `chosen` gets the layout.
void OpenExportSettings(DialogHost& host, ExportLayout current,
                        std::function<void(ExportLayout)> chosen);

}  // namespace grill
