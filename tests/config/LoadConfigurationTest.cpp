#include "config/LoadConfiguration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ConfigTestFiles.h"
#include "app/MainDialogTemplate.h"
#include "platform/ControlIds.h"
#include "testing/MemoryControls.h"

namespace grill {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kPath = "MenuConfig.txt";

// The complete example: every section once, tool map first.
constexpr const char* kExampleFile =
    "<toolmap>\n"
    "PROFILE1, 0.75i, V_DEFAULT=11, H_DEFAULT=21, V_BOTH=15, H_BOTH=25;\n"
    "EDGE1, 10, V_LEFT=31, V_RIGHT=32, H_UP=33, H_DOWN=34;\n"
    "<\\toolmap>\n"
    "<bartypes>\n"
    "Georgian, 5/8 x 3/4 i, PROFILE1, GEO58;\n"
    "Contour, 16x19mm, PROFILE1, CON16;\n"
    "<\\bartypes>\n"
    "<edgetypes>\n"
    "Flat, EDGE1, SH=0.5i, SO=1/8i, WD=3, HD=3;\n"
    "<\\edgetypes>\n"
    "<color>\n"
    "White, WH;\n"
    "Sandstone, SS;\n"
    "<\\color>\n"
    "<interface>\n"
    "MEASURE=MM, ALIGNMODE=DIVIDED;\n"
    "<\\interface>\n";

class LoadConfigurationTest : public ::testing::Test {
 protected:
  LoadConfigurationTest() {
    // The dialog's state before loading: inches and Equal Space.
    controls_.SetChecked(kInchesRadio, true);
    controls_.SetChecked(kEqualSpaceRadio, true);
  }

  void Load(const std::string& bytes) {
    files_.Add(kPath, bytes);
    LoadConfiguration(files_, kPath, controls_, config_, modes_, diagnostics_);
  }
  const std::vector<std::string>& Entries(int id) const { return controls_.Entries(id); }

