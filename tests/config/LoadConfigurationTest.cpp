#include "config/LoadConfiguration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "ConfigTestFiles.h"

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
  void Load(const std::string& bytes) {
    files_.Add(kPath, bytes);
    loaded_ = LoadConfiguration(files_, kPath);
  }

  config_test::ReadOnlyFiles files_;
  LoadedConfiguration loaded_;
  const Configuration& config_ = loaded_.configuration;
};

TEST_F(LoadConfigurationTest, TheCompleteExampleYieldsExactlyItsRecords) {
  Load(kExampleFile);
  EXPECT_THAT(loaded_.messages, IsEmpty());
  EXPECT_FALSE(loaded_.endDialog);
  EXPECT_THAT(loaded_.notes, IsEmpty());

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

  EXPECT_THAT(loaded_.barTypeNames, ElementsAre("Georgian, 5/8 x 3/4 i", "Contour, 16x19mm"));
  EXPECT_THAT(loaded_.edgeTypeNames, ElementsAre("Flat"));
  EXPECT_THAT(loaded_.colorNames, ElementsAre("White", "Sandstone"));

  EXPECT_EQ(loaded_.settings.unit, Unit::Millimetres);
  EXPECT_EQ(loaded_.settings.spacingMode, SpacingMode::Divided);
  EXPECT_EQ(loaded_.settings.exportUnit, std::nullopt);
}

TEST_F(LoadConfigurationTest, TheSampleFileLoadsWithoutAnyMessageOrNote) {
  StdFiles disk;
  loaded_ = LoadConfiguration(disk, GRILL_SOURCE_DIR "/resources/MenuConfig.txt");
  EXPECT_THAT(loaded_.messages, IsEmpty());
  EXPECT_THAT(loaded_.notes, IsEmpty());
  EXPECT_FALSE(loaded_.endDialog);
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
  loaded_ = LoadConfiguration(files_, kPath);
  EXPECT_THAT(loaded_.messages, ElementsAre("Cannot Find Config File"));
  EXPECT_TRUE(loaded_.endDialog);
  EXPECT_THAT(loaded_.barTypeNames, IsEmpty());
}

TEST_F(LoadConfigurationTest, BrokenSectionsAreReportedInOrderAndLoadingGoesOn) {
  Load(
      "<color>\nWhite, WH;\n</color>\n"
      "<bartypes>\nGeorgian, 1x1i, P, G;\n<\\color>\n"
      "<Bartypes>\nContour, 1x1i, P, C;\n<\\Bartypes>\n"
      "<toolmap>\nP, 10;\n<\\toolmap>\n"
      "<edgetypes>\nFlat, P;\n<\\edgetypes>\n"
      "<edgetypes>\nRound, P;\n");
  EXPECT_THAT(loaded_.messages,
              ElementsAre("Config Error:?Invalid Closing Tag",
                          "Config Error:?Invalid Closing Tag: ", "Config Error:Bartypes",
                          "Config Error:?Err Line 17: invalid tag"));
  EXPECT_TRUE(loaded_.endDialog);
  EXPECT_THAT(loaded_.barTypeNames, IsEmpty());
  EXPECT_THAT(loaded_.colorNames, IsEmpty());
  EXPECT_THAT(loaded_.edgeTypeNames, ElementsAre("Flat"));
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
  EXPECT_THAT(loaded_.messages, IsEmpty());
  EXPECT_THAT(loaded_.barTypeNames,
              ElementsAre("Georgian, 1x1i", "Contour, 2x2mm", "Pencil, 1x1i"));
  EXPECT_THAT(loaded_.colorNames, ElementsAre("White", "Black", "Bronze"));
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
  // SO does not read: Round would be framed 1 mm narrower on each side than
  // it is, so it is refused, its value quoted on one line.
  EXPECT_THAT(
      loaded_.messages,
      ElementsAre("Invalid Fields", "Config Error:?Err Line 4: invalid measurement SO= 1/8i",
                  "Toolmap not found: ", "Toolmap not found: ", "Toolmap not found: "));
  EXPECT_FALSE(loaded_.endDialog);
  EXPECT_THAT(loaded_.barTypeNames, ElementsAre("", "", "Pencil, 1x1i"));
  EXPECT_THAT(loaded_.edgeTypeNames, ElementsAre(""));
  EXPECT_EQ(config_.FindBarType(""), nullptr);
  EXPECT_EQ(config_.FindEdgeType("Round"), nullptr);
  // One note per entry, each on one line, in file order.
  EXPECT_THAT(loaded_.notes,
              ElementsAre("?Missing an X", "Bartype Not Enough Fields:Contour, 1x1i, P", "Err",
                          "Invalid number of fields Line: Flat", "Invalid Measurement:, SO= 1/8i",
                          "Invalid number of fields Line: Lonely"));
}

