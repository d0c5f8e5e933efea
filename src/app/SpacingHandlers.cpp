#include "app/SpacingHandlers.h"

#include <optional>
#include <utility>

#include "app/BarControls.h"
#include "editing/SpacingOperations.h"
#include "model/ShopLength.h"

namespace grill {
namespace {

// The respacings need a bar both selected and still in the list.
std::optional<int> SelectedListedBar(const Controls& controls, Axis axis,
                                     const GrillWindow& window) {
  const std::optional<int> bar = SelectedBar(controls, axis, window);
  if (!bar || *bar >= controls.EntryCount(BarControlsOf(axis).list)) {
    return std::nullopt;
  }
  return bar;
}

void CommitCurrent(DesignerContext& context, const char* label, GrillWindow changed) {
  DesignDocument& document = context.Document();
  document.Commit(ReplaceCurrentDesign(document, label, std::move(changed)));
}

using Respacing = GrillWindow (*)(const GrillWindow&, Axis, int, SpacingMode);

void Respace(DesignerContext& context, Axis axis, Respacing respacing) {
  const GrillWindow* window = context.Document().Current();
  if (window == nullptr) {
    return;
  }
  const std::optional<int> bar = SelectedListedBar(context.controls, axis, *window);
  if (!bar) {
    context.controls.ShowMessage(BarControlsOf(axis).selectMessage);
    return;
  }
  CommitCurrent(context, "Respace Bars",
                respacing(*window, axis, *bar, context.Document().Spacing()));
}

}  // namespace

void OnRespaceBefore(DesignerContext& context, Axis axis) {
  Respace(context, axis, RespaceBefore);
}

void OnRespaceAfter(DesignerContext& context, Axis axis) {
  Respace(context, axis, RespaceAfter);
}

void OnSetSpacing(DesignerContext& context, Axis axis) {
  const GrillWindow* window = context.Document().Current();
  if (window == nullptr) {
    context.controls.ShowMessage("No Window Selected");
    return;
  }
  const std::optional<int> bar = SelectedListedBar(context.controls, axis, *window);
  if (!bar) {
    return;
  }
  const BarControls group = BarControlsOf(axis);
  const Unit unit = context.Document().DisplayUnit();
  auto spaced = SetSpacing(*window, axis, *bar,
                           ParseShopLength(context.controls.Text(group.edit), unit), unit);
  if (!spaced) {
    context.controls.ShowMessage(spaced.Message());
    return;
  }
  const int count = axis == Axis::Horizontal ? spaced->horzCount : spaced->vertCount;
  CommitCurrent(context, "Set Spacing", std::move(*spaced));
  // Selecting the next bar lets repeated clicks walk down the bars.
  const int next = *bar + 1;
  context.controls.SetSelection(group.list, next < count ? next : -1);
  context.controls.Invalidate();
}

void OnSpacingMode(DesignerContext& context, SpacingMode mode) {
  context.Document().SetSpacing(mode);
}

void OnSliderAlign(DesignerContext& context, Axis axis) {
  const DesignDocument& document = context.Document();
  if (document.Previous() == nullptr || document.Current() == nullptr) {
    return;
  }
  auto aligned = AlignBars(*document.Current(), axis, *document.Previous());
  if (aligned) {
    CommitCurrent(context, "Slider Align", std::move(*aligned));
  } else {
    context.view.ShowAndRedraw();
  }
}

}  // namespace grill