  config_test::ReadOnlyFiles files_;
  MemoryControls controls_{MainDialogTemplate()};
  Configuration config_;
  DisplayModes modes_;
  std::vector<std::string> diagnostics_;
};

TEST_F(LoadConfigurationTest, TheCompleteExampleYieldsExactlyItsRecords) {
  Load(kExampleFile);
  EXPECT_THAT(controls_.Messages(), IsEmpty());
  EXPECT_FALSE(controls_.Ended());
  EXPECT_THAT(diagnostics_, IsEmpty());

  ASSERT_EQ(config_.toolMap.size(), 2u);
  const ToolMapEntry& profile = config_.toolMap[0];
  EXPECT_EQ(profile.name, "PROFILE1");
  EXPECT_EQ(profile.toolMeasurement, 0.75 * 25.4);
  EXPECT_EQ(profile.toolCodes, (std::array<std::string, 12>{"11", "11", "11", "11", "15", "11",
                                                            "21", "21", "21", "21", "25", "21"}));
  const ToolMapEntry& edge = config_.toolMap[1];
  EXPECT_EQ(edge.name, "EDGE1");
  EXPECT_EQ(edge.toolMeasurement, 10.0);

  ASSERT_EQ(config_.barTypes.size(), 2u);
  const BarType& georgian = config_.barTypes[0];
  EXPECT_EQ(georgian.name, "Georgian, 5/8 x 3/4 i");
  EXPECT_EQ(georgian.kind, 0);
  EXPECT_EQ(georgian.unit, 0);
  EXPECT_EQ(georgian.height, 15.875);
  EXPECT_EQ(georgian.width, 0.75 * 25.4);
  EXPECT_EQ(georgian.code, "GEO58");
  EXPECT_EQ(georgian.toolMapName, "PROFILE1");
  EXPECT_EQ(georgian.toolEntry, &profile);
  const BarType& contour = config_.barTypes[1];
  EXPECT_EQ(contour.name, "Contour, 16x19mm");
  EXPECT_EQ(contour.kind, 1);
  EXPECT_EQ(contour.unit, 1);
  EXPECT_EQ(contour.height, 16.0);
  EXPECT_EQ(contour.width, 19.0);
  EXPECT_EQ(contour.code, "CON16");
  EXPECT_EQ(contour.toolEntry, &profile);

  ASSERT_EQ(config_.edgeTypes.size(), 1u);
  const EdgeType& flat = config_.edgeTypes[0];
  EXPECT_EQ(flat.name, "Flat");
  EXPECT_EQ(flat.toolEntry, &edge);
  EXPECT_EQ(flat.SH, 12.7);
  EXPECT_EQ(flat.SO, 3.175);
  EXPECT_EQ(flat.WD, 3.0);
  EXPECT_EQ(flat.HD, 3.0);

  ASSERT_EQ(config_.colors.size(), 2u);
  EXPECT_EQ(config_.colors[0].name, "White");
  EXPECT_EQ(config_.colors[0].code, "WH");
  EXPECT_EQ(config_.colors[1].name, "Sandstone");
  EXPECT_EQ(config_.colors[1].code, "SS");

  EXPECT_THAT(Entries(kBarTypeCombo), ElementsAre("Georgian, 5/8 x 3/4 i", "Contour, 16x19mm"));
  EXPECT_THAT(Entries(kEdgeTypeCombo), ElementsAre("Flat"));
  EXPECT_THAT(Entries(kInsideColorCombo), ElementsAre("White", "Sandstone"));
  EXPECT_THAT(Entries(kOutsideColorCombo), ElementsAre("White", "Sandstone"));

  EXPECT_EQ(modes_.useMillimetres, 1);
  EXPECT_EQ(modes_.equalSpace, 0);
  EXPECT_TRUE(controls_.IsChecked(kMillimetresRadio));
  EXPECT_FALSE(controls_.IsChecked(kInchesRadio));
  EXPECT_TRUE(controls_.IsChecked(kDividedRadio));
  EXPECT_FALSE(controls_.IsChecked(kEqualSpaceRadio));
}

TEST_F(LoadConfigurationTest, TheSampleFileLoadsWithoutAnyMessageOrNote) {
  StdFiles disk;
  LoadConfiguration(disk, GRILL_SOURCE_DIR "/resources/MenuConfig.txt", controls_, config_, modes_,
                    diagnostics_);
  EXPECT_THAT(controls_.Messages(), IsEmpty());
  EXPECT_THAT(diagnostics_, IsEmpty());
  EXPECT_FALSE(controls_.Ended());
  EXPECT_GE(config_.barTypes.size(), 6u);
  EXPECT_GE(config_.edgeTypes.size(), 2u);
  EXPECT_EQ(config_.colors.size(), 4u);
  for (const BarType& barType : config_.barTypes) {
    EXPECT_TRUE(barType.accepted) << barType.name;
    EXPECT_NE(barType.toolEntry, nullptr) << barType.name;
  }
  for (const EdgeType& edgeType : config_.edgeTypes) {
    EXPECT_NE(edgeType.toolEntry, nullptr) << edgeType.name;
  }
}

TEST_F(LoadConfigurationTest, AMissingFileEndsTheDialogWithoutReading) {
  LoadConfiguration(files_, kPath, controls_, config_, modes_, diagnostics_);
  EXPECT_THAT(controls_.Messages(), ElementsAre("Cannot Find Config File"));
  EXPECT_TRUE(controls_.Ended());
  EXPECT_THAT(Entries(kBarTypeCombo), IsEmpty());
}

TEST_F(LoadConfigurationTest, BrokenSectionsAreReportedInOrderAndLoadingGoesOn) {
  Load(
      "<color>\nWhite, WH;\n</color>\n"
      "<bartypes>\nGeorgian, 1x1i, P, G;\n<\\color>\n"
      "<Bartypes>\nContour, 1x1i, P, C;\n<\\Bartypes>\n"
      "<toolmap>\nP, 10;\n<\\toolmap>\n"
      "<edgetypes>\nFlat, P;\n<\\edgetypes>\n"
      "<edgetypes>\nRound, P;\n");
  EXPECT_THAT(controls_.Messages(),
              ElementsAre("Config Error:?Invalid Closing Tag",
                          "Config Error:?Invalid Closing Tag: ", "Config Error:Bartypes",
                          "Config Error:?Err Line 17: invalid tag"));
  EXPECT_TRUE(controls_.Ended());
  EXPECT_THAT(Entries(kBarTypeCombo), IsEmpty());
  EXPECT_THAT(Entries(kInsideColorCombo), IsEmpty());
  EXPECT_THAT(Entries(kEdgeTypeCombo), ElementsAre("Flat"));
  ASSERT_EQ(config_.edgeTypes.size(), 1u);
  EXPECT_EQ(config_.edgeTypes[0].toolEntry, &config_.toolMap[0]);
}

TEST_F(LoadConfigurationTest, ASectionReadTwiceReplacesTheListButAddsToTheCombo) {
  Load(
      "<bartypes>Georgian, 1x1i, LATE, G1;<\\bartypes>\n"
      "<color>White, WH; Black, BK;<\\color>\n"
      "<bartypes>Contour, 2x2mm, LATE, C2; Pencil, 1x1i, LATE, P3;<\\bartypes>\n"
      "<color>Bronze, BZ;<\\color>\n"
      "<toolmap>LATE, 10;<\\toolmap>\n");
  EXPECT_THAT(controls_.Messages(), IsEmpty());
  EXPECT_THAT(Entries(kBarTypeCombo),
              ElementsAre("Georgian, 1x1i", "Contour, 2x2mm", "Pencil, 1x1i"));
  EXPECT_THAT(Entries(kInsideColorCombo), ElementsAre("White", "Black", "Bronze"));
  EXPECT_THAT(Entries(kOutsideColorCombo), ElementsAre("White", "Black", "Bronze"));
  ASSERT_EQ(config_.barTypes.size(), 2u);
  EXPECT_EQ(config_.barTypes[0].code, "C2");
  EXPECT_EQ(config_.barTypes[1].toolEntry, &config_.toolMap[0]);
  ASSERT_EQ(config_.colors.size(), 1u);
  EXPECT_EQ(config_.colors[0].code, "BZ");
}

TEST_F(LoadConfigurationTest, RejectedLinesKeepAnEmptyComboEntryAndAreNoted) {
  Load(
      "<toolmap>P, 10;<\\toolmap>"
      "<bartypes>Georgian, 5/8 by 3/4 i, P, G;\nContour, 1x1i, P;\nPencil, 1x1i, P, N;"
      "<\\bartypes>"
      "<edgetypes>Flat;\nRound, P, SH=1 in, SO=\n1/8i;<\\edgetypes>"
      "<color>Lonely;<\\color>");
  EXPECT_THAT(controls_.Messages(), ElementsAre("Invalid Fields", "Toolmap not found: ",
                                                "Toolmap not found: ", "Toolmap not found: "));
  EXPECT_FALSE(controls_.Ended());
  EXPECT_THAT(Entries(kBarTypeCombo), ElementsAre("", "", "Pencil, 1x1i"));
  EXPECT_THAT(Entries(kEdgeTypeCombo), ElementsAre("", "Round"));
  EXPECT_EQ(config_.FindBarType(""), nullptr);
  EXPECT_EQ(config_.edgeTypes[1].SH, 25.4);
  // One note per entry, each on one line, in file order.
  EXPECT_THAT(diagnostics_,
              ElementsAre("?Missing an X", "Bartype Not Enough Fields:Contour, 1x1i, P", "Err",
                          "Invalid number of fields Line: Flat", "Invalid Measurement:, SO= 1/8i",
                          "Invalid number of fields Line: Lonely"));
}

TEST_F(LoadConfigurationTest, AnEntryWithoutANameLinksTheTypesWithoutAToolMapName) {
  // Lookups are exact: the empty name of a malformed tool map line matches
  // the empty tool map name of a rejected bar type.
  Load("<toolmap>Q;<\\toolmap><bartypes>Bevel, 1x1i, P, B;<\\bartypes>");
  EXPECT_THAT(controls_.Messages(), IsEmpty());
  EXPECT_EQ(config_.barTypes[0].toolEntry, &config_.toolMap[0]);
  EXPECT_THAT(diagnostics_,
              ElementsAre("Invalid number of Fields: Q", "?Unrecognized Bartype:Bevel"));
}

TEST_F(LoadConfigurationTest, AFileOfOnlyTextOrTooLargeReadsNoSection) {
  Load("no sections here, just words\n");
  EXPECT_THAT(controls_.Messages(), IsEmpty());
  EXPECT_FALSE(controls_.Ended());

  std::string tooLarge(1'000'000, ' ');
  tooLarge.replace(0, 23, "<color>White, WH;<\\clr>");
  Load(tooLarge);
  EXPECT_THAT(controls_.Messages(), IsEmpty());
  EXPECT_THAT(Entries(kInsideColorCombo), IsEmpty());
  EXPECT_THAT(config_.colors, IsEmpty());
}

struct InterfaceCase {
  const char* section;
  int useMillimetres;
  int equalSpace;
};

void PrintTo(const InterfaceCase& c, std::ostream* out) {
  *out << ::testing::PrintToString(std::string(c.section));
}

class InterfaceSectionTest : public LoadConfigurationTest,
                             public ::testing::WithParamInterface<InterfaceCase> {};

TEST_P(InterfaceSectionTest, SetsModesAndRadios) {
  const InterfaceCase& c = GetParam();
  Load(std::string("<interface>") + c.section + "<\\interface>");
  EXPECT_THAT(controls_.Messages(), IsEmpty());
  EXPECT_EQ(modes_.useMillimetres, c.useMillimetres);
  EXPECT_EQ(modes_.equalSpace, c.equalSpace);
  EXPECT_EQ(controls_.IsChecked(kMillimetresRadio), c.useMillimetres == 1);
  EXPECT_EQ(controls_.IsChecked(kInchesRadio), c.useMillimetres == 0);
  EXPECT_EQ(controls_.IsChecked(kEqualSpaceRadio), c.equalSpace == 1);
  EXPECT_EQ(controls_.IsChecked(kDividedRadio), c.equalSpace == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, InterfaceSectionTest,
    ::testing::Values(InterfaceCase{"measure = mm;", 1, 1},
                      InterfaceCase{"MEASURE=MILLIMETRES;", 0, 1},
                      InterfaceCase{"ALIGNMODE=DIVIDED, ALIGNMODE=EQUALSPACE;", 0, 1},
                      InterfaceCase{"alignmode=divided, MEASURE=IN, COLOR=MM;", 0, 0},
                      InterfaceCase{"MEASURE=MM;\nALIGNMODE=DIVIDED;", 1, 1},
                      InterfaceCase{"MEASURE;", 0, 1}, InterfaceCase{"", 0, 1}));

}  // namespace
}  // namespace grill
