#include "editing/WindowListCommands.h"

#include <optional>
#include <string>
#include <utility>

#include "editing/BarListCommands.h"
#include "editing/PreDesignLayouts.h"
#include "editing/TypedLength.h"
#include "model/Measurements.h"
#include "model/NameRules.h"
#include "platform/ControlIds.h"

namespace grill {
namespace {

// The smallest outside width or height, in the unit as typed.
constexpr double kMinimumOuterSize = 0.1;

// Outside width or height: refused below the minimum as typed, before the
// conversion to millimetres.
std::optional<double> ReadOuterSize(const Controls& controls, int id, int useMillimetres) {
  int ok = 0;
  const double typed = ParseDecimal(controls.Text(id), ok);
  if (ok == 0 || typed < kMinimumOuterSize) {
    return std::nullopt;
  }
  return FiniteMillimetres(typed, useMillimetres);
}

std::optional<std::int32_t> ReadBarCount(const Controls& controls, int id) {
  int ok = 0;
  const std::int32_t count = ParseInteger(controls.Text(id), ok);
  if (ok == 0 || count < 0 || count > kMaxBars) {
    return std::nullopt;
  }
  return count;
}

// The design New makes from the Window Info controls, built and laid out
// aside: the fields are checked in the order their messages are given, and
// the first failure shows its message and gives no design.
std::optional<GrillWindow> BuildNewWindow(const DesignerState& state, Controls& controls) {
  GrillWindow window;
  auto refuse = [&controls](const char* message) {
    controls.ShowMessage(message);
    return std::nullopt;
  };

  window.name = controls.Text(kNameEdit);
  if (window.name.empty()) {
    return refuse("Input Name");
  }
  if (state.windowList.FindWindowByName(window.name) != nullptr) {
    return refuse("Name Already Exists");
  }
  if (!IsAcceptableDesignName(window.name)) {
    return refuse("Invalid Name");
  }

  const auto width = ReadOuterSize(controls, kWidthEdit, state.useMillimetres);
  if (!width) {
    return refuse("Invalid Width");
  }
  const auto height = ReadOuterSize(controls, kHeightEdit, state.useMillimetres);
  if (!height) {
    return refuse("Invalid Height");
  }
  const auto vertCount = ReadBarCount(controls, kVertBarsEdit);
  if (!vertCount) {
    return refuse("Invalid Vertical Sections");
  }
  const auto horzCount = ReadBarCount(controls, kHorzBarsEdit);
  if (!horzCount) {
    return refuse("Invalid Horizontal Sections");
  }
  window.outerWidth = *width;
  window.outerHeight = *height;
  window.vertCount = *vertCount;
  window.horzCount = *horzCount;

  window.edgeType = state.config.FindEdgeType(controls.Text(kEdgeTypeCombo));
  if (window.edgeType == nullptr) {
    return refuse("EdgeType Not Found");
  }
  window.barType = state.config.FindBarType(controls.Text(kBarTypeCombo));
  if (window.barType == nullptr) {
    return refuse("BarType Not Found");
  }

  const double edgeDepth = 2 * (window.edgeType->SH + window.edgeType->SO);
  window.innerHeight = window.outerHeight - edgeDepth;
  window.innerWidth = window.outerWidth - edgeDepth;
  if (window.innerWidth < 0) {
    return refuse("Invalid Width");
  }
  if (window.innerHeight < 0) {
    return refuse("Invalid Height");
  }

  // A colour text that names no colour leaves the design without that colour.
  window.insideColor = state.config.FindColor(controls.Text(kInsideColorCombo));
  window.outsideColor = state.config.FindColor(controls.Text(kOutsideColorCombo));

  const std::string quantityText = controls.Text(kQuantityEdit);
  if (quantityText.empty()) {
    controls.SetText(kQuantityEdit, "1");
    window.quantity = 1;
  } else {
    int ok = 0;
    window.quantity = ParseInteger(quantityText, ok);
    if (ok == 0) {
      return refuse("Invalid Quantity");
    }
  }

  const int preDesign = controls.Selection(kPreDesignCombo);
  double sideWidth = 0.0;
  if (UsesSideWidth(preDesign)) {
    const auto side = ParseTypedLength(controls.Text(kSideWidthEdit), state.useMillimetres);
    if (!side) {
      return refuse(preDesign == kPrarie ? "Input Sidewidth" : "Input Cottage Height");
    }
    sideWidth = *side;
  }
  LayOutPreDesign(window, preDesign, state.equalSpace, sideWidth);
  return window;
}

// No current design: the canvas lets go of it too, so that no mouse work
// reaches a design the controls no longer show.
void ClearCurrentWindow(DesignerState& state) {
  state.currentWindow = nullptr;
  state.canvas.SetDesign(nullptr);
}

}  // namespace

void OnNewWindow(DesignerState& state, Controls& controls) {
  // The design joins the list only once every field has passed, so a
  // half-built design is never current while a message box is up (a repaint
  // would draw it).
  state.previousWindow = state.currentWindow;
  std::optional<GrillWindow> design = BuildNewWindow(state, controls);
  if (!design) {
    ClearCurrentWindow(state);
    return;
  }
  GrillWindow& window = state.windowList.AppendNewWindow();
  window = std::move(*design);
  state.currentWindow = &window;
  ShowWindowDesign(state, controls, state.currentWindow);
  FillWindowList(state, controls);
  controls.Invalidate();
}

void OnDeleteWindow(DesignerState& state, Controls& controls) {
  const int selected = controls.Selection(kWindowsList);
  if (selected < 0) {
    return;
  }
  const GrillWindow* doomed =
      state.windowList.FindWindowByName(controls.EntryText(kWindowsList, selected));
  if (doomed != nullptr) {
    if (state.previousWindow == doomed) {
      state.previousWindow = nullptr;
    }
    state.windowList.DeleteWindow(doomed);
  }
  FillWindowList(state, controls);
  ClearCurrentWindow(state);
  controls.Invalidate();
}

void OnSelectWindow(DesignerState& state, Controls& controls) {
  const int selected = controls.Selection(kWindowsList);
  if (selected < 0) {
    return;
  }
  state.previousWindow = state.currentWindow;
  state.currentWindow =
      state.windowList.FindWindowByName(controls.EntryText(kWindowsList, selected));
  if (state.currentWindow == nullptr) {
    ClearCurrentWindow(state);
  }
  ShowWindowDesign(state, controls, state.currentWindow);
  controls.Invalidate();
}

void OnInches(DesignerState& state, Controls& controls) {
  state.useMillimetres = 0;
  ShowWindowDesign(state, controls, state.currentWindow);
}

void OnMillimetres(DesignerState& state, Controls& controls) {
  state.useMillimetres = 1;
  ShowWindowDesign(state, controls, state.currentWindow);
}

void OnPreDesignChange(DesignerState& /*state*/, Controls& controls) {
  const int preDesign = controls.Selection(kPreDesignCombo);
  const bool shown = UsesSideWidth(preDesign);
  if (shown) {
    controls.SetText(kSideWidthLabel, preDesign == kPrarie ? "Side Width" : "Cottage Height");
  }
  controls.SetVisible(kSideWidthEdit, shown);
  controls.SetVisible(kSideWidthLabel, shown);
}

void FillWindowList(const DesignerState& state, Controls& controls) {
  controls.ClearEntries(kWindowsList);
  for (const GrillWindow& window : state.windowList) {
    controls.AddEntry(kWindowsList, window.name);
  }
}

}  // namespace grill
