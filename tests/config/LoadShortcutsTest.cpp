// The shortcuts the reader takes for speed give what the plain steps give:
// stripping in place, tool codes settled before they are written, and a line
// number counted only when it is asked for.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "ConfigTestFiles.h"
#include "config/ConfigReader.h"
#include "config/FieldText.h"
#include "config/ToolMapReader.h"

namespace grill {
namespace {

using ::testing::IsEmpty;

using Cells = std::array<std::string, 12>;

TEST(StripBlanksAndCommasInPlace, LeavesWhatTheCopyingFormGives) {
  for (const char* text : {"a", ", b", ",", ", PROFILE 1", " P R\tO\n1 ,", "", " , ", "a,b c"}) {
    std::string inPlace = text;
    StripBlanksAndCommasInPlace(inPlace);
    EXPECT_EQ(inPlace, StripBlanksAndCommas(text)) << text;
  }
}

struct SettledCase {
  const char* line;
  Cells cells;
};

void PrintTo(const SettledCase& c, std::ostream* out) {
  *out << ::testing::PrintToString(std::string(c.line));
}

class SettledToolCodesTest : public ::testing::TestWithParam<SettledCase> {};

TEST_P(SettledToolCodesTest, MatchKeysAppliedOneByOne) {
  ConfigReader reader;
  ToolMapEntry record;
  ParseToolMapLine(reader, GetParam().line, record);
  EXPECT_EQ(record.toolCodes, GetParam().cells);
  EXPECT_THAT(reader.diagnostics, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Lines, SettledToolCodesTest,
                         ::testing::Values(
                             // Values stripped of inner blanks stay whole while later fields are
                             // stripped.
                             SettledCase{
                                 "P, 1, V_DEFAULT=1 1, H_UP=3 4, V_LEFT=2, H_DOWN=5 6",
                                 {"11", "11", "2", "11", "11", "11", "34", "56", "", "", "", ""}},
                             // An empty value leaves its cells empty for a later default.
                             SettledCase{"P, 1, V_LEFT=, V_DEFAULT=9, H_DEFAULT=, H_UP=8",
                                         {"9", "9", "9", "9", "9", "9", "8", "", "", "", "", ""}},
                             // A later named key overwrites what a default gave.
                             SettledCase{"P, 1, H_DEFAULT=7, H_BOTH=6, H_BOTH=5",
                                         {"", "", "", "", "", "", "7", "7", "7", "7", "5", "7"}}));

TEST(SettledToolCodes, ADefaultFillsOnlyTheCellsARecordHasEmpty) {
  ConfigReader reader;
  ToolMapEntry record;
  record.toolCodes[kRowV + UP] = "A";
  record.toolCodes[kRowH + DOWN] = "B";
  record.toolCodes[kRowH + NONE] = "C";
  ParseToolMapLine(reader, "P, 1, V_DEFAULT=1, H_DOWN=2", record);
  EXPECT_EQ(record.toolCodes, (Cells{"A", "1", "1", "1", "1", "1", "", "2", "", "", "", "C"}));
}

TEST(LineNumberOnDemand, HoldsWhenAskedAtAnyPointAndAfterAReload) {
  const std::string bytes = "\n<color>\na;\n<\\color>\n\n<toolmap>\nP, 1;\n<\\toolmap>\n\n";
  config_test::BytesFile file(bytes);
  ConfigReader askedOnce;
  ConfigReader askedAlways;
  ASSERT_EQ(askedOnce.LoadWholeFile(file), 0);
  ASSERT_EQ(askedAlways.LoadWholeFile(file), 0);
  EXPECT_EQ(askedAlways.LineNumber(), 0);
  while (askedOnce.Cursor() < askedOnce.BufferSize()) {
    askedOnce.NextSection();
    askedAlways.NextSection();
    EXPECT_EQ(askedAlways.LineNumber(),
              std::count(bytes.begin(), bytes.begin() + askedAlways.Cursor(), '\n'));
    EXPECT_EQ(askedAlways.LineNumber(), askedAlways.LineNumber());
  }
  EXPECT_EQ(askedOnce.LineNumber(), 9);

  config_test::BytesFile other("\n\n<color>");
  ASSERT_EQ(askedAlways.LoadWholeFile(other), 0);
  EXPECT_EQ(askedAlways.LineNumber(), 0);
  EXPECT_EQ(askedAlways.NextSection(), "?Err Line 2: invalid tag");
}

}  // namespace
}  // namespace grill
