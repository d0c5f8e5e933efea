#include "editing/BarListCommands.h"

#include <cmath>
#include <optional>
#include <string>

#include "config/ConfigRecords.h"
#include "editing/TypedLength.h"
#include "model/Measurements.h"
#include "platform/ControlIds.h"

namespace grill {
namespace {

// The controls and the bars of one direction of the current design.
struct BarDirection {
  int list;
  int edit;
  PositionTable& pos;
  std::int32_t count;

  double& At(int index) { return pos[static_cast<size_t>(index)]; }
};

BarDirection DirectionOf(GrillWindow& window, Axis axis) {
  if (axis == Axis::Horizontal) {
    return {kHorzList, kHorzEdit, window.horzPos, window.horzCount};
  }
  return {kVertList, kVertEdit, window.vertPos, window.vertCount};
}

// The selected list entry as a 0-based bar index. An entry the design does not
// have (a list shown before the design changed) counts as no selection, so no
// command reaches past the bars into the edge entries.
std::optional<int> SelectedBar(const Controls& controls, const BarDirection& direction) {
  const int selected = controls.Selection(direction.list);
  if (selected < 0 || selected >= direction.count) {
    return std::nullopt;
  }
  return selected;
}

void FillBarList(Controls& controls, int list, const PositionTable& pos, std::int32_t count,
                 int useMillimetres) {
  controls.ClearEntries(list);
  for (int k = 1; k <= count; ++k) {
    controls.AddEntry(list, FormatLength(pos[static_cast<size_t>(k)], useMillimetres));
  }
  controls.SetSelection(list, -1);
}

std::string InfoLine(const GrillWindow& window, int useMillimetres) {
  return "Width = " + FormatLength(window.outerWidth, useMillimetres) +
         ", Height = " + FormatLength(window.outerHeight, useMillimetres) +
         ", Inner Width = " + FormatLength(window.innerWidth, useMillimetres) +
         ", Inner Height = " + FormatLength(window.innerHeight, useMillimetres);
}

// A reference left empty shows as an empty text.
template <typename Record>
std::string NameOf(const Record* record) {
  return record != nullptr ? record->name : std::string();
}

void Refresh(DesignerState& state, Controls& controls) {
  ShowWindowDesign(state, controls, state.currentWindow);
  controls.Invalidate();
}

// Moves the selected bar by the typed step towards the next bar ("+") or the
// previous one ("-"). The new position is worked out first and stored only
// when it stays short of that neighbour (bar or edge), so a refused step
// leaves the bar exactly where it was. A negative step moves the bar the
// other way untested.
void StepBar(DesignerState& state, Controls& controls, Axis axis, bool towardsNext) {
  GrillWindow* window = state.currentWindow;
  if (window == nullptr) {
    return;
  }
  BarDirection direction = DirectionOf(*window, axis);
  const auto step = ParseTypedLength(controls.Text(direction.edit), state.useMillimetres);
  if (!step) {
    return;
  }
  const std::optional<int> bar = SelectedBar(controls, direction);
  if (bar) {
    const int i = *bar;
    const double moved = towardsNext ? direction.At(i + 1) + *step : direction.At(i + 1) - *step;
    const bool accepted = towardsNext ? moved < direction.At(i + 2) : moved > direction.At(i);
    if (accepted && std::isfinite(moved)) {
      direction.At(i + 1) = moved;
    }
  }
  ShowWindowDesign(state, controls, window);
  // The same entry stays selected, so repeated clicks keep moving one bar.
  controls.SetSelection(direction.list, bar.value_or(-1));
  controls.Invalidate();
}

// The vertical Insert places bars at whole millimetres: the typed value cut
// to a whole number, and in inch mode the product cut again. Done in double
// precision, so a huge value fails the range check instead of wrapping.
std::optional<double> WholeMillimetres(std::string_view text, int useMillimetres) {
  int ok = 0;
  const double typed = ParseDecimal(text, ok);
  if (ok == 0) {
    return std::nullopt;
  }
  double whole = std::trunc(typed);
  if (useMillimetres == 0) {
    whole = std::trunc(whole * kMillimetresPerInch);
  }
  if (!std::isfinite(whole)) {
    return std::nullopt;
  }
  return whole;
}

}  // namespace

void ShowWindowDesign(DesignerState& state, Controls& controls, GrillWindow* window) {
  if (window == nullptr) {
    return;
  }
  const int unit = state.useMillimetres;
  state.canvas.SetDesign(window);
  FillBarList(controls, kHorzList, window->horzPos, window->horzCount, unit);
  FillBarList(controls, kVertList, window->vertPos, window->vertCount, unit);
  state.canvas.UpdateScale(*window);
  controls.SetText(kNoteText, InfoLine(*window, unit));
  controls.SetText(kQuantityEdit, FormatInteger(window->quantity));
  controls.SetText(kBarTypeCombo, NameOf(window->barType));
  controls.SetText(kEdgeTypeCombo, NameOf(window->edgeType));
  controls.SetText(kInsideColorCombo, NameOf(window->insideColor));
  controls.SetText(kOutsideColorCombo, NameOf(window->outsideColor));
  controls.SetText(kHeightEdit, FormatLength(window->outerHeight, unit));
  controls.SetText(kWidthEdit, FormatLength(window->outerWidth, unit));
  controls.SetText(kVertBarsEdit, FormatInteger(window->vertCount));
  controls.SetText(kHorzBarsEdit, FormatInteger(window->horzCount));
  controls.SetText(kNameEdit, window->name);
}

void OnEditBar(DesignerState& state, Controls& controls, Axis axis) {
  GrillWindow* window = state.currentWindow;
  if (window == nullptr) {
    return;
  }
  BarDirection direction = DirectionOf(*window, axis);
  const auto value = ParseTypedLength(controls.Text(direction.edit), state.useMillimetres);
  if (!value) {
    return;
  }
  const std::optional<int> bar = SelectedBar(controls, direction);
  if (!bar) {
    return;
  }
  const int i = *bar;
  if (direction.At(i) < *value && *value < direction.At(i + 2)) {
    direction.At(i + 1) = *value;
    Refresh(state, controls);
  } else {
    controls.ShowMessage("Index is not within range");
  }
}

void OnMinusBar(DesignerState& state, Controls& controls, Axis axis) {
  StepBar(state, controls, axis, false);
}

void OnPlusBar(DesignerState& state, Controls& controls, Axis axis) {
  StepBar(state, controls, axis, true);
}

void OnInsertBar(DesignerState& state, Controls& controls, Axis axis) {
  GrillWindow* window = state.currentWindow;
  if (window == nullptr) {
    return;
  }
  if (axis == Axis::Horizontal) {
    const auto position = ParseTypedLength(controls.Text(kHorzEdit), state.useMillimetres);
    if (!position) {
      return;
    }
    window->InsertHorzBar(*position);
  } else {
    const auto position = WholeMillimetres(controls.Text(kVertEdit), state.useMillimetres);
    if (!position) {
      return;
    }
    window->InsertVertBar(*position);
  }
  Refresh(state, controls);
}

void OnRemoveBar(DesignerState& state, Controls& controls, Axis axis) {
  GrillWindow* window = state.currentWindow;
  if (window == nullptr) {
    return;
  }
  const int barNumber = controls.Selection(DirectionOf(*window, axis).list) + 1;
  if (axis == Axis::Horizontal) {
    window->RemoveHorzBar(barNumber);
  } else {
    window->RemoveVertBar(barNumber);
  }
  Refresh(state, controls);
}

}  // namespace grill
