#pragma once

#include <optional>

#include "model/GrillWindow.h"
#include "platform/ControlIds.h"
#include "platform/Controls.h"

namespace grill {

// The bar list and the typed-value field of one direction's group.
struct BarControls {
  int list;
  int edit;
  const char* selectMessage;  // what a respacing without a selected bar says
};

inline BarControls BarControlsOf(Axis axis) {
  if (axis == Axis::Horizontal) {
    return {kHorzList, kHorzEdit, "Select a Row"};
  }
  return {kVertList, kVertEdit, "Select a Column"};
}

// The selected list entry as a 0-based bar index of `window`. An entry the
// design does not have (a list shown before the design changed) counts as no
// selection, so no command reaches past the bars into the edge entries.
std::optional<int> SelectedBar(const Controls& controls, Axis axis, const GrillWindow& window);

}  // namespace grill
