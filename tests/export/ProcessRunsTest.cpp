#include <gtest/gtest.h>

#include <string>

#include "ExportFixture.h"

namespace grill::testing_export {
namespace {

using ProcessRunsTest = ExportTest;

// One block of the worked example: W1, 1000 x 800, one bar each way.
std::string ExampleEdgeBlock(int unit, const std::string& name = "W1") {
  const std::string g = ",000,G-" + std::to_string(unit) + " B-" + std::to_string(unit);
  return "E1_H_01_" + name + g + " W, 990.0, 2, 1, 495.0, 97, \r\n" +  //
         "E1_W_01_" + name + g + " H, 790.0, 2, 1, 395.0, 98, \r\n";
}
std::string ExampleBarBlock(int unit, const std::string& name = "W1") {
  const std::string g = ",000,G-" + std::to_string(unit) + " B-" + std::to_string(unit);
  return "G58_H_01_" + name + g + " H, 800.0, 1, 1, 400.0, 98, \r\n" +  //
         "G58_W_01_" + name + g + " W, 1000.0, 1, 1, 500.0, 97, \r\n";
}

TEST_F(ProcessRunsTest, WorkedExampleByteForByte) {
  SelectForProcessData(AddDesign("W1", 1000, 800, {500}, {400}), "2");
  ProcessData(state, controls, services);

  EXPECT_EQ(LastMessage(), "Files Exported to " + kFolder);
  const std::string edges = ExampleEdgeBlock(1) + ExampleEdgeBlock(2);
  const std::string bars = ExampleBarBlock(1) + ExampleBarBlock(2);
  EXPECT_EQ(FileText("W1_EdgeMaster_6_11_14_5_9.csv"), edges);
  EXPECT_EQ(FileText("W1_BarMaster_6_11_14_5_9.csv"), bars);
  EXPECT_EQ(FileText("W1_E1_6_11_14_5_9.csv"), edges);
  EXPECT_EQ(FileText("W1_GB_01_H_W__6_11_14_5_9.csv"), bars);
  EXPECT_EQ(files.contents.size(), 4u);
  EXPECT_EQ(files.OpenCount(), 0);
}

TEST_F(ProcessRunsTest, InchesUseThreeDecimals) {
  state.document.SetUnit(Unit::Inches);
  SelectForProcessData(AddDesign("W1", 1000, 800, {500}, {400}));
  ProcessData(state, controls, services);
  EXPECT_EQ(FileText("W1_BarMaster_6_11_14_5_9.csv"),
            "G58_H_01_W1,000,G-1 B-1 H, 31.496, 1, 1, 15.748, 98, \r\n"
            "G58_W_01_W1,000,G-1 B-1 W, 39.370, 1, 1, 19.685, 97, \r\n");
}

// A fixed export unit wins over the unit the dialog shows, both ways, for
// both runs; without one the dialog's unit holds.
TEST_F(ProcessRunsTest, AFixedExportUnitWinsOverTheDialogsUnit) {
  struct Case {
    Unit shown;
    std::optional<Unit> fixed;
    const char* firstLine;
  };
  const Case cases[] = {
      {Unit::Inches, Unit::Millimetres, "G58_H_01_W1,000,G-1 B-1 H, 800.0, 1, 1, 400.0, 98, \r\n"},
      {Unit::Millimetres, Unit::Inches,
       "G58_H_01_W1,000,G-1 B-1 H, 31.496, 1, 1, 15.748, 98, \r\n"},
      {Unit::Inches, std::nullopt, "G58_H_01_W1,000,G-1 B-1 H, 31.496, 1, 1, 15.748, 98, \r\n"},
  };
  SelectForProcessData(AddDesign("W1", 1000, 800, {500}, {400}));
  for (const Case& c : cases) {
    state.document.SetUnit(c.shown);
    state.exportUnit = c.fixed;
    for (const auto run : {ProcessData, ProcessAll}) {
      files.contents.clear();
      run(state, controls, services);
      EXPECT_EQ(FileText("W1_BarMaster_6_11_14_5_9.csv").substr(0, std::string(c.firstLine).size()),
                c.firstLine);
    }
  }
}

TEST_F(ProcessRunsTest, ProcessDataFileNamesAndHeadersWithTwoColours) {
  GrillWindow& w = AddDesign("W1", 1000, 800, {500}, {400});
  w.outsideColor = Black();
  SelectForProcessData(w);
  state.document.SetMasterFile("Job7");
  ProcessData(state, controls, services);

  EXPECT_TRUE(HasFile("W1_E1_6_11_14_5_9.csv"));
  EXPECT_TRUE(HasFile("Job7_EdgeMaster_6_11_14_5_9.csv"));
  EXPECT_EQ(files.contents.size(), 5u);
  EXPECT_EQ(FileText("W1_GB_01+07_2T_H__6_11_14_5_9.csv"),
            "G58_H_01_07_W1,000,G-1 B-1 H, 800.0, 1, 1, 400.0, 98, \r\n");
  EXPECT_EQ(FileText("W1_GB_01+07_2T_W__6_11_14_5_9.csv"),
            "G58_W_01_07_W1,000,G-1 B-1 W, 1000.0, 1, 1, 500.0, 97, \r\n");
  EXPECT_EQ(FileText("Job7_EdgeMaster_6_11_14_5_9.csv").substr(0, 20), "E1_H_01_07_W1,000,G-");
}

// The files are named after the types they hold: the combo selections.
TEST_F(ProcessRunsTest, ProcessDataNamesItsFilesAfterTheTypesItExports) {
  GrillWindow& w = AddDesign("W1", 1000, 800, {500}, {400});
  SelectForProcessData(w);
  controls.SetText(kBarTypeCombo, "G58, 5/8");
  controls.SetText(kEdgeTypeCombo, "E2");
  ProcessData(state, controls, services);
  EXPECT_EQ(FileText("W1_E2_6_11_14_5_9.csv").substr(0, 17), "E2_H_01_W1,000,G-");
  EXPECT_EQ(FileText("W1_GC_01_H_W__6_11_14_5_9.csv").substr(0, 18), "G58_H_01_W1,000,G-");
  EXPECT_FALSE(HasFile("W1_E1_6_11_14_5_9.csv"));
  EXPECT_FALSE(HasFile("W1_GB_01_H_W__6_11_14_5_9.csv"));
}

TEST_F(ProcessRunsTest, ProcessAllFileNames) {
  AddDesign("W1", 1000, 800, {500}, {400});
  GrillWindow& two = AddDesign("W2", 1000, 800, {500}, {400});
  two.barType = &state.config.barTypes[1];
  two.outsideColor = Black();
  ProcessAll(state, controls, services);

  EXPECT_TRUE(HasFile("W1_EdgeMaster_6_11_14_5_9.csv"));
  EXPECT_TRUE(HasFile("W1_BarMaster_6_11_14_5_9.csv"));
  EXPECT_TRUE(HasFile("W1_E1.csv"));
  EXPECT_TRUE(HasFile("W1_GB_01_H_W_6_11_14_5_9.csv"));
  EXPECT_TRUE(HasFile("W2_GC_01+07_2T_H_6_11_14_5_9.csv"));
  EXPECT_TRUE(HasFile("W2_GC_01+07_2T_W_6_11_14_5_9.csv"));
  EXPECT_EQ(files.contents.size(), 6u);  // W2 shares W1's edge file
  EXPECT_EQ(LastMessage(), "Files Exported to " + kFolder);
}

TEST_F(ProcessRunsTest, ProcessAllDesignsOfOneGroupAppendToTheFirstDesignsFiles) {
  AddDesign("A", 1000, 800, {500}, {400});
  GrillWindow& b = AddDesign("B", 1000, 800, {500}, {400});
  b.edgeType = &state.config.edgeTypes[1];
  AddDesign("C", 600, 600, {}, {});
  ProcessAll(state, controls, services);

  const std::string cEdges =
      "E1_H_01_C,000,G-1 B-1 W, 590.0, 2, 0, \r\nE1_W_01_C,000,G-1 B-1 H, 590.0, 2, 0, \r\n";
  EXPECT_EQ(FileText("A_E1.csv"), ExampleEdgeBlock(1, "A") + cEdges);
  EXPECT_FALSE(HasFile("C_E1.csv"));
  EXPECT_TRUE(HasFile("B_E2.csv"));
  EXPECT_EQ(FileText("A_GB_01_H_W_6_11_14_5_9.csv"),
            ExampleBarBlock(1, "A") + ExampleBarBlock(1, "B"));
}

// A run's files hold that run's pieces only: a design file left by an
// earlier run is replaced, not appended to, so no piece is cut twice.
TEST_F(ProcessRunsTest, ARunReplacesTheFilesOfAnEarlierRun) {
  AddDesign("W1", 1000, 800, {500}, {400});
  ProcessAll(state, controls, services);
  clock.now.second = 10;
  ProcessAll(state, controls, services);
  EXPECT_EQ(FileText("W1_E1.csv"), ExampleEdgeBlock(1));
  EXPECT_EQ(FileText("W1_EdgeMaster_6_11_14_5_10.csv"), ExampleEdgeBlock(1));

  ProcessAll(state, controls, services);  // the same second: every name again
  EXPECT_EQ(FileText("W1_EdgeMaster_6_11_14_5_10.csv"), ExampleEdgeBlock(1));
  EXPECT_EQ(FileText("W1_GB_01_H_W_6_11_14_5_10.csv"), ExampleBarBlock(1));
  EXPECT_EQ(FileText("W1_E1.csv"), ExampleEdgeBlock(1));
}

TEST_F(ProcessRunsTest, SameNamedColourEntriesGiveTwoToneHeadersButOneBarFile) {
  GrillWindow& w = AddDesign("W1", 1000, 800, {500}, {400});
  w.outsideColor = WhiteTwin();
  ProcessAll(state, controls, services);
  EXPECT_EQ(FileText("W1_GB_01+01_2T_H_6_11_14_5_9.csv"),
            "G58_H_01_01_W1,000,G-1 B-1 H, 800.0, 1, 1, 400.0, 98, \r\n"
            "G58_W_01_01_W1,000,G-1 B-1 W, 1000.0, 1, 1, 500.0, 97, \r\n");
  EXPECT_FALSE(HasFile("W1_GB_01+01_2T_W_6_11_14_5_9.csv"));
}

TEST_F(ProcessRunsTest, QuantityEditRules) {
  struct Case {
    std::string text;
    std::int32_t quantity;
    std::string message;
  };
  const Case cases[] = {
      {"", 1, "Files Exported to " + kFolder},
      {"3x", 0, "Invalid quantity"},
      {"-2", -2, "Invalid quantity"},
      {"0", 0, "Invalid quantity"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    files.contents.clear();
    controls.ClearMessages();
    GrillWindow& w =
        AddDesign("W" + std::to_string(state.document.Designs().size()), 1000, 800, {}, {});
    SelectForProcessData(w, c.text);
    ProcessData(state, controls, services);
    EXPECT_EQ(w.quantity, c.quantity);
    EXPECT_EQ(LastMessage(), c.message);
    if (c.message == "Invalid quantity") {
      EXPECT_TRUE(files.contents.empty());
      continue;
    }
    EXPECT_EQ(files.contents.size(), 4u);
    EXPECT_FALSE(FileText(w.name + "_E1_6_11_14_5_9.csv").empty());
  }
  EXPECT_EQ(controls.Text(kQuantityEdit), "0");
  SelectForProcessData(*state.document.Current(), "");
  ProcessData(state, controls, services);
  EXPECT_EQ(controls.Text(kQuantityEdit), "1");
}

TEST_F(ProcessRunsTest, ProcessDataStopsSilentlyWithoutDesignOrKnownTypes) {
  ProcessData(state, controls, services);
  GrillWindow& w = AddDesign("W1", 1000, 800, {}, {});
  SelectForProcessData(w);
  controls.SetText(kBarTypeCombo, "g58");
  ProcessData(state, controls, services);
  SelectForProcessData(w);
  controls.SetText(kEdgeTypeCombo, "E9");
  ProcessData(state, controls, services);
  EXPECT_TRUE(controls.Messages().empty());
  EXPECT_TRUE(files.events.empty());
}

TEST_F(ProcessRunsTest, ProcessDataColourMessages) {
  GrillWindow& w = AddDesign("W1", 1000, 800, {}, {});
  SelectForProcessData(w);
  w.insideColor = nullptr;
  w.outsideColor = nullptr;
  controls.SetText(kInsideColorCombo, "Red");
  controls.SetText(kOutsideColorCombo, "Black");
  ProcessData(state, controls, services);
  EXPECT_EQ(LastMessage(), "Invalid Inside Color");
  controls.SetText(kInsideColorCombo, "Black");
  controls.SetText(kOutsideColorCombo, "Red");
  ProcessData(state, controls, services);
  EXPECT_EQ(LastMessage(), "Invalid Outside Color");
  EXPECT_EQ(w.insideColor, Black());  // set before the failing step
  EXPECT_EQ(w.outsideColor, nullptr);
  EXPECT_TRUE(files.events.empty());
}

TEST_F(ProcessRunsTest, ProcessAllWithoutDesigns) {
  ProcessAll(state, controls, services);
  EXPECT_TRUE(controls.Messages().empty());
  state.document.SetMasterFile("Empty");
  ProcessAll(state, controls, services);
  EXPECT_EQ(FileText("Empty_EdgeMaster_6_11_14_5_9.csv"), "");
  EXPECT_EQ(FileText("Empty_BarMaster_6_11_14_5_9.csv"), "");
  EXPECT_EQ(LastMessage(), "Files Exported to " + kFolder);
}

}  // namespace
}  // namespace grill::testing_export
