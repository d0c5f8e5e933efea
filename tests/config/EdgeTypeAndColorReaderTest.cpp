#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "config/ColorReader.h"
#include "config/EdgeTypeReader.h"

namespace grill {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct EdgeTypeCase {
  const char* line;
  std::string name;
  std::string toolMapName;
  double SH, SO, WD, HD;
};

void PrintTo(const EdgeTypeCase& c, std::ostream* out) {
  *out << ::testing::PrintToString(std::string(c.line));
}

class ParseEdgeTypeLineTest : public ::testing::TestWithParam<EdgeTypeCase> {};

TEST_P(ParseEdgeTypeLineTest, FillsTheRecord) {
  const EdgeTypeCase& c = GetParam();
  ConfigReader reader;
  EdgeType record;
  ParseEdgeTypeLine(reader, c.line, record);
  EXPECT_EQ(record.name, c.name);
  EXPECT_EQ(record.toolMapName, c.toolMapName);
  EXPECT_EQ(record.SH, c.SH);
  EXPECT_EQ(record.SO, c.SO);
  EXPECT_EQ(record.WD, c.WD);
  EXPECT_EQ(record.HD, c.HD);
  EXPECT_EQ(record.toolEntry, nullptr);
  EXPECT_THAT(reader.diagnostics, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseEdgeTypeLineTest,
    ::testing::Values(EdgeTypeCase{"Flat, EDGE1, SH=0.5i, SO=1/8i, WD=3, HD=3", "Flat", "EDGE1",
                                   0.5 * 25.4, (1.0 / 8.0) * 25.4, 3, 3},
                      EdgeTypeCase{"Flat Edge, EDGE 1, SH=2", "FlatEdge", "EDGE1", 2, 0, 0, 0},
                      EdgeTypeCase{"Flat, EDGE1, sh=2", "Flat", "EDGE1", 0, 0, 0, 0},
                      EdgeTypeCase{"Flat, EDGE1, SH = 2", "Flat", "EDGE1", 2, 0, 0, 0},
                      EdgeTypeCase{"Flat, EDGE1", "Flat", "EDGE1", 0, 0, 0, 0},
                      EdgeTypeCase{"Flat, EDGE1, SH=1, SH=2", "Flat", "EDGE1", 2, 0, 0, 0},
                      EdgeTypeCase{"Flat, EDGE1, HD=4mm, XY=5, WD=1 3/4i", "Flat", "EDGE1", 0, 0,
                                   (13.0 / 4.0) * 25.4, 4}));

TEST(ParseEdgeTypeLine, AValueThatDoesNotParseIsStoredAsTheFailureResultAndNoted) {
  ConfigReader reader;
  EdgeType record;
  ParseEdgeTypeLine(reader, "Flat, EDGE1, SH=abc, SO=x1i, WD", record);
  EXPECT_EQ(record.SH, -1.0);
  EXPECT_EQ(record.SO, -1.0);
  EXPECT_EQ(record.WD, -1.0);
  EXPECT_THAT(reader.diagnostics,
              ElementsAre("\n\rInvalid Measurement:, SH=abc", "\n\rInvalid Measurement:, SO=x1i",
                          "\n\rInvalid Measurement:, WD"));
}

TEST(ParseEdgeTypeLine, OneFieldKeepsTheInitialValues) {
  ConfigReader reader;
  EdgeType record;
  ParseEdgeTypeLine(reader, "Flat", record);
  EXPECT_EQ(record.name, "");
  EXPECT_EQ(record.SH, 0.0);
  EXPECT_THAT(reader.diagnostics, ElementsAre("Invalid number of fields Line: Flat"));
}

TEST(ReadEdgeTypes, GivesOneRecordPerLineInOrder) {
  ConfigReader reader;
  reader.sectionLines = {"Flat, E1, SH=1", "Odd", "Round, E2"};
  const std::vector<EdgeType> edgeTypes = ReadEdgeTypes(reader);
  ASSERT_EQ(edgeTypes.size(), 3u);
  EXPECT_EQ(edgeTypes[0].name, "Flat");
  EXPECT_EQ(edgeTypes[1].name, "");
  EXPECT_EQ(edgeTypes[2].toolMapName, "E2");
}

TEST(ReadColors, KeepsTheNameAsWrittenAndStripsTheCode) {
  ConfigReader reader;
  reader.sectionLines = {"White, WH", "Sandstone , SS", "White, W H, extra", "Lonely"};
  const std::vector<ColorEntry> colors = ReadColors(reader);
  ASSERT_EQ(colors.size(), 4u);
  EXPECT_EQ(colors[0].name, "White");
  EXPECT_EQ(colors[0].code, "WH");
  EXPECT_EQ(colors[1].name, "Sandstone ");
  EXPECT_EQ(colors[1].code, "SS");
  EXPECT_EQ(colors[2].code, "WH");
  EXPECT_EQ(colors[3].name, "Lonely");
  EXPECT_EQ(colors[3].code, "");
  EXPECT_THAT(reader.diagnostics, ElementsAre("Invalid number of fields Line: Lonely"));
}

}  // namespace
}  // namespace grill
