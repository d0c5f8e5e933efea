#include "app/WindowListHandlers.h"

#include <optional>
#include <utility>

#include "app/WindowInfoForm.h"
#include "editing/PreDesignLayouts.h"
#include "platform/ControlIds.h"

namespace grill {
namespace {

// The design New makes from the Window Info controls, checked in the order
// the messages are given; the first fault is shown and gives no design.
std::optional<GrillWindow> ReadNewDesign(DesignerContext& context) {
  std::optional<WindowInfoDesign> design = ReadWindowInfo(context);
  if (!design) {
    return std::nullopt;
  }
  // An empty quantity reads as 1, and the field says so, even when the
  // layout is refused after.
  Controls& c = context.controls;
  if (c.Text(kQuantityEdit).empty()) {
    c.SetText(kQuantityEdit, "1");
  }
  std::optional<GrillWindow> laidOut = LayOutWindowInfo(context, std::move(*design));
  if (!laidOut) {
    return std::nullopt;
  }
  return RefuseUncuttableShown(context, std::move(*laidOut));
}

}  // namespace

void OnNewWindow(DesignerContext& context) {
  DesignDocument& document = context.Document();
  // The design joins the list only once every field has passed, so a
  // half-built design is never current while a message box is up. A refusal
  // leaves no design current, and the canvas stops showing the old one.
  std::optional<GrillWindow> design = ReadNewDesign(context);
  if (!design) {
    document.SetFocus({std::nullopt, document.Focus().current});
    return;
  }
  document.Commit(AddDesign(document, std::move(*design)));
}

void OnDeleteWindow(DesignerContext& context) {
  Controls& c = context.controls;
  DesignDocument& document = context.Document();
  const int selected = c.Selection(kWindowsList);
  if (selected < 0) {
    return;
  }
  const auto doomed = document.Designs().IndexOfName(c.EntryText(kWindowsList, selected));
  if (doomed) {
    document.Commit(DeleteDesign(document, *doomed));
    return;
  }
  // A stale entry: the list is refilled and nothing is current.
  document.SetFocus({std::nullopt, document.Focus().previous});
  context.view.FillWindowList();
}

void OnSelectWindow(DesignerContext& context) {
  Controls& c = context.controls;
  DesignDocument& document = context.Document();
  const int selected = c.Selection(kWindowsList);
  if (selected < 0) {
    return;
  }
  const auto index = document.Designs().IndexOfName(c.EntryText(kWindowsList, selected));
  document.SetFocus({index, document.Focus().current});
}

void OnDuplicateWindow(DesignerContext& context) {
  DesignDocument& document = context.Document();
  const auto current = document.Focus().current;
  if (!current || document.Current() == nullptr) {
    return;
  }
  document.Commit(DuplicateDesign(document, *current));
  // The list shows which design the form now holds: the copy.
  Controls& c = context.controls;
  c.SetSelection(kWindowsList, c.FindEntryExact(kWindowsList, document.Current()->name));
}

void OnInches(DesignerContext& context) {
  context.Document().SetUnit(Unit::Inches);
}

void OnMillimetres(DesignerContext& context) {
  context.Document().SetUnit(Unit::Millimetres);
}

void OnPreDesignChange(DesignerContext& context) {
  ShowSideWidthField(context.controls);
}

}  // namespace grill
