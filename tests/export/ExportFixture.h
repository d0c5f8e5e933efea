#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ExportCommands.h"
#include "editing/DesignerState.h"
#include "platform/ControlIds.h"
#include "platform/DialogTemplate.h"
#include "testing/DocumentSetUp.h"
#include "testing/MemoryControls.h"
#include "testing/MemoryFiles.h"
#include "testing/MemoryHost.h"
#include "testing/SettableClock.h"

namespace grill::testing_export {

// The controls Process Data and Process All read.
inline const DialogTemplate& ExportControlsTemplate() {
  static const DialogTemplate dialog = [] {
    DialogTemplate t;
    for (int id : {kBarTypeCombo, kEdgeTypeCombo, kInsideColorCombo, kOutsideColorCombo}) {
      t.controls.push_back({id, ControlKind::DropDownCombo, "", 0, 0, 10, 10, false});
    }
    for (int id : {kQuantityEdit, kMasterFileEdit}) {
      t.controls.push_back({id, ControlKind::Edit, "", 0, 0, 10, 10, false});
    }
    return t;
  }();
  return dialog;
}

// Bar positions of one direction; the edges are added from the inner size.
using Positions = std::vector<double>;

// A configuration and designs built directly, exported into memory:
//   tool map G58 (W 16, H_BOTH 97, V_BOTH 98, H_UP 11, H_DOWN 12, V_LEFT 21,
//   V_RIGHT 22), EDGE (H_UP/H_DOWN 97, V_LEFT/V_RIGHT 98) and BARE (no codes);
//   bar type G58 (code GB) and "G58, 5/8" (code GC) on G58;
//   edge types E1 (WD = HD = 5) on EDGE, E2 (WD 3, HD 4) on EDGE;
//   colours White (01), Black (07), a second entry 01 White.
class ExportSetup {
 public:
  ExportSetup() {
    Configuration& config = state.config;
    config.toolMap.resize(3);
    ToolMapEntry& bar = config.toolMap[0];
    bar.name = "G58";
    bar.toolMeasurement = 16.0;
    SetCode(bar, kRowH, BOTH, "97");
    SetCode(bar, kRowV, BOTH, "98");
    SetCode(bar, kRowH, UP, "11");
    SetCode(bar, kRowH, DOWN, "12");
    SetCode(bar, kRowV, LEFT, "21");
    SetCode(bar, kRowV, RIGHT, "22");
    ToolMapEntry& edge = config.toolMap[1];
    edge.name = "EDGE";
    SetCode(edge, kRowH, UP, "97");
    SetCode(edge, kRowH, DOWN, "97");
    SetCode(edge, kRowV, LEFT, "98");
    SetCode(edge, kRowV, RIGHT, "98");
    config.toolMap[2].name = "BARE";

    config.barTypes.resize(2);
    SetBarType(config.barTypes[0], "G58", "GB");
    SetBarType(config.barTypes[1], "G58, 5/8", "GC");
    config.edgeTypes.resize(2);
    SetEdgeType(config.edgeTypes[0], "E1", 5.0, 5.0);
    SetEdgeType(config.edgeTypes[1], "E2", 3.0, 4.0);
    config.colors = {{"01", "White"}, {"07", "Black"}, {"01", "White"}};
    state.document.SetUnit(Unit::Millimetres);
  }

  static void SetCode(ToolMapEntry& entry, int row, NotchDirection direction, const char* code) {
    entry.toolCodes[static_cast<size_t>(row + direction)] = code;
  }
  void SetBarType(BarType& type, const char* name, const char* code) {
    type.name = name;
    type.code = code;
    type.toolMapName = "G58";
    type.toolEntry = &state.config.toolMap[0];
    type.accepted = true;
  }
  void SetEdgeType(EdgeType& type, const char* name, double wd, double hd) {
    type.name = name;
    type.toolMapName = "EDGE";
    type.toolEntry = &state.config.toolMap[1];
    type.WD = wd;
    type.HD = hd;
  }

  const BarType& G58() const { return state.config.barTypes[0]; }
  const EdgeType& E1() const { return state.config.edgeTypes[0]; }
  const ColorEntry* White() const { return &state.config.colors[0]; }
  const ColorEntry* Black() const { return &state.config.colors[1]; }
  const ColorEntry* WhiteTwin() const { return &state.config.colors[2]; }

  // A design with all segments present, bar type G58, edge type E1, white on
  // both sides, quantity 1; made current.
  GrillWindow& AddDesign(const std::string& name, double width, double height,
                         const Positions& vert, const Positions& horz) {
    GrillWindow& window = DocumentSetUp::Records(state.document).AppendNewWindow();
    window.name = name;
    window.innerWidth = width;
    window.innerHeight = height;
    window.quantity = 1;
    SetBars(window.vertPos, window.vertCount, width, vert);
    SetBars(window.horzPos, window.horzCount, height, horz);
    window.barType = &G58();
    window.edgeType = &E1();
    window.insideColor = White();
    window.outsideColor = White();
    state.document.SetFocus({state.document.Designs().size() - 1, std::nullopt});
    return window;
  }

  static void SetBars(PositionTable& table, std::int32_t& count, double inner,
                      const Positions& bars) {
    count = static_cast<std::int32_t>(bars.size());
    table[0] = 0.0;
    for (size_t i = 0; i < bars.size(); ++i) {
      table[i + 1] = bars[i];
    }
    table[bars.size() + 1] = inner;
  }

  // The combo and edit texts Process Data reads, matching `window`.
  void SelectForProcessData(const GrillWindow& window, const std::string& quantity = "") {
    controls.SetText(kBarTypeCombo, window.barType->name);
    controls.SetText(kEdgeTypeCombo, window.edgeType->name);
    controls.SetText(kInsideColorCombo, window.insideColor->name);
    controls.SetText(kOutsideColorCombo, window.outsideColor->name);
    controls.SetText(kQuantityEdit, quantity);
  }

  std::string PathOf(const std::string& name) const { return kFolder + "/" + name; }
  std::string FileText(const std::string& name) const { return files.Content(PathOf(name)); }
  bool HasFile(const std::string& name) const { return files.Exists(PathOf(name)); }

  std::string LastMessage() const {
    return controls.Messages().empty() ? std::string() : controls.Messages().back();
  }

  const std::string kFolder = "/home/user/export/grills";
  DesignerState state;
  MemoryFiles files;
  SettableClock clock;  // 6 December, 14:05:09
  MemoryHost host;
  MemoryControls controls{ExportControlsTemplate()};
  ExportServices services{files, clock, host, kFolder, ExportLayout::kExportFolder, {}};
};

class ExportTest : public ::testing::Test, public ExportSetup {};

}  // namespace grill::testing_export
