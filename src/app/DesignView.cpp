#include "app/DesignView.h"

#include "editing/PreDesignLayouts.h"

#include <optional>
#include <string>

#include "app/MainDialogTemplate.h"
#include "config/ConfigRecords.h"
#include "model/Measurements.h"
#include "platform/ControlIds.h"

namespace grill {
namespace {

void FillBarList(Controls& controls, int list, const PositionTable& pos, std::int32_t count,
                 Unit unit) {
  controls.ClearEntries(list);
  for (int k = 1; k <= count; ++k) {
    controls.AddEntry(list, FormatLength(pos[static_cast<size_t>(k)], unit));
  }
  controls.SetSelection(list, -1);
}

std::string InfoLine(const GrillWindow& window, Unit unit) {
  return "Width = " + FormatLength(window.outerWidth, unit) +
         ", Height = " + FormatLength(window.outerHeight, unit) +
         ", Inner Width = " + FormatLength(window.innerWidth, unit) +
         ", Inner Height = " + FormatLength(window.innerHeight, unit);
}

// The bar an entry of a bar list shows (entry 0 is bar 1); none for no entry.
std::optional<int> BarAt(int entry) {
  return entry >= 0 ? std::optional<int>(entry + 1) : std::nullopt;
}

// A reference left empty shows as an empty text.
template <typename Record>
std::string NameOf(const Record* record) {
  return record != nullptr ? record->name : std::string();
}

}  // namespace

void ShowSideWidthField(Controls& controls) {
  const PreDesign preDesign = PreDesignAt(controls.Selection(kPreDesignCombo));
  const bool shown = UsesSideWidth(preDesign);
  if (shown) {
    controls.SetText(kSideWidthLabel,
                     preDesign == PreDesign::Prarie ? "Side Width" : "Cottage Height");
  }
  controls.SetVisible(kSideWidthEdit, shown);
  controls.SetVisible(kSideWidthLabel, shown);
}

void ShowWindowDesign(Controls& controls, GrillCanvas& canvas, const GrillWindow& window,
                      Unit unit) {
  ShowBarList(controls, Axis::Horizontal, window, unit);
  ShowBarList(controls, Axis::Vertical, window, unit);
  canvas.UpdateScale(window);
  canvas.SetUnit(unit);
  controls.SetText(kNoteText, InfoLine(window, unit));
  controls.SetText(kQuantityEdit, FormatInteger(window.quantity));
  controls.SetText(kBarTypeCombo, NameOf(window.barType));
  controls.SetText(kEdgeTypeCombo, NameOf(window.edgeType));
  controls.SetText(kInsideColorCombo, NameOf(window.insideColor));
  controls.SetText(kOutsideColorCombo, NameOf(window.outsideColor));
  controls.SetText(kHeightEdit, FormatLength(window.outerHeight, unit));
  controls.SetText(kWidthEdit, FormatLength(window.outerWidth, unit));
  controls.SetText(kVertBarsEdit, FormatInteger(window.vertCount));
  controls.SetText(kHorzBarsEdit, FormatInteger(window.horzCount));
  controls.SetText(kNameEdit, window.name);
  // A design laid out before predesigns were kept leaves the combo as it is.
  if (window.preDesign) {
    controls.SetSelection(kPreDesignCombo, static_cast<int>(*window.preDesign));
    ShowSideWidthField(controls);
  }
}

void ShowBarList(Controls& controls, Axis axis, const GrillWindow& window, Unit unit) {
  if (axis == Axis::Horizontal) {
    FillBarList(controls, kHorzList, window.horzPos, window.horzCount, unit);
  } else {
    FillBarList(controls, kVertList, window.vertPos, window.vertCount, unit);
  }
}

DesignView::DesignView(DesignDocument& document, Controls& controls)
    : document_(document), controls_(controls), stroke_(document) {
  DocumentEvents& events = document_.Events();
  events.Subscribe([this](const grill::DesignsChanged& event) { DesignsChanged(event); });
  events.Subscribe([this](const grill::FocusChanged&) { FocusChanged(); });
  events.Subscribe([this](const grill::PropertiesChanged& event) { PropertiesChanged(event); });
}

void DesignView::ShowCurrent() {
  if (const GrillWindow* window = document_.Current()) {
    ShowWindowDesign(controls_, canvas_, *window, document_.DisplayUnit());
  }
}

void DesignView::FillWindowList() {
  controls_.ClearEntries(kWindowsList);
  for (const GrillWindow& window : document_.Designs()) {
    controls_.AddEntry(kWindowsList, window.name);
  }
}

void DesignView::ShowAndRedraw() {
  ShowCurrent();
  controls_.Invalidate();
}

void DesignView::ShowProperties() {
  const JobProperties& properties = document_.Properties();
  controls_.SetChecked(properties.unit == Unit::Millimetres ? kMillimetresRadio : kInchesRadio,
                       true);
  controls_.SetChecked(
      properties.spacing == SpacingMode::Divided ? kDividedRadio : kEqualSpaceRadio, true);
  // The field is not set to the text it already holds: that would move the
  // cursor of the user typing in it.
  if (controls_.Text(kMasterFileEdit) != properties.masterFile) {
    controls_.SetText(kMasterFileEdit, properties.masterFile);
  }
}

void DesignView::DrawShown(DrawingContext& dc) const {
  if (const GrillWindow* window = ShownDesign()) {
    const GrillCanvas::Highlight selected{BarAt(controls_.Selection(kHorzList)),
                                          BarAt(controls_.Selection(kVertList))};
    canvas_.DrawGrill(dc, *window, selected);
    canvas_.DrawHandles(dc, *window, selected);
  }
}

void DesignView::ResizeCanvas(int width, int height) {
  canvas_.clientSize = {width, height};
  if (const GrillWindow* window = ShownDesign()) {
    canvas_.UpdateScale(*window);
  }
  controls_.Invalidate();
}

// A job put in place shows as a selected design does, or as a fresh start
// without a current design: its lists and size line are not the last job's.
void DesignView::DesignsChanged(const grill::DesignsChanged& event) {
  if (event.namesChanged) {
    FillWindowList();
  }
  const GrillWindow* current = document_.Current();
  if (event.wholeJob && current != nullptr) {
    controls_.SetSelection(kWindowsList, controls_.FindEntryExact(kWindowsList, current->name));
  } else if (event.wholeJob) {
    controls_.ClearEntries(kHorzList);
    controls_.ClearEntries(kVertList);
    controls_.SetText(kNoteText, MainDialogTemplate().Find(kNoteText)->caption);
  }
  ShowAndRedraw();
}

void DesignView::FocusChanged() {
  if (document_.Focus().current != canvasDesign_) {
    canvasDesign_ = document_.Focus().current;
    canvas_.ForgetPointer();
  }
  ShowAndRedraw();
}

void DesignView::PropertiesChanged(const grill::PropertiesChanged& event) {
  ShowProperties();
  if (event.before.unit != document_.DisplayUnit()) {
    ShowCurrent();
  }
}

}  // namespace grill
