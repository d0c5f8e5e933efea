#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "PrintDesigns.h"
#include "print/JobPrint.h"
#include "print/PageText.h"

namespace grill::print {
namespace {

using test::ItemsOf;

// The texts of each table row on a page, left to right, keyed by row top.
std::vector<std::vector<std::string>> Rows(const Page& page) {
  std::vector<std::pair<double, Text>> cells;
  for (const Text& text : ItemsOf<Text>(page)) {
    if (text.role == Role::Value) {
      cells.push_back({text.box.top, text});
    }
  }
  std::stable_sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) {
    return a.first < b.first || (a.first == b.first && a.second.box.left < b.second.box.left);
  });
  std::vector<std::vector<std::string>> rows;
  double top = -1.0;
  for (const auto& [rowTop, text] : cells) {
    if (rows.empty() || rowTop != top) {
      rows.emplace_back();
      top = rowTop;
    }
    rows.back().push_back(text.text);
  }
  return rows;
}

bool HasRow(const std::vector<std::vector<std::string>>& rows,
            const std::vector<std::string>& row) {
  return std::find(rows.begin(), rows.end(), row) != rows.end();
}

class JobPrintTest : public ::testing::Test {
 protected:
  test::PrintConfig config;
  DrawingSettings settings{kA4, Unit::Millimetres, "", "2026-12-08"};
};

TEST_F(JobPrintTest, SummaryCountsPiecesOfTheWholeJobByTypeAndColours) {
  GrillWindow first = test::MakePrintDesign(config, "First", 1000.0, 500.0, {250.0}, {500.0});
  first.quantity = 3;
  GrillWindow second = test::MakePrintDesign(config, "Second", 600.0, 400.0, {}, {300.0});
  second.quantity = 2;
  second.outsideColor = &config.white;
  GrillWindow none = test::MakePrintDesign(config, "Not made", 600.0, 400.0, {}, {300.0});
  none.quantity = -4;  // counts as none, never as fewer
  const CutTable firstCuts{{PieceKind::Edge, "Top", 1000.0, 2, {}},
                           {PieceKind::Bar, "Bars", 250.0, 4, {{10.0, "15"}}}};
  const CutTable secondCuts{{PieceKind::Edge, "Top", 600.0, 2, {}},
                            {PieceKind::Bar, "Bars", 400.0, 1, {}}};
  const std::vector<DesignSheet> sheets{
      {&first, firstCuts}, {nullptr, {}}, {&second, secondCuts}, {&none, secondCuts}};

  const std::vector<Page> summary = BuildSummaryPages(sheets, settings);
  ASSERT_EQ(summary.size(), 1u);
  const auto rows = Rows(summary.front());
  EXPECT_TRUE(HasRow(rows, {"First", "3", "Georgian, 5/8 x 3/4 i", "Flat", "White / Sandstone"}));
  EXPECT_TRUE(HasRow(rows, {"Second", "2", "Georgian, 5/8 x 3/4 i", "Flat", "White"}));
  EXPECT_TRUE(
      HasRow(rows, {"Not made", "-4", "Georgian, 5/8 x 3/4 i", "Flat", "White / Sandstone"}));
  // 3 x 4 pieces of 250 mm; 2 x 1 piece of 400 mm in other colours.
  EXPECT_TRUE(HasRow(rows, {"Georgian, 5/8 x 3/4 i", "White / Sandstone", "12", "3000.0"}));
  EXPECT_TRUE(HasRow(rows, {"Georgian, 5/8 x 3/4 i", "White", "2", "800.0"}));
  EXPECT_TRUE(HasRow(rows, {"Flat", "White / Sandstone", "6", "6000.0"}));
  EXPECT_TRUE(HasRow(rows, {"Flat", "White", "4", "2400.0"}));
}

TEST_F(JobPrintTest, JobPrintIsEveryDesignThenTheSummaryNumbered) {
  const GrillWindow first = test::MakePrintDesign(config, "First", 1000.0, 500.0, {250.0}, {});
  const GrillWindow second = test::MakePrintDesign(config, "Second", 500.0, 1000.0, {}, {250.0});
  const std::vector<Page> pages = BuildJobPrint(
      {{&first, test::MakeCutTable(first)}, {&second, test::MakeCutTable(second)}}, settings);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_GT(pages[0].width, pages[0].height);  // a wide design turns the sheet
  EXPECT_LT(pages[1].width, pages[1].height);
  const auto texts = [&](const Page& page) {
    std::vector<std::string> all;
    for (const Text& text : ItemsOf<Text>(page)) {
      all.push_back(text.text);
    }
    return all;
  };
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const std::vector<std::string> all = texts(pages[i]);
    EXPECT_EQ(std::count(all.begin(), all.end(), "Page " + std::to_string(i + 1) + " of 3"), 1);
    EXPECT_EQ(std::count(all.begin(), all.end(), "Untitled"), i < 2 ? 2 : 1);
  }
  const std::vector<std::string> last = texts(pages[2]);
  EXPECT_NE(std::find(last.begin(), last.end(), "Job summary: Untitled, 2026-12-08"), last.end());
}

TEST(FormatPageLength, WritesEitherUnitAsTheShopReadsIt) {
  struct Case {
    double millimetres;
    Unit unit;
    const char* text;
  };
  const Case cases[] = {
      {593.725, Unit::Inches, "23 3/8\""},
      {12.7, Unit::Inches, "1/2\""},
      {304.8, Unit::Inches, "12\""},
      {593.725, Unit::Millimetres, "593.7"},
      {-0.04, Unit::Millimetres, "0.0"},
      {-12.26, Unit::Millimetres, "-12.3"},
      {std::numeric_limits<double>::infinity(), Unit::Millimetres, "?"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatPageLength(c.millimetres, c.unit), c.text) << c.millimetres;
  }
}

}  // namespace
}  // namespace grill::print
