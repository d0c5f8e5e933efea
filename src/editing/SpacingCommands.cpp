#include "editing/SpacingCommands.h"

#include <cmath>

#include "editing/BarListCommands.h"
#include "model/Measurements.h"
#include "platform/ControlIds.h"

namespace grill {
namespace {

// One direction of a design together with the controls of its group, so that
// each spacing rule is written once for both directions.
struct BarAxis {
  PositionTable& pos;
  std::int32_t count;
  double inner;
  int list;
  int edit;
  const char* selectMessage;

  double& Pos(int i) { return pos[static_cast<size_t>(i)]; }
};

BarAxis AxisOf(GrillWindow& window, Axis axis) {
  if (axis == Axis::Horizontal) {
    return {window.horzPos, window.horzCount, window.innerHeight,
            kHorzList,      kHorzEdit,        "Select a Row"};
  }
  return {window.vertPos, window.vertCount, window.innerWidth,
          kVertList,      kVertEdit,        "Select a Column"};
}

// The bar width t of every spacing rule.
double BarWidth(const GrillWindow& window) {
  return window.barType != nullptr ? window.barType->width : 0.0;
}

// The list index of the selected bar, or -1 when the list has no selection or
// its selection names no bar of the design.
int SelectedBar(const Controls& controls, const BarAxis& bars) {
  const int selected = controls.Selection(bars.list);
  if (selected < 0 || selected >= controls.EntryCount(bars.list) || selected >= bars.count) {
    return -1;
  }
  return selected;
}

void ShowAndRedraw(DesignerState& state, Controls& controls) {
  ShowWindowDesign(state, controls, state.currentWindow);
  controls.Invalidate();
}

// Pushes every bar from `first` on that lies above its predecessor to one bar
// width below it. The far edge entry is never touched: a bar that already lay
// beyond the edge must not drag the edge with it.
void PushDownOvertaken(BarAxis& bars, int first, double barWidth) {
  for (int k = first; k < bars.count; ++k) {
    if (bars.Pos(k) > bars.Pos(k + 1)) {
      bars.Pos(k + 1) = bars.Pos(k) + barWidth;
    }
  }
}

}  // namespace

void OnRespaceBefore(DesignerState& state, Controls& controls, Axis axis) {
  GrillWindow* window = state.currentWindow;
  if (window == nullptr) {
    return;
  }
  BarAxis bars = AxisOf(*window, axis);
  const int before = SelectedBar(controls, bars);  // bars 1 … before lie before it
  if (before < 0) {
    controls.ShowMessage(bars.selectMessage);
    return;
  }
  const double t = BarWidth(*window);
  const double selectedPos = bars.Pos(before + 1);
  double first = 0.0;
  double gap = 0.0;
  if (state.equalSpace != 0) {
    gap = (selectedPos - before * t - t / 2) / (before + 1);
    first = gap + t / 2;
  } else {
    first = selectedPos / (before + 1);
    gap = first - t;
  }
  // With the first bar selected there is nothing before it to move.
  for (int i = 1; i <= before; ++i) {
    bars.Pos(i) = i == 1 ? first : bars.Pos(i - 1) + gap + t;
  }
  ShowAndRedraw(state, controls);
}

void OnRespaceAfter(DesignerState& state, Controls& controls, Axis axis) {
  GrillWindow* window = state.currentWindow;
  if (window == nullptr) {
    return;
  }
  BarAxis bars = AxisOf(*window, axis);
  const int selected = SelectedBar(controls, bars);
  if (selected < 0) {
    controls.ShowMessage(bars.selectMessage);
    return;
  }
  const double t = BarWidth(*window);
  const double selectedPos = bars.Pos(selected + 1);
  const int openings = bars.count - selected;
  const double gap = state.equalSpace != 0
                         ? (bars.inner - selectedPos - (openings - 1) * t - t / 2) / openings
                         : (bars.inner - selectedPos) / openings - t;
  for (int k = selected + 2; k <= bars.count; ++k) {
    bars.Pos(k) = bars.Pos(k - 1) + gap + t;
  }
  ShowAndRedraw(state, controls);
}

void OnSetSpacing(DesignerState& state, Controls& controls, Axis axis) {
  GrillWindow* window = state.currentWindow;
  if (window == nullptr) {
    controls.ShowMessage("No Window Selected");
    return;
  }
  BarAxis bars = AxisOf(*window, axis);
  const int selected = SelectedBar(controls, bars);
  if (selected < 0) {
    return;
  }
  int ok = 0;
  const double typed = ParseDecimal(controls.Text(bars.edit), ok);
  // The spacing is measured from the bar before (or the near edge). A target
  // that is not finite, as a huge inch value becomes, would put the bar nowhere.
  const double target = bars.Pos(selected) + ToMillimetres(typed, state.useMillimetres);
  if (ok == 0 || !std::isfinite(target)) {
    controls.ShowMessage("Invalid Spacing");
    return;
  }
  const int bar = selected + 1;
  if (target > bars.Pos(bar + 1)) {
    // The bar passes the next one: the bars it overtakes are pushed along,
    // which needs room for one bar width each before the far edge.
    const double t = BarWidth(*window);
    if ((bars.inner - target) / (bars.count - selected) < t) {
      controls.ShowMessage("Invalid Spacing");
      return;
    }
    bars.Pos(bar) = target;
    PushDownOvertaken(bars, bar, t);
  } else {
    bars.Pos(bar) = target;
  }
  ShowWindowDesign(state, controls, window);
  // Selecting the next bar lets repeated clicks walk down the bars.
  controls.SetSelection(bars.list, bar < bars.count ? bar : -1);
  controls.Invalidate();
}

void OnSpacingMode(DesignerState& state, int equalSpace) {
  state.equalSpace = equalSpace;
}

void OnSliderAlign(DesignerState& state, Controls& controls, Axis axis) {
  if (state.previousWindow == nullptr || state.currentWindow == nullptr) {
    return;
  }
  if (axis == Axis::Horizontal) {
    state.currentWindow->AlignHorzTo(*state.previousWindow);
  } else {
    state.currentWindow->AlignVertTo(*state.previousWindow);
  }
  ShowAndRedraw(state, controls);
}

}  // namespace grill
