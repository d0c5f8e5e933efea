#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "app/DesignerContext.h"
#include "editing/DesignForm.h"
#include "model/GrillWindow.h"
#include "platform/DialogHost.h"

namespace grill {

// The small modal dialog that renames the current design and spaces a given
// number of bars evenly over a given inner size; it opens with the design's. Its OK only checks the
// fields; the accepted design is committed once the dialog has closed.
class CWindowEditor final : public ModalDialog {
 public:
  const DialogTemplate& Template() const override;
  void OnInitDialog(Controls& controls) override;
  bool OnOK(Controls& controls) override;

  // Starts a session on `target` of `document`, in the main dialog's unit.
  void Begin(const DesignDocument& document, std::size_t target);
  // The design the OK accepted, once; nothing after Cancel.
  std::optional<GrillWindow> TakeAccepted();

 private:
  // The size fields as the dialog opened with them.
  struct ShownSize {
    Unit unit = Unit::Millimetres;
    std::string width;
    std::string height;
  };

  void KeepUntouchedSize(const DesignFormText& form, Unit unit, DesignFormValues& values) const;

  const DesignDocument* document_ = nullptr;
  std::size_t target_ = 0;
  std::optional<GrillWindow> accepted_;
  std::optional<ShownSize> shownSize_;
};

// Template 103.
const DialogTemplate& WindowEditorTemplate();

// Opens the editor on the current design (only while there is one); after it
// closes, an accepted design is committed as one change, and the Windows
// list, the design and the drawing are shown again either way.
void OpenWindowEditor(DesignerContext& context, CWindowEditor& editor, DialogHost& host);

}  // namespace grill
