#include "config/ConfigReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "ConfigTestFiles.h"

namespace grill {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

ConfigReader ReaderOf(const std::string& bytes) {
  ConfigReader reader;
  config_test::BytesFile file(bytes);
  EXPECT_EQ(reader.LoadWholeFile(file), 0);
  return reader;
}

struct SectionCase {
  const char* what;
  std::string file;
  std::string result;
  std::vector<std::string> lines;
  std::int32_t cursorAfter;
  std::int32_t lineNumberAfter;
};

void PrintTo(const SectionCase& c, std::ostream* out) {
  *out << c.what;
}

class NextSectionTest : public ::testing::TestWithParam<SectionCase> {};

TEST_P(NextSectionTest, GivesResultLinesAndPosition) {
  const SectionCase& c = GetParam();
  ConfigReader reader = ReaderOf(c.file);
  EXPECT_EQ(reader.NextSection(), c.result);
  EXPECT_THAT(reader.sectionLines, ::testing::ElementsAreArray(c.lines));
  EXPECT_EQ(reader.Cursor(), c.cursorAfter);
  EXPECT_EQ(reader.LineNumber(), c.lineNumberAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, NextSectionTest,
    ::testing::Values(
        SectionCase{"text without a tag", "nothing\nhere\n", "?End of File", {}, 13, 2},
        SectionCase{"empty file", "", "?End of File", {}, 0, 0},
        SectionCase{"good section; cursor on the closing '>'",
                    "\n<color>\nWhite, WH;\nSandstone, SS;\n<\\color>\n",
                    "color",
                    {"White, WH", "Sandstone, SS"},
                    42,
                    4},
        SectionCase{"forward slash; cursor on the slash",
                    "<color>\nWhite, WH;\n</color>",
                    "?Invalid Closing Tag",
                    {"White, WH"},
                    20,
                    2},
        SectionCase{"closing name differs",
                    "<bartypes>a, b, c, d;<\\color>",
                    "?Invalid Closing Tag: ",
                    {"a, b, c, d"},
                    28,
                    0},
        SectionCase{"name compared case-sensitively",
                    "<color>a;<\\Color>",
                    "?Invalid Closing Tag: ",
                    {"a"},
                    16,
                    0},
        SectionCase{"no closing tag",
                    "<color>\nWhite, WH;\n\n",
                    "?Err Line 3: invalid tag",
                    {"White, WH"},
                    20,
                    3},
        SectionCase{"end inside the tag name", "\n\n<color", "?Err Line 2: invalid tag", {}, 8, 2},
        SectionCase{
            "end inside a line", "<color>\nWhite,\nWH", "?Err Line 2: invalid tag", {}, 17, 2},
        SectionCase{"end inside the closing name",
                    "<color>\na;\n<\\color",
                    "?Err Line 2: invalid tag",
                    {"a"},
                    18,
                    2},
        SectionCase{"'<' as the very last byte",
                    "<color>\na;\n<",
                    "?Err Line 2: invalid tag",
                    {"a"},
                    12,
                    2},
        SectionCase{"line without ';' before the closing tag is dropped",
                    "<color>White, WH;\nBlack, BK\n<\\color>",
                    "color",
                    {"White, WH"},
                    35,
                    2},
        SectionCase{"a line over two physical lines keeps its line break",
                    "<color>White,\nWH;<\\color>",
                    "color",
                    {"White,\nWH"},
                    24,
                    1},
        SectionCase{"punctuation before a line is skipped",
                    "<color>-- note;<\\color>",
                    "color",
                    {"note"},
                    22,
                    0},
        SectionCase{"name is every byte between the brackets",
                    "< co\nlor ><\\ co\nlor >",
                    " co\nlor ",
                    {},
                    20,
                    2},
        SectionCase{"empty body", "<toolmap><\\toolmap>", "toolmap", {}, 18, 0}));

TEST(NextSection, ReadsSectionAfterSectionUpToTheEnd) {
  ConfigReader reader = ReaderOf(
      "<toolmap>\nP, 1;\n<\\toolmap>\n<colour>\nW, WH;\n<\\colour>\n"
      "<color>\nW,WH</color>\n<color>\nB, BK;\n<\\color>\n");
  EXPECT_EQ(reader.NextSection(), "toolmap");
  EXPECT_EQ(reader.LineNumber(), 2);
  EXPECT_EQ(reader.NextSection(), "colour");
  EXPECT_EQ(reader.NextSection(), "?Invalid Closing Tag");
  // Reading goes on from the byte after the '<' and meets the next section.
  EXPECT_EQ(reader.NextSection(), "color");
  EXPECT_THAT(reader.sectionLines, ElementsAre("B, BK"));
  EXPECT_EQ(reader.LineNumber(), 10);
  EXPECT_LT(reader.Cursor(), reader.BufferSize());
  EXPECT_EQ(reader.NextSection(), "?End of File");
  EXPECT_THAT(reader.sectionLines, IsEmpty());
  EXPECT_EQ(reader.Cursor(), reader.BufferSize());
  EXPECT_EQ(reader.LineNumber(), 11);
}

TEST(LineNumber, CountsThePassedLineFeedsAtAnyPointAndAfterAReload) {
  const std::string bytes = "\n<color>\na;\n<\\color>\n\n<toolmap>\nP, 1;\n<\\toolmap>\n\n";
  ConfigReader reader = ReaderOf(bytes);
  EXPECT_EQ(reader.LineNumber(), 0);
  while (reader.Cursor() < reader.BufferSize()) {
    reader.NextSection();
    EXPECT_EQ(reader.LineNumber(),
              std::count(bytes.begin(), bytes.begin() + reader.Cursor(), '\n'));
  }
  EXPECT_EQ(reader.LineNumber(), 9);

  config_test::BytesFile other("\n\n<color>");
  ASSERT_EQ(reader.LoadWholeFile(other), 0);
  EXPECT_EQ(reader.LineNumber(), 0);
  EXPECT_EQ(reader.NextSection(), "?Err Line 2: invalid tag");
}

TEST(LoadWholeFile, RefusesAFileAtTheLimitAndKeepsWhatItHad) {
  ConfigReader reader = ReaderOf("<color>a;<\\color>");
  config_test::BytesFile tooLarge(std::string(1'000'000, '<'));
  EXPECT_EQ(reader.LoadWholeFile(tooLarge), -1);
  EXPECT_EQ(reader.BufferSize(), 17);
  EXPECT_EQ(reader.NextSection(), "color");

  ConfigReader fresh;
  EXPECT_EQ(fresh.LoadWholeFile(tooLarge), -1);
  EXPECT_EQ(fresh.BufferSize(), 0);
  EXPECT_EQ(fresh.NextSection(), "?End of File");
}

TEST(LoadWholeFile, AcceptsTheLargestFile) {
  std::string bytes(999'999, ' ');
  bytes.replace(bytes.size() - 15, 15, "<color>a;<\\color>", 15);
  ConfigReader reader;
  config_test::BytesFile file(bytes);
  EXPECT_EQ(reader.LoadWholeFile(file), 0);
  EXPECT_EQ(reader.BufferSize(), 999'999);
}

TEST(LoadWholeFile, ParsesOnlyTheBytesActuallyRead) {
  // The file claims 64 bytes but delivers 18: nothing beyond them is parsed.
  ConfigReader reader;
  config_test::BytesFile shortRead("<color>a;<\\color>\n", 64);
  EXPECT_EQ(reader.LoadWholeFile(shortRead), 0);
  EXPECT_EQ(reader.BufferSize(), 18);
  EXPECT_EQ(reader.NextSection(), "color");
  EXPECT_EQ(reader.NextSection(), "?End of File");
  EXPECT_EQ(reader.LineNumber(), 1);
}

TEST(LoadWholeFile, RefusesALengthThatCannotBeTold) {
  ConfigReader reader;
  config_test::BytesFile unknown("<color>a;<\\color>", -1);
  EXPECT_EQ(reader.LoadWholeFile(unknown), -1);
  EXPECT_EQ(reader.BufferSize(), 0);
}

TEST(SplitFields, EveryLaterFieldStartsWithItsComma) {
  ConfigReader reader;
  reader.SplitFields("a, b,,c");
  EXPECT_THAT(reader.fields, ElementsAre("a", ", b", ",", ",c"));
  EXPECT_EQ(reader.fieldCount, 4);

  reader.SplitFields("alone");
  EXPECT_THAT(reader.fields, ElementsAre("alone"));
  EXPECT_EQ(reader.fieldCount, 1);

  reader.SplitFields("");
  EXPECT_THAT(reader.fields, ElementsAre(""));
  EXPECT_EQ(reader.fieldCount, 1);

  reader.SplitFields(",x,");
  EXPECT_THAT(reader.fields, ElementsAre("", ",x", ","));
}

}  // namespace
}  // namespace grill
