#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>
#include <string>

#include "ExportFixture.h"
#include "export/CsvSawFormat.h"
#include "export/ExportWindow.h"

namespace grill::testing_export {
namespace {

// Two designs, W1 and W2 (current), each with one bar each way; `spoil`
// breaks something, then the run must refuse with `message` and touch
// nothing on disk.
struct Refusal {
  const char* what;
  bool processAll;
  std::function<void(ExportSetup&, GrillWindow&)> spoil;
  std::string message;
};

void ExpectRefused(const Refusal& refusal) {
  SCOPED_TRACE(refusal.what);
  auto setup = std::make_unique<ExportSetup>();
  setup->AddDesign("W1", 1000, 800, {500}, {400});
  GrillWindow& second = setup->AddDesign("W2", 1000, 800, {500}, {400});
  setup->SelectForProcessData(second);
  refusal.spoil(*setup, second);
  if (refusal.processAll) {
    ProcessAll(setup->state, setup->controls, setup->services);
  } else {
    ProcessData(setup->state, setup->controls, setup->services);
  }
  EXPECT_EQ(setup->controls.Messages(), std::vector<std::string>{refusal.message});
  EXPECT_TRUE(setup->files.events.empty());
  EXPECT_TRUE(setup->files.folders.empty());
}

Configuration& Config(ExportSetup& setup) {
  return setup.state.config;
}

TEST(ExportChecksTest, TypesToolEntriesAndColoursMustBePresent) {
  const Refusal refusals[] = {
      {"combo bar type without tool entry", false,
       [](ExportSetup& s, GrillWindow&) {
         Config(s).barTypes[1].toolEntry = nullptr;
         s.controls.SetText(kBarTypeCombo, "G58, 5/8");
       },
       "Toolmap not found: G58, 5/8"},
      {"combo edge type without tool entry", false,
       [](ExportSetup& s, GrillWindow&) {
         Config(s).edgeTypes[1].toolEntry = nullptr;
         s.controls.SetText(kEdgeTypeCombo, "E2");
       },
       "Toolmap not found: E2"},
      {"design's own bar type without tool entry", false,
       [](ExportSetup& s, GrillWindow& w) {
         Config(s).barTypes[1].toolEntry = nullptr;
         w.barType = &Config(s).barTypes[1];
       },
       "Toolmap not found for W2: G58, 5/8"},
      {"design's own edge type missing", false,
       [](ExportSetup&, GrillWindow& w) { w.edgeType = nullptr; }, "Edge Type not found for W2"},
      {"edge type without tool entry", true,
       [](ExportSetup& s, GrillWindow& w) {
         Config(s).edgeTypes[1].toolEntry = nullptr;
         w.edgeType = &Config(s).edgeTypes[1];
       },
       "Toolmap not found for W2: E2"},
      {"no bar type", true, [](ExportSetup&, GrillWindow& w) { w.barType = nullptr; },
       "Bar Type not found for W2"},
      {"no inside colour", true, [](ExportSetup&, GrillWindow& w) { w.insideColor = nullptr; },
       "Inside Color not found for W2"},
      {"no outside colour", true, [](ExportSetup&, GrillWindow& w) { w.outsideColor = nullptr; },
       "Outside Color not found for W2"},
      {"quantity below 1", true, [](ExportSetup&, GrillWindow& w) { w.quantity = 0; },
       "Invalid quantity: W2"},
  };
  for (const Refusal& refusal : refusals) {
    ExpectRefused(refusal);
  }
}

TEST(ExportChecksTest, BarPositionsMustBeFiniteOrderedAndInside) {
  const std::function<void(GrillWindow&)> spoils[] = {
      [](GrillWindow& w) { w.vertPos[1] = std::numeric_limits<double>::quiet_NaN(); },
      [](GrillWindow& w) { w.horzPos[1] = std::numeric_limits<double>::infinity(); },
      [](GrillWindow& w) { w.vertPos[1] = -1.0; },
      [](GrillWindow& w) { w.horzPos[1] = 801.0; },
      [](GrillWindow& w) {
        ExportSetup::SetBars(w.vertPos, w.vertCount, 1000, {600, 500});
      },
      [](GrillWindow& w) { w.vertCount = 31; },
      [](GrillWindow& w) { w.horzCount = -1; },
      [](GrillWindow& w) { w.innerWidth = 900; },
  };
  for (const auto& spoil : spoils) {
    ExpectRefused({"positions", true, [&spoil](ExportSetup&, GrillWindow& w) { spoil(w); },
                   "Invalid Bar Positions: W2"});
  }
}

TEST(ExportChecksTest, BarsAtEqualPositionsStayAllowed) {
  ExportSetup setup;
  GrillWindow& w = setup.AddDesign("W1", 1000, 800, {500, 500}, {400, 400});
  setup.SelectForProcessData(w);
  ProcessData(setup.state, setup.controls, setup.services);
  EXPECT_EQ(setup.LastMessage(), "Files Exported to " + setup.kFolder);
}

// A bar on the inner edge would be notched before the start of its edge piece, which the
// saw cannot do: the positions are in order, but the design cannot be cut.
TEST(ExportChecksTest, BarsOnTheEdgesCannotBeCut) {
  ExportSetup setup;
  GrillWindow& w = setup.AddDesign("W1", 1000, 800, {0, 500, 1000}, {400});
  setup.SelectForProcessData(w);
  ProcessData(setup.state, setup.controls, setup.services);
  EXPECT_EQ(setup.LastMessage(),
            "Cannot Cut W1: Vertical Bar Too Close to the Edge: edge type E1 needs 5.0 mm from "
            "the inner edge");
  EXPECT_TRUE(setup.files.contents.empty());
}

// Every design that cannot be cut is named in one message, and no file is made; the
// quantity and the size of a run have their limits too.
TEST(ExportChecksTest, ProcessAllNamesEveryDesignThatCannotBeCut) {
  ExportSetup setup;
  setup.AddDesign("Small", 8, 800, {4}, {400});
  setup.AddDesign("Fine", 1000, 800, {500}, {400});
  setup.AddDesign("Huge", 1000, 800, {500}, {400}).outerWidth = 99999999 * 25.4;
  setup.state.document.SetUnit(Unit::Inches);
  ProcessAll(setup.state, setup.controls, setup.services);
  EXPECT_EQ(setup.controls.Messages(),
            std::vector<std::string>{
                "Cannot Cut Small: Window Too Small for Edge Type E1: inner width 5/16\"\n"
                "Cannot Cut Huge: Window Too Large: width 1.000e+08\", at most 393 11/16\""});
  EXPECT_TRUE(setup.files.contents.empty());
}

TEST(ExportChecksTest, QuantitiesAboveTheLimitAreRefusedAndNotKept) {
  for (const char* typed : {"10001", "2147483647"}) {
    ExportSetup setup;
    GrillWindow& w = setup.AddDesign("W1", 1000, 800, {500}, {400});
    setup.SelectForProcessData(w, typed);
    ProcessData(setup.state, setup.controls, setup.services);
    EXPECT_EQ(setup.controls.Messages(), std::vector<std::string>{"Invalid quantity"}) << typed;
    EXPECT_EQ(setup.state.document.Current()->quantity, 1) << typed;
    EXPECT_TRUE(setup.files.contents.empty()) << typed;
  }
  ExportSetup fromFile;
  fromFile.AddDesign("W1", 1000, 800, {500}, {400}).quantity = 10001;
  ProcessAll(fromFile.state, fromFile.controls, fromFile.services);
  EXPECT_EQ(fromFile.LastMessage(), "Invalid quantity: W1");
}

// The size a run is refused at is the size it would write: counted ahead, byte for byte.
TEST(ExportChecksTest, RunsOfMoreThanAGibibyteAreRefusedBeforeAnyFile) {
  ExportSetup counted;
  counted.AddDesign("W1", 1000, 800, {300, 600}, {400}).quantity = 1234;
  counted.AddDesign("W2", 900, 800, {450}, {200, 600}).quantity = 17;
  std::int64_t expected = 0;
  for (const GrillWindow& window : counted.state.document.Designs()) {
    expected += ExportedBytes(ExportJob{&window, window.barType, window.edgeType, {}},
                              CsvSawFormat(), CutUnit::kMillimetres);
  }
  ProcessAll(counted.state, counted.controls, counted.services);
  ASSERT_EQ(counted.LastMessage(), "Files Exported to " + counted.kFolder);
  std::int64_t written = 0;
  for (const auto& [path, bytes] : counted.files.contents) {
    written += static_cast<std::int64_t>(bytes.size());
  }
  EXPECT_EQ(written, expected);

  ExportSetup large;
  for (int i = 0; i < 200; ++i) {
    large
        .AddDesign("W" + std::to_string(i), 1000, 800, {100, 200, 300, 400, 500, 600, 700, 800},
                   {100, 200, 300, 400, 500, 600, 700})
        .quantity = kMaxQuantity;
  }
  ProcessAll(large.state, large.controls, large.services);
  EXPECT_THAT(large.LastMessage(),
              testing::StartsWith("Export Too Large: the cut files would take "));
  EXPECT_THAT(large.LastMessage(), testing::EndsWith(" MiB, at most 1024 MiB"));
  EXPECT_TRUE(large.files.events.empty());
}

TEST(ExportChecksTest, FileNamePiecesAndLengthsAreChecked) {
  const std::string longName(240, 'x');
  const Refusal refusals[] = {
      {"master name", true,
       [](ExportSetup& s, GrillWindow&) { s.state.document.SetMasterFile("../up"); },
       "Invalid File Name: ../up"},
      {"design name", true, [](ExportSetup&, GrillWindow& w) { w.name = ".."; },
       "Invalid File Name: .."},
      {"edge type name", true,
       [](ExportSetup& s, GrillWindow&) { Config(s).edgeTypes[0].name = "E:1"; },
       "Invalid File Name: E:1"},
      {"combo edge type name", false,
       [](ExportSetup& s, GrillWindow&) {
         Config(s).edgeTypes[1].name = "E:2";
         s.controls.SetText(kEdgeTypeCombo, "E:2");
       },
       "Invalid File Name: E:2"},
      {"combo bar type code", false,
       [](ExportSetup& s, GrillWindow&) {
         Config(s).barTypes[1].code = "G/C";
         s.controls.SetText(kBarTypeCombo, "G58, 5/8");
       },
       "Invalid File Name: G/C"},
      {"bar type code", true,
       [](ExportSetup& s, GrillWindow&) { Config(s).barTypes[0].code = "G\\B"; },
       "Invalid File Name: G\\B"},
      {"colour code", true,
       [](ExportSetup& s, GrillWindow& w) {
         Config(s).colors[1].code = "0\n7";
         w.outsideColor = &Config(s).colors[1];
       },
       "Invalid File Name: 0\n7"},
      {"composed name too long", true,
       [&longName](ExportSetup&, GrillWindow& w) { w.name = longName; },
       "Invalid File Name: " + longName + "_GB_01_H_W_6_11_14_5_9.csv"},
      {"master name too long", false,
       [&longName](ExportSetup& s, GrillWindow&) { s.state.document.SetMasterFile(longName); },
       "Invalid File Name: " + longName + "_EdgeMaster_6_11_14_5_9.csv"},
  };
  for (const Refusal& refusal : refusals) {
    ExpectRefused(refusal);
  }
}

TEST(ExportChecksTest, TextsWrittenInsideLinesHoldNoControlCharacter) {
  const Refusal refusals[] = {
      {"bar tool code", true,
       [](ExportSetup& s, GrillWindow&) {
         ExportSetup::SetCode(Config(s).toolMap[0], kRowH, BOTH, "97\r");
       },
       "Invalid Export Text: 97\r"},
      {"edge tool code", true,
       [](ExportSetup& s, GrillWindow&) {
         ExportSetup::SetCode(Config(s).toolMap[1], kRowV, LEFT, "\t98");
       },
       "Invalid Export Text: \t98"},
      {"bar type prefix", true,
       [](ExportSetup& s, GrillWindow&) { Config(s).barTypes[0].name = "G\x7f"; },
       "Invalid Export Text: G\x7f"},
  };
  for (const Refusal& refusal : refusals) {
    ExpectRefused(refusal);
  }
}

TEST(ExportChecksTest, ChecksRunInTheirOrder) {
  ExpectRefused({"references before positions before names", true,
                 [](ExportSetup&, GrillWindow& w) {
                   w.name = "a/b";
                   w.vertPos[1] = -5.0;
                   w.outsideColor = nullptr;
                 },
                 "Outside Color not found for a/b"});
  ExpectRefused({"colours before quantity", true,
                 [](ExportSetup&, GrillWindow& w) {
                   w.quantity = -1;
                   w.insideColor = nullptr;
                 },
                 "Inside Color not found for W2"});
  ExpectRefused({"quantity before positions", true,
                 [](ExportSetup&, GrillWindow& w) {
                   w.quantity = -1;
                   w.vertPos[1] = -5.0;
                 },
                 "Invalid quantity: W2"});
  ExpectRefused({"positions before names", true,
                 [](ExportSetup&, GrillWindow& w) {
                   w.name = "a/b";
                   w.vertPos[1] = -5.0;
                 },
                 "Invalid Bar Positions: a/b"});
}

}  // namespace
}  // namespace grill::testing_export
