#include "app/ApplyHandler.h"

#include <optional>
#include <string>
#include <utility>

#include "app/WindowInfoForm.h"
#include "editing/ApplyDesign.h"

namespace grill {

void OnApplyWindow(DesignerContext& context) {
  DesignDocument& document = context.Document();
  const GrillWindow* current = document.Current();
  if (current == nullptr) {
    context.controls.ShowMessage("No Window Selected");
    return;
  }
  std::optional<WindowInfoDesign> read = ReadWindowInfo(context, document.Focus().current);
  if (!read) {
    return;
  }
  // Laid out even when the counts stay, so that Apply refuses exactly what
  // New refuses (a missing side width among them).
  std::optional<GrillWindow> fresh = LayOutWindowInfo(context, std::move(*read));
  if (!fresh) {
    return;
  }
  // The step is named for the design as the user chose it, before any rename.
  std::string label = "Apply " + current->name;
  std::optional<GrillWindow> applied =
      RefuseUncuttableShown(context, AppliedDesign(*current, *fresh));
  if (!applied) {
    return;
  }
  document.Commit(ReplaceCurrentDesign(document, std::move(label), std::move(*applied)));
}

}  // namespace grill
