#include "config/BarTypeReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace grill {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr double kInch = 25.4;

struct BarTypeCase {
  const char* line;
  std::string result;
  std::uint8_t kind;
  std::uint8_t unit;
  double height;
  double width;
  std::string name;  // empty for a rejected line
  std::string code;
};

void PrintTo(const BarTypeCase& c, std::ostream* out) {
  *out << ::testing::PrintToString(std::string(c.line));
}

class ParseBarTypeLineTest : public ::testing::TestWithParam<BarTypeCase> {};

TEST_P(ParseBarTypeLineTest, FillsTheRecord) {
  const BarTypeCase& c = GetParam();
  ConfigReader reader;
  BarType record;
  EXPECT_EQ(ParseBarTypeLine(reader, c.line, record), c.result);
  EXPECT_EQ(record.kind, c.kind);
  EXPECT_EQ(record.unit, c.unit);
  EXPECT_EQ(record.height, c.height);
  EXPECT_EQ(record.width, c.width);
  EXPECT_EQ(record.name, c.name);
  EXPECT_EQ(record.code, c.code);
  EXPECT_EQ(record.accepted, c.result.empty());
  if (!c.result.empty()) {
    EXPECT_THAT(record.toolMapName, IsEmpty());
  }
  EXPECT_THAT(reader.messages, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseBarTypeLineTest,
    ::testing::Values(
        BarTypeCase{"Georgian, 5/8 x 3/4 i, PROFILE1, GEO58", "", 0, 0, 0.625 * kInch, 0.75 * kInch,
                    "Georgian, 5/8 x 3/4 i", "GEO58"},
        BarTypeCase{"Contour, 16x19mm, PROFILE1, CON16", "", 1, 1, 16, 19, "Contour, 16x19mm",
                    "CON16"},
        BarTypeCase{"pencil, 0.5X0.75in, PROFILE1, PN", "", 2, 0, 0.5 * kInch, 0.75 * kInch,
                    "pencil, 0.5X0.75in", "PN"},
        BarTypeCase{"Pencil, -1 x -2 m, P, P N, fifth", "", 2, 1, 1, 2, "Pencil, -1 x -2 m", "PN"},
        BarTypeCase{"Georgian, 5/8 by 3/4 i, PROFILE1, G", "?Missing an X", 0, 255, 0.625, -1.0, "",
                    ""},
        BarTypeCase{"Bevel, 1x1i, PROFILE1, B", "?Unrecognized Bartype:Bevel", 255, 255, -1.0, -1.0,
                    "", ""},
        BarTypeCase{"Georgian, 16x19, PROFILE1, G", "?Invalid measurement", 0, 255, 16, 19, "", ""},
        BarTypeCase{"Georgian, 16x19M, PROFILE1, G", "?Invalid measurement", 0, 255, 16, 19, "",
                    ""},
        BarTypeCase{"Georgian, x19mm, PROFILE1, G", "?Invalid height", 0, 255, -1.0, -1.0, "", ""},
        BarTypeCase{"Georgian, 1.5/2x19mm, PROFILE1, G", "?Invalid height", 0, 255, -1.0, -1.0, "",
                    ""},
        BarTypeCase{"Georgian, 16x mm, PROFILE1, G", "?Invalid width", 0, 255, 16, -1.0, "", ""},
        BarTypeCase{"Georgian, 16x3/0 i, PROFILE1, G", "?Invalid width", 0, 255, 16, -1.0, "", ""},
        BarTypeCase{"Georgian, 16, PROFILE1, G", "?Missing an X", 0, 255, 16, -1.0, "", ""},
        BarTypeCase{"Georgian, , PROFILE1, G", "?Invalid height", 0, 255, -1.0, -1.0, "", ""}));

TEST(ParseBarTypeLine, KeepsTheToolMapNameRawUntilLinking) {
  ConfigReader reader;
  BarType record;
  ParseBarTypeLine(reader, "Georgian, 5/8 x 3/4 i,  PROFILE1, GEO58", record);
  EXPECT_EQ(record.toolMapName, ",  PROFILE1");
}

TEST(ParseBarTypeLine, TooFewFieldsRaisesInvalidFieldsAndKeepsTheRecord) {
  ConfigReader reader;
  BarType record;
  EXPECT_EQ(ParseBarTypeLine(reader, "Georgian, 5/8x3/4i, PROFILE1", record), "Err");
  EXPECT_THAT(reader.messages, ElementsAre("Invalid Fields"));
  EXPECT_THAT(reader.diagnostics,
              ElementsAre("Bartype Not Enough Fields:Georgian, 5/8x3/4i, PROFILE1"));
  EXPECT_EQ(record.kind, 255);
  EXPECT_EQ(record.height, -1.0);
  EXPECT_FALSE(record.accepted);
}

TEST(ReadBarTypes, GivesOneRecordPerLineAndNotesEachRejection) {
  ConfigReader reader;
  reader.sectionLines = {"Georgian, 1x1i, P, G", "Bevel, 1x1i, P, B", "Contour, 1x1i",
                         "Contour, 2x2mm, P, C"};
  const std::vector<BarType> barTypes = ReadBarTypes(reader);
  ASSERT_EQ(barTypes.size(), 4u);
  EXPECT_EQ(barTypes[0].name, "Georgian, 1x1i");
  EXPECT_EQ(barTypes[1].name, "");
  EXPECT_EQ(barTypes[2].name, "");
  EXPECT_EQ(barTypes[3].name, "Contour, 2x2mm");
  EXPECT_THAT(reader.diagnostics, ElementsAre("?Unrecognized Bartype:Bevel",
                                              "Bartype Not Enough Fields:Contour, 1x1i", "Err"));
  EXPECT_THAT(reader.messages, ElementsAre("Invalid Fields"));
}

TEST(ReadBarTypes, AnEmptySectionGivesAnEmptyList) {
  ConfigReader reader;
  EXPECT_THAT(ReadBarTypes(reader), IsEmpty());
}

TEST(FindBarType, NeverReturnsARejectedRecordAndTheFirstMatchWins) {
  Configuration config;
  ConfigReader reader;
  reader.sectionLines = {"Bevel, 1x1i, P, B", "Georgian, 1x1i, P, G1", "Georgian, 1x1i, P, G2"};
  config.barTypes = ReadBarTypes(reader);
  EXPECT_EQ(config.FindBarType(""), nullptr);
  ASSERT_NE(config.FindBarType("Georgian, 1x1i"), nullptr);
  EXPECT_EQ(config.FindBarType("Georgian, 1x1i")->code, "G1");
}

}  // namespace
}  // namespace grill
