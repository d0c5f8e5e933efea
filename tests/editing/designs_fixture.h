#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainDialogTemplate.h"
#include "editing/BarListCommands.h"
#include "editing/DesignerState.h"
#include "editing/WindowListCommands.h"
#include "platform/ControlIds.h"
#include "testing/MemoryControls.h"

namespace grill {

// The main dialog's state and controls as they stand after a normal start:
// a small configuration in the combos, first entries selected, "Standard"
// chosen, millimetres unless a test switches to inches.
//
// Bar types: "Bar20" (width 20), "Bar25" (width 25). Edge types: "Flat"
// (SH = SO = 0, so the inner size is the outer size), "Deep" (SH 10, SO 5:
// 30 mm off each inner size). Colours: "White", "Black".
class DesignerTest : public ::testing::Test {
 protected:
  DesignerTest() : controls(MainDialogTemplate()) {
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
    state.useMillimetres = 1;
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
  GrillWindow* NewDesign(const std::string& name, const std::string& width = "1000",
                         const std::string& height = "800", const std::string& vertBars = "3",
                         const std::string& horzBars = "2") {
    TypeDesign(name, width, height, vertBars, horzBars);
    OnNewWindow(state, controls);
    return state.currentWindow;
  }

  std::vector<double> HorzBars() const {
    return Bars(state.currentWindow->horzPos, state.currentWindow->horzCount);
  }
  std::vector<double> VertBars() const {
    return Bars(state.currentWindow->vertPos, state.currentWindow->vertCount);
  }
  static std::vector<double> Bars(const PositionTable& pos, int count) {
    return {pos.begin() + 1, pos.begin() + 1 + count};
  }

  DesignerState state;
  MemoryControls controls;
};

}  // namespace grill
