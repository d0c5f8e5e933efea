#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/BarListHandlers.h"
#include "app/DesignView.h"
#include "app/DesignerContext.h"
#include "app/MainDialogTemplate.h"
#include "app/WindowListHandlers.h"
#include "editing/DesignerState.h"
#include "platform/ControlIds.h"
#include "testing/MemoryControls.h"

namespace grill {

inline constexpr SpacingMode kEqual = SpacingMode::EqualSpace;
inline constexpr SpacingMode kDivided = SpacingMode::Divided;

// The document, the controls and the view the handlers work with, wired as
// the dialog wires them.
class HandlerTest : public ::testing::Test {
 protected:
  HandlerTest() : controls(MainDialogTemplate()) {}

  DesignDocument& Document() { return state.document; }
  const GrillWindow* Current() const { return state.document.Current(); }
  const GrillWindow* Previous() const { return state.document.Previous(); }
  const GrillWindow* Shown() const { return view.ShownDesign(); }
  const WindowList& Designs() const { return state.document.Designs(); }

  // Changes the current design as another command would: committed, and
  // shown again.
  void ChangeCurrent(const std::function<void(GrillWindow&)>& change) {
    GrillWindow after = *Current();
    change(after);
    Document().Commit(ReplaceCurrentDesign(Document(), "Edit", std::move(after)));
  }

  // Adds `window` as New does: it becomes current, the old current previous.
  const GrillWindow& Add(GrillWindow window) {
    Document().Commit(AddDesign(Document(), std::move(window)));
    return *Current();
  }

  DesignerState state;
  MemoryControls controls;
  DesignView view{state.document, controls};
  DesignerContext context{state, controls, view};
};

// The main dialog's state and controls as they stand after a normal start:
// a small configuration in the combos, first entries selected, "Standard"
// chosen, millimetres unless a test switches to inches.
//
// Bar types: "Bar20" (width 20), "Bar25" (width 25). Edge types: "Flat"
// (SH = SO = 0, so the inner size is the outer size), "Deep" (SH 10, SO 5:
// 30 mm off each inner size). Colours: "White", "Black".
class DesignerTest : public HandlerTest {
 protected:
  DesignerTest() {
    state.config.barTypes = {BarTypeNamed("Bar20", 20.0), BarTypeNamed("Bar25", 25.0)};
    state.config.edgeTypes = {EdgeTypeNamed("Flat", 0.0, 0.0), EdgeTypeNamed("Deep", 10.0, 5.0)};
    state.config.colors = {{"W", "White"}, {"B", "Black"}};
    for (const char* entry : {"Cottage1", "Cottage2", "Standard", "Prarie", "Custom Cottage"}) {
      controls.AddEntry(kPreDesignCombo, entry);
    }
    for (const BarType& type : state.config.barTypes) {
      controls.AddEntry(kBarTypeCombo, type.name);
    }
    for (const EdgeType& type : state.config.edgeTypes) {
      controls.AddEntry(kEdgeTypeCombo, type.name);
    }
    for (const ColorEntry& color : state.config.colors) {
      controls.AddEntry(kInsideColorCombo, color.name);
      controls.AddEntry(kOutsideColorCombo, color.name);
    }
    controls.SetSelection(kBarTypeCombo, 0);
    controls.SetSelection(kEdgeTypeCombo, 0);
    controls.SetSelection(kInsideColorCombo, 0);
    controls.SetSelection(kOutsideColorCombo, 0);
    controls.SetSelection(kPreDesignCombo, 2);
    Document().SetUnit(Unit::Millimetres);
    controls.ClickRadio(kMillimetresRadio);
  }

  static BarType BarTypeNamed(const char* name, double width) {
    BarType type;
    type.name = name;
    type.width = width;
    type.accepted = true;
    return type;
  }
  static EdgeType EdgeTypeNamed(const char* name, double sh, double so) {
    EdgeType type;
    type.name = name;
    type.SH = sh;
    type.SO = so;
    return type;
  }

  // Fills the Window Info fields as the user types them.
  void TypeDesign(const std::string& name, const std::string& width, const std::string& height,
                  const std::string& vertBars, const std::string& horzBars) {
    controls.SetText(kNameEdit, name);
    controls.SetText(kWidthEdit, width);
    controls.SetText(kHeightEdit, height);
    controls.SetText(kVertBarsEdit, vertBars);
    controls.SetText(kHorzBarsEdit, horzBars);
  }

  // Types and creates a design; returns it (null when New refused it).
  // Appending keeps the address of every design already made.
  const GrillWindow* NewDesign(const std::string& name, const std::string& width = "1000",
                               const std::string& height = "800", const std::string& vertBars = "3",
                               const std::string& horzBars = "2") {
    TypeDesign(name, width, height, vertBars, horzBars);
    OnNewWindow(context);
    return Current();
  }

  std::vector<double> HorzBars() const { return Bars(Current()->horzPos, Current()->horzCount); }
  std::vector<double> VertBars() const { return Bars(Current()->vertPos, Current()->vertCount); }
  static std::vector<double> Bars(const PositionTable& pos, int count) {
    return {pos.begin() + 1, pos.begin() + 1 + count};
  }
};

}  // namespace grill
