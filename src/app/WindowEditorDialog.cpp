#include "app/WindowEditorDialog.h"

#include <utility>

#include "editing/CuttableDesign.h"
#include "editing/DesignForm.h"
#include "editing/WindowEditor.h"
#include "model/Measurements.h"
#include "platform/ControlIds.h"

namespace grill {
namespace {

constexpr int kEditFields[] = {kEditorNameEdit, kEditorHeightEdit, kEditorWidthEdit,
                               kEditorVertBarsEdit, kEditorHorzBarsEdit};

}  // namespace

const DialogTemplate& CWindowEditor::Template() const {
  return WindowEditorTemplate();
}

void CWindowEditor::Begin(const DesignDocument& document, std::size_t target) {
  document_ = &document;
  target_ = target;
  accepted_.reset();
  shownSize_.reset();
}

// The fields start with the design as it is, its grill's inner size among
// them: an empty size field invites the window's outer size, which would make
// every piece wrong by the edge widths.
void CWindowEditor::OnInitDialog(Controls& controls) {
  for (const int id : kEditFields) {
    controls.SetText(id, "");
  }
  const bool millimetres = document_ != nullptr && document_->DisplayUnit() == Unit::Millimetres;
  controls.SetChecked(millimetres ? kEditorMillimetresRadio : kEditorInchesRadio, true);
  if (document_ == nullptr || target_ >= document_->Designs().size()) {
    return;
  }
  const GrillWindow& design = document_->Designs()[target_];
  const Unit unit = millimetres ? Unit::Millimetres : Unit::Inches;
  shownSize_ = {unit, FormatLength(design.innerWidth, unit),
                FormatLength(design.innerHeight, unit)};
  controls.SetText(kEditorNameEdit, design.name);
  controls.SetText(kEditorWidthEdit, shownSize_->width);
  controls.SetText(kEditorHeightEdit, shownSize_->height);
  controls.SetText(kEditorVertBarsEdit, FormatInteger(design.vertCount));
  controls.SetText(kEditorHorzBarsEdit, FormatInteger(design.horzCount));
}

// A refusal is shown and keeps the dialog open, with the design as it was.
bool CWindowEditor::OnOK(Controls& controls) {
  if (document_ == nullptr || target_ >= document_->Designs().size()) {
    return true;
  }
  const DesignFormText form{controls.Text(kEditorNameEdit), controls.Text(kEditorWidthEdit),
                            controls.Text(kEditorHeightEdit), controls.Text(kEditorVertBarsEdit),
                            controls.Text(kEditorHorzBarsEdit)};
  const Unit unit = controls.IsChecked(kEditorMillimetresRadio) ? Unit::Millimetres : Unit::Inches;
  auto values = ReadDesignForm(form, {unit, 1, target_}, document_->Designs());
  if (!values) {
    controls.ShowMessage(values.Message());
    return false;
  }
  KeepUntouchedSize(form, unit, *values);
  auto edited = RefuseUncuttable(EditedDesign(document_->Designs()[target_], *values), unit);
  if (!edited) {
    controls.ShowMessage(edited.Message());
    return false;
  }
  accepted_ = std::move(*edited);
  return true;
}

// A size field left as it opened means the design's own size, not the six
// decimals it was shown with: OK without a change changes no length.
void CWindowEditor::KeepUntouchedSize(const DesignFormText& form, Unit unit,
                                      DesignFormValues& values) const {
  if (!shownSize_ || shownSize_->unit != unit) {
    return;
  }
  const GrillWindow& design = document_->Designs()[target_];
  if (form.width == shownSize_->width) {
    values.width = design.innerWidth;
  }
  if (form.height == shownSize_->height) {
    values.height = design.innerHeight;
  }
}

std::optional<GrillWindow> CWindowEditor::TakeAccepted() {
  return std::exchange(accepted_, std::nullopt);
}

void OpenWindowEditor(DesignerContext& context, CWindowEditor& editor, DialogHost& host) {
  DesignDocument& document = context.Document();
  if (!document.Focus().current) {
    return;
  }
  editor.Begin(document, *document.Focus().current);
  // The editor may rename the design and change its bars: the Windows list
  // and the bar lists must follow, or the renamed design could no longer be
  // selected or deleted.
  host.RunModal(editor, [&context, &editor] {
    DesignDocument& doc = context.Document();
    std::optional<GrillWindow> accepted = editor.TakeAccepted();
    if (accepted && doc.Current() != nullptr) {
      doc.Commit(ReplaceCurrentDesign(doc, "Edit " + accepted->name, std::move(*accepted)));
      return;
    }
    // Nothing changed: the lists keep their selections, so that Delete after Cancel still
    // deletes the selected design.
    context.controls.Invalidate();
  });
}

}  // namespace grill