TEST_F(LoadConfigurationTest, AnEntryWithoutANameLinksTheTypesWithoutAToolMapName) {
  // Lookups are exact: the empty name of a malformed tool map line matches
  // the empty tool map name of a rejected bar type.
  Load("<toolmap>Q;<\\toolmap><bartypes>Bevel, 1x1i, P, B;<\\bartypes>");
  EXPECT_THAT(loaded_.messages, IsEmpty());
  EXPECT_EQ(config_.barTypes[0].toolEntry, &config_.toolMap[0]);
  EXPECT_THAT(loaded_.notes,
              ElementsAre("Invalid number of Fields: Q", "?Unrecognized Bartype:Bevel"));
}

TEST_F(LoadConfigurationTest, AFileOfOnlyTextOrTooLargeReadsNoSection) {
  Load("no sections here, just words\n");
  EXPECT_THAT(loaded_.messages, IsEmpty());
  EXPECT_FALSE(loaded_.endDialog);

  std::string tooLarge(1'000'000, ' ');
  tooLarge.replace(0, 23, "<color>White, WH;<\\clr>");
  Load(tooLarge);
  EXPECT_THAT(loaded_.messages, IsEmpty());
  EXPECT_THAT(loaded_.colorNames, IsEmpty());
  EXPECT_THAT(config_.colors, IsEmpty());
}

struct InterfaceCase {
  const char* section;
  std::optional<Unit> unit;
  std::optional<SpacingMode> spacingMode;
  std::optional<Unit> exportUnit;
  std::vector<std::string> notes;
};

void PrintTo(const InterfaceCase& c, std::ostream* out) {
  *out << ::testing::PrintToString(std::string(c.section));
}

class InterfaceSectionTest : public LoadConfigurationTest,
                             public ::testing::WithParamInterface<InterfaceCase> {};

TEST_P(InterfaceSectionTest, SetsTheNamedModesOnly) {
  const InterfaceCase& c = GetParam();
  Load(std::string("<interface>") + c.section + "<\\interface>");
  EXPECT_THAT(loaded_.messages, IsEmpty());
  EXPECT_EQ(loaded_.settings.unit, c.unit);
  EXPECT_EQ(loaded_.settings.spacingMode, c.spacingMode);
  EXPECT_EQ(loaded_.settings.exportUnit, c.exportUnit);
  EXPECT_EQ(loaded_.notes, c.notes);
}

constexpr auto kMm = Unit::Millimetres;
constexpr auto kIn = Unit::Inches;
constexpr auto kDivided = SpacingMode::Divided;
constexpr auto kEqual = SpacingMode::EqualSpace;

INSTANTIATE_TEST_SUITE_P(
    Lines, InterfaceSectionTest,
    ::testing::Values(InterfaceCase{"measure = mm;", kMm, {}, {}, {}},
                      InterfaceCase{"MEASURE=MILLIMETRES;", {}, {}, {}, {}},
                      InterfaceCase{"MEASURE=IN;", {}, {}, {}, {}},
                      InterfaceCase{"ALIGNMODE=DIVIDED, ALIGNMODE=EQUALSPACE;", {}, kEqual, {}, {}},
                      InterfaceCase{
                          "alignmode=divided, MEASURE=IN, COLOR=MM;", {}, kDivided, {}, {}},
                      InterfaceCase{"MEASURE=MM;\nALIGNMODE=DIVIDED;", kMm, {}, {}, {}},
                      InterfaceCase{"MEASURE;", {}, {}, {}, {}}, InterfaceCase{"", {}, {}, {}, {}},
                      InterfaceCase{"EXPORTUNIT=MM;", {}, {}, kMm, {}},
                      InterfaceCase{"exportunit = in, MEASURE=MM;", kMm, {}, kIn, {}},
                      InterfaceCase{"EXPORTUNIT=MM, EXPORTUNIT=IN;", {}, {}, kIn, {}},
                      InterfaceCase{"EXPORTUNIT=IN;\nEXPORTUNIT=MM;", {}, {}, kIn, {}},
                      // A bad value is noted and keeps what an earlier field chose.
                      InterfaceCase{"EXPORTUNIT=MM, EXPORTUNIT=CM;",
                                    {},
                                    {},
                                    kMm,
                                    {"Invalid Export Unit: EXPORTUNIT=MM, EXPORTUNIT=CM"}},
                      InterfaceCase{"EXPORTUNIT;", {}, {}, {}, {"Invalid Export Unit: EXPORTUNIT"}},
                      InterfaceCase{"ALIGNMODE=DIVIDED, EXPORTUNIT=\nINCH;",
                                    {},
                                    kDivided,
                                    {},
                                    {"Invalid Export Unit: ALIGNMODE=DIVIDED, EXPORTUNIT= INCH"}}));

TEST_F(LoadConfigurationTest, ALaterInterfaceSectionOverridesOnlyWhatItNames) {
  Load(
      "<interface>MEASURE=MM, ALIGNMODE=DIVIDED, EXPORTUNIT=IN;<\\interface>"
      "<interface>ALIGNMODE=EQUALSPACE;<\\interface>");
  EXPECT_EQ(loaded_.settings.unit, Unit::Millimetres);
  EXPECT_EQ(loaded_.settings.spacingMode, SpacingMode::EqualSpace);
  EXPECT_EQ(loaded_.settings.exportUnit, Unit::Inches);
}

}  // namespace
}  // namespace grill
