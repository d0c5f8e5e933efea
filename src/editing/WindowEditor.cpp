#include "editing/WindowEditor.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "editing/BarListCommands.h"
#include "editing/WindowListCommands.h"
#include "model/Measurements.h"
#include "model/NameRules.h"
#include "platform/ControlIds.h"

namespace grill {
namespace {

constexpr int kEditFields[] = {kEditorNameEdit, kEditorHeightEdit, kEditorWidthEdit,
                               kEditorVertBarsEdit, kEditorHorzBarsEdit};

// Smallest width or height accepted, in the unit it is typed in.
constexpr double kMinimumTypedLength = 0.1;

// The editor's fields once every one has passed its check; lengths in millimetres.
struct EditorValues {
  std::string name;
  double innerWidth = 0.0;
  double innerHeight = 0.0;
  std::int32_t vertCount = 0;
  std::int32_t horzCount = 0;
};

std::nullopt_t Refuse(Controls& controls, std::string_view message) {
  controls.ShowMessage(message);
  return std::nullopt;
}

// A typed length in the editor's unit: at least the minimum as typed, and
// still a finite number of millimetres once converted.
std::optional<double> ReadLength(const Controls& controls, int id, int useMillimetres) {
  int ok = 0;
  const double typed = ParseDecimal(controls.Text(id), ok);
  if (ok == 0 || typed < kMinimumTypedLength) {
    return std::nullopt;
  }
  const double millimetres = ToMillimetres(typed, useMillimetres);
  if (!std::isfinite(millimetres)) {
    return std::nullopt;
  }
  return millimetres;
}

// A bar count that the design's position tables can hold.
std::optional<std::int32_t> ReadBarCount(const Controls& controls, int id) {
  int ok = 0;
  const std::int32_t count = ParseInteger(controls.Text(id), ok);
  if (ok == 0 || count <= 0 || count > kMaxBars) {
    return std::nullopt;
  }
  return count;
}

// Checks every field in the order the user is told about them. The first
// refusal is shown and nothing is returned, so the design is never written
// half-way.
std::optional<EditorValues> ReadValues(Controls& controls, const WindowList* windows) {
  EditorValues values;
  values.name = controls.Text(kEditorNameEdit);
  if (values.name.empty()) {
    return Refuse(controls, "Input Name");
  }
  if (windows != nullptr && windows->FindWindowByName(values.name) != nullptr) {
    return Refuse(controls, "Name Already Exists");
  }
  if (!IsAcceptableDesignName(values.name)) {
    return Refuse(controls, "Invalid Name");
  }
  const int useMillimetres = controls.IsChecked(kEditorMillimetresRadio) ? 1 : 0;
  const std::optional<double> width = ReadLength(controls, kEditorWidthEdit, useMillimetres);
  if (!width) {
    return Refuse(controls, "Invalid Width");
  }
  const std::optional<double> height = ReadLength(controls, kEditorHeightEdit, useMillimetres);
  if (!height) {
    return Refuse(controls, "Invalid Height");
  }
  const std::optional<std::int32_t> vertCount = ReadBarCount(controls, kEditorVertBarsEdit);
  if (!vertCount) {
    return Refuse(controls, "Invalid Vertical Sections");
  }
  const std::optional<std::int32_t> horzCount = ReadBarCount(controls, kEditorHorzBarsEdit);
  if (!horzCount) {
    return Refuse(controls, "Invalid Horizontal Sections");
  }
  values.innerWidth = *width;
  values.innerHeight = *height;
  values.vertCount = *vertCount;
  values.horzCount = *horzCount;
  return values;
}

// Spaces `count` bars evenly, centre to centre, over `inner`. The far edge
// entry is the inner size itself rather than (count + 1) steps, which may
// round a hair past it.
void SpaceEvenly(PositionTable& pos, std::int32_t count, double inner) {
  const double step = inner / (count + 1);
  for (int k = 0; k <= count; ++k) {
    pos[static_cast<size_t>(k)] = k * step;
  }
  pos[static_cast<size_t>(count + 1)] = inner;
}

void Apply(GrillWindow& window, const EditorValues& values) {
  window.name = values.name;
  window.innerWidth = values.innerWidth;
  window.innerHeight = values.innerHeight;
  window.vertCount = values.vertCount;
  window.horzCount = values.horzCount;
  SpaceEvenly(window.horzPos, window.horzCount, window.innerHeight);
  SpaceEvenly(window.vertPos, window.vertCount, window.innerWidth);
}

}  // namespace

const DialogTemplate& CWindowEditor::Template() const {
  return WindowEditorTemplate();
}

void CWindowEditor::OnInitDialog(Controls& controls) {
  for (const int id : kEditFields) {
    controls.SetText(id, "");
  }
  controls.SetChecked(useMillimetres != 0 ? kEditorMillimetresRadio : kEditorInchesRadio, true);
}

bool CWindowEditor::OnOK(Controls& controls) {
  if (targetWindow == nullptr) {
    return true;
  }
  const std::optional<EditorValues> values = ReadValues(controls, windowListRef);
  if (!values) {
    return false;
  }
  Apply(*targetWindow, *values);
  return true;
}

void OpenWindowEditor(DesignerState& state, CWindowEditor& editor, Controls& controls,
                      DialogHost& host) {
  if (state.currentWindow == nullptr) {
    return;
  }
  editor.targetWindow = state.currentWindow;
  editor.windowListRef = &state.windowList;
  editor.useMillimetres = state.useMillimetres;
  // The editor may rename the design and change its bars: the Windows list
  // and the bar lists must follow, or the renamed design could no longer be
  // selected or deleted.
  host.RunModal(editor, [&state, &controls] {
    FillWindowList(state, controls);
    ShowWindowDesign(state, controls, state.currentWindow);
    controls.Invalidate();
  });
}

}  // namespace grill
