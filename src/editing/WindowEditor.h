#pragma once

#include "editing/DesignerState.h"
#include "platform/DialogHost.h"

namespace grill {

// The small modal dialog that renames the current design and spaces a given
// number of bars evenly over a given inner size.
class CWindowEditor final : public ModalDialog {
 public:
  const DialogTemplate& Template() const override;
  void OnInitDialog(Controls& controls) override;
  bool OnOK(Controls& controls) override;

  GrillWindow* targetWindow = nullptr;
  const WindowList* windowListRef = nullptr;
  // The main dialog's unit, which the editor's unit buttons start on.
  int useMillimetres = 0;
};

// Template 103.
const DialogTemplate& WindowEditorTemplate();

// Opens the editor on the current design (only while there is one); after it
// closes the Windows list is refilled, the design shown again and the dialog
// repainted.
void OpenWindowEditor(DesignerState& state, CWindowEditor& editor, Controls& controls,
                      DialogHost& host);

}  // namespace grill
