#include "app/WindowEditorDialog.h"

namespace grill {
namespace {

using K = ControlKind;

DialogTemplate BuildWindowEditor() {
  DialogTemplate t;
  t.templateId = 103;
  t.title = "Window Editor";
  t.width = 259;
  t.height = 194;
  // The size fields hold a length of several digits and six decimals whole.
  t.controls = {
      {kEditorInchesRadio, K::RadioButton, "Inches", 15, 20, 37, 10},
      {kEditorMillimetresRadio, K::RadioButton, "Millimetres", 59, 20, 56, 10},
      {kIdOk, K::DefaultPushButton, "OK", 202, 7, 50, 16},
      {kIdCancel, K::PushButton, "Cancel", 202, 26, 50, 16},
      {kEditorNameEdit, K::Edit, "", 66, 36, 97, 14},
      {kNoId, K::Label, "Name", 15, 42, 40, 8},
      {kEditorHeightEdit, K::Edit, "", 66, 52, 60, 14},
      {kNoId, K::Label, "Inner Height", 15, 58, 50, 8},
      {kEditorWidthEdit, K::Edit, "", 66, 68, 60, 14},
      {kNoId, K::Label, "Inner Width", 15, 74, 50, 8},
      {kEditorVertBarsEdit, K::Edit, "", 66, 84, 60, 14},
      {kNoId, K::Label, "Vert Bars", 15, 90, 40, 8},
      {kEditorHorzBarsEdit, K::Edit, "", 66, 100, 60, 14},
      {kNoId, K::Label, "Horz Bars", 15, 106, 40, 8},
  };
  t.radioPairs = {{kEditorInchesRadio, kEditorMillimetresRadio}};
  return t;
}

}  // namespace

const DialogTemplate& WindowEditorTemplate() {
  static const DialogTemplate instance = BuildWindowEditor();
  return instance;
}

}  // namespace grill
