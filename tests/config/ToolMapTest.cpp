#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "config/ToolMapLinking.h"
#include "config/ToolMapReader.h"

namespace grill {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using Cells = std::array<std::string, 12>;

struct ToolMapCase {
  const char* line;
  std::string name;
  double toolMeasurement;
  Cells cells;
};

void PrintTo(const ToolMapCase& c, std::ostream* out) {
  *out << ::testing::PrintToString(std::string(c.line));
}

class ParseToolMapLineTest : public ::testing::TestWithParam<ToolMapCase> {};

TEST_P(ParseToolMapLineTest, FillsNameMeasurementAndCells) {
  const ToolMapCase& c = GetParam();
  ConfigReader reader;
  ToolMapEntry record;
  ParseToolMapLine(reader, c.line, record);
  EXPECT_EQ(record.name, c.name);
  EXPECT_EQ(record.toolMeasurement, c.toolMeasurement);
  EXPECT_EQ(record.toolCodes, c.cells);
  EXPECT_THAT(reader.diagnostics, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseToolMapLineTest,
    ::testing::Values(ToolMapCase{"PROFILE1, 0.75i, V_DEFAULT=11, V_LEFT=12",
                                  "PROFILE1",
                                  0.75 * 25.4,
                                  {"11", "11", "12", "11", "11", "11", "", "", "", "", "", ""}},
                      ToolMapCase{"PROFILE1, 0.75i, V_LEFT=12, V_DEFAULT=11",
                                  "PROFILE1",
                                  0.75 * 25.4,
                                  {"11", "11", "12", "11", "11", "11", "", "", "", "", "", ""}},
                      ToolMapCase{"PROFILE1, 10, H_DEFAULT=21, H_DEFAULT=22",
                                  "PROFILE1",
                                  10,
                                  {"", "", "", "", "", "", "21", "21", "21", "21", "21", "21"}},
                      ToolMapCase{"PROFILE1, 10, v_left=12", "PROFILE1", 10, {}},
                      ToolMapCase{"PROFILE 1, 1 0", "PROFILE1", 10, {}},
                      ToolMapCase{
                          "P, 3/4in, V_LEFT=1, V_RIGHT=2, V_BOTH=3, V_NONE=4, H_UP=5, H_DOWN=6, "
                          "H_BOTH=7, H_NONE=8, H_DEFAULT=9, V_DEFAULT=0, X=1",
                          "P",
                          0.75 * 25.4,
                          {"0", "0", "1", "2", "3", "4", "5", "6", "9", "9", "7", "8"}},
                      ToolMapCase{"EDGE1, 10, V_LEFT=31, V_RIGHT=32, H_UP=33, H_DOWN=34",
                                  "EDGE1",
                                  10,
                                  {"", "", "31", "32", "", "", "33", "34", "", "", "", ""}}));

TEST(ParseToolMapLine, OneFieldLeavesTheInitialValues) {
  ConfigReader reader;
  ToolMapEntry record;
  ParseToolMapLine(reader, "PROFILE1", record);
  EXPECT_EQ(record.name, "");
  EXPECT_EQ(record.toolMeasurement, 0.0);
  EXPECT_THAT(reader.diagnostics, ElementsAre("Invalid number of Fields: PROFILE1"));
}

TEST(ParseToolMapLine, AMeasurementThatDoesNotParseIsStoredAndNoted) {
  ConfigReader reader;
  ToolMapEntry record;
  ParseToolMapLine(reader, "P, in, V_LEFT=1", record);
  EXPECT_EQ(record.toolMeasurement, -25.4);
  EXPECT_EQ(record.Code(kRowV, LEFT), "1");
  EXPECT_THAT(reader.diagnostics, ElementsAre("Invalid Tool Measurement: P, in, V_LEFT=1"));
}

struct KeyOrderCase {
  const char* line;
  Cells cells;
};

void PrintTo(const KeyOrderCase& c, std::ostream* os) {
  *os << '"' << c.line << '"';
}

class ToolKeyOrderTest : public ::testing::TestWithParam<KeyOrderCase> {};

TEST_P(ToolKeyOrderTest, KeysApplyOneByOne) {
  ConfigReader reader;
  ToolMapEntry record;
  ParseToolMapLine(reader, GetParam().line, record);
  EXPECT_EQ(record.toolCodes, GetParam().cells);
  EXPECT_THAT(reader.diagnostics, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Lines, ToolKeyOrderTest,
                         ::testing::Values(
                             // Values with inner blanks are stripped whole.
                             KeyOrderCase{
                                 "P, 1, V_DEFAULT=1 1, H_UP=3 4, V_LEFT=2, H_DOWN=5 6",
                                 {"11", "11", "2", "11", "11", "11", "34", "56", "", "", "", ""}},
                             // An empty value leaves its cells empty for a later default.
                             KeyOrderCase{"P, 1, V_LEFT=, V_DEFAULT=9, H_DEFAULT=, H_UP=8",
                                          {"9", "9", "9", "9", "9", "9", "8", "", "", "", "", ""}},
                             // A later named key overwrites what a default gave.
                             KeyOrderCase{"P, 1, H_DEFAULT=7, H_BOTH=6, H_BOTH=5",
                                          {"", "", "", "", "", "", "7", "7", "7", "7", "5", "7"}}));

TEST(ParseToolMapLine, ADefaultFillsOnlyTheCellsARecordHasEmpty) {
  ConfigReader reader;
  ToolMapEntry record;
  record.toolCodes[kRowV + UP] = "A";
  record.toolCodes[kRowH + DOWN] = "B";
  record.toolCodes[kRowH + NONE] = "C";
  ParseToolMapLine(reader, "P, 1, V_DEFAULT=1, H_DOWN=2", record);
  EXPECT_EQ(record.toolCodes, (Cells{"A", "1", "1", "1", "1", "1", "", "2", "", "", "", "C"}));
}

class LinkToolMapTest : public ::testing::Test {
 protected:
  void Read(std::vector<std::string> toolMapLines) {
    toolMapLines_ = std::move(toolMapLines);
    reader_.sectionLines.assign(toolMapLines_.begin(), toolMapLines_.end());
    config_.toolMap = ReadToolMap(reader_);
  }
  void AddBarType(std::string name, std::string toolMapName) {
    BarType& barType = config_.barTypes.emplace_back();
    barType.name = std::move(name);
    barType.toolMapName = std::move(toolMapName);
  }
  void AddEdgeType(std::string name, std::string toolMapName) {
    EdgeType& edgeType = config_.edgeTypes.emplace_back();
    edgeType.name = std::move(name);
    edgeType.toolMapName = std::move(toolMapName);
  }

  std::vector<std::string> toolMapLines_;
  ConfigReader reader_;
  Configuration config_;
  std::vector<std::string> messages_;
};

TEST_F(LinkToolMapTest, LinksByStrippedExactNameToTheFirstEntry) {
  Read({"PROFILE 1, 10, V_LEFT=first", "EDGE1, 5", "PROFILE1, 20, V_LEFT=second"});
  AddBarType("Georgian, 1x1i", ", PROFILE 1");
  AddBarType("Contour, 1x1i", ",PROFILE1 ");
  AddEdgeType("Flat", "EDGE1");
  LinkToolMap(config_, messages_);
  EXPECT_THAT(messages_, IsEmpty());
  EXPECT_EQ(config_.barTypes[0].toolMapName, "PROFILE1");
  ASSERT_EQ(config_.barTypes[0].toolEntry, &config_.toolMap[0]);
  EXPECT_EQ(config_.barTypes[1].toolEntry, &config_.toolMap[0]);
  EXPECT_EQ(config_.edgeTypes[0].toolEntry, &config_.toolMap[1]);
}

TEST_F(LinkToolMapTest, ReportsEachUnlinkedBarTypeThenEachUnlinkedEdgeType) {
  Read({"PROFILE1, 10"});
  AddEdgeType("Flat", "profile1");
  AddBarType("Georgian, 5/8 x 3/4 i", ", profile1");
  AddBarType("", "");
  AddBarType("Contour, 1x1i", ", PROFILE1");
  LinkToolMap(config_, messages_);
  EXPECT_THAT(messages_, ElementsAre("Toolmap not found: Georgian, 5/8 x 3/4 i",
                                     "Toolmap not found: ", "Toolmap not found: Flat"));
  EXPECT_EQ(config_.barTypes[0].toolEntry, nullptr);
  EXPECT_EQ(config_.barTypes[2].toolEntry, &config_.toolMap[0]);
  EXPECT_EQ(config_.edgeTypes[0].toolEntry, nullptr);
}

TEST_F(LinkToolMapTest, AnEmptyToolMapLeavesEveryTypeUnlinked) {
  AddBarType("Georgian, 1x1i", ", P");
  AddEdgeType("Flat", "E");
  LinkToolMap(config_, messages_);
  EXPECT_THAT(messages_,
              ElementsAre("Toolmap not found: Georgian, 1x1i", "Toolmap not found: Flat"));
}

}  // namespace
}  // namespace grill
