#include "app/BarListHandlers.h"

#include <optional>
#include <string>
#include <utility>

#include "app/BarControls.h"
#include "editing/BarOperations.h"
#include "editing/TypedLength.h"

namespace grill {
namespace {

// Commits the changed current design, if the operation made one.
void CommitCurrent(DesignerContext& context, std::string label,
                   std::optional<GrillWindow> changed) {
  if (changed) {
    DesignDocument& document = context.Document();
    document.Commit(ReplaceCurrentDesign(document, std::move(label), std::move(*changed)));
  }
}

// "Nudge Bar 2 Down": horizontal bars are measured down from the top, vertical
// ones right from the left. Nudges of one bar of one design join into one step.
DesignChange Nudge(const DesignDocument& document, Axis axis, int bar, bool towardsNext,
                   GrillWindow moved) {
  const std::string name = "Nudge Bar " + std::to_string(bar + 1);
  const char* way = axis == Axis::Horizontal ? (towardsNext ? " Down" : " Up")
                                             : (towardsNext ? " Right" : " Left");
  DesignChange change = ReplaceCurrentDesign(document, name + way, std::move(moved));
  change.merge = MergeRule{"nudge " + std::to_string(*document.Focus().current) +
                               (axis == Axis::Horizontal ? " horizontal " : " vertical ") +
                               std::to_string(bar),
                           name};
  return change;
}

// "+" and "-". The lists are shown again whether or not the bar moved, and
// the same entry stays selected, so repeated clicks keep moving one bar.
void OnStepBar(DesignerContext& context, Axis axis, bool towardsNext) {
  const GrillWindow* window = context.Document().Current();
  if (window == nullptr) {
    return;
  }
  const BarControls group = BarControlsOf(axis);
  const auto step =
      ParseTypedLength(context.controls.Text(group.edit), context.Document().DisplayUnit());
  if (!step) {
    return;
  }
  const std::optional<int> bar = SelectedBar(context.controls, axis, *window);
  std::optional<GrillWindow> moved;
  if (bar) {
    moved = StepBar(*window, axis, *bar, *step, towardsNext);
  }
  if (moved) {
    DesignDocument& document = context.Document();
    document.Commit(Nudge(document, axis, *bar, towardsNext, std::move(*moved)));
  } else {
    context.view.ShowCurrent();
  }
  context.controls.SetSelection(group.list, bar.value_or(-1));
  context.controls.Invalidate();
}

// Insert and Remove show the design again even when they change nothing.
void CommitOrShow(DesignerContext& context, const char* label, std::optional<GrillWindow> changed) {
  if (changed) {
    CommitCurrent(context, label, std::move(changed));
  } else {
    context.view.ShowAndRedraw();
  }
}

// Edit with text that is no length says so, rather than doing nothing.
std::string InvalidPositionMessage(const std::string& typed, Unit unit) {
  if (typed.find_first_not_of(" \t") == std::string::npos) {
    return "Invalid Position: type the bar's new position in the field below the list first";
  }
  return "Invalid Position: \"" + typed + "\" is not a length in " +
         (unit == Unit::Inches ? "inches" : "millimetres");
}

}  // namespace

std::optional<int> SelectedBar(const Controls& controls, Axis axis, const GrillWindow& window) {
  const int selected = controls.Selection(BarControlsOf(axis).list);
  const int count = axis == Axis::Horizontal ? window.horzCount : window.vertCount;
  if (selected < 0 || selected >= count) {
    return std::nullopt;
  }
  return selected;
}

void OnEditBar(DesignerContext& context, Axis axis) {
  const GrillWindow* window = context.Document().Current();
  if (window == nullptr) {
    return;
  }
  const Unit unit = context.Document().DisplayUnit();
  const std::string typed = context.controls.Text(BarControlsOf(axis).edit);
  const auto value = ParseTypedLength(typed, unit);
  if (!value) {
    context.controls.ShowMessage(InvalidPositionMessage(typed, unit));
    return;
  }
  const std::optional<int> bar = SelectedBar(context.controls, axis, *window);
  if (!bar) {
    return;
  }
  auto moved = SetBarPosition(*window, axis, *bar, *value, unit);
  if (!moved) {
    context.controls.ShowMessage(moved.Message());
    return;
  }
  CommitCurrent(context, "Edit Bar Position", std::move(*moved));
}

void OnMinusBar(DesignerContext& context, Axis axis) {
  OnStepBar(context, axis, false);
}

void OnPlusBar(DesignerContext& context, Axis axis) {
  OnStepBar(context, axis, true);
}

void OnInsertBar(DesignerContext& context, Axis axis) {
  const GrillWindow* window = context.Document().Current();
  if (window == nullptr) {
    return;
  }
  const auto position = ParseTypedLength(context.controls.Text(BarControlsOf(axis).edit),
                                         context.Document().DisplayUnit());
  if (!position) {
    return;
  }
  CommitOrShow(context, "Insert Bar", InsertBar(*window, axis, *position));
}

void OnRemoveBar(DesignerContext& context, Axis axis) {
  const GrillWindow* window = context.Document().Current();
  if (window == nullptr) {
    return;
  }
  const int barNumber = context.controls.Selection(BarControlsOf(axis).list) + 1;
  CommitOrShow(context, "Remove Bar", RemoveBar(*window, axis, barNumber));
}

}  // namespace grill
