#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../cutting/SamplePlans.h"
#include "print/PlanPictureSheet.h"

namespace grill::print {
namespace {

using test::kMillimetres;

cutplan::StockBar Bar(double piece, const char* design, double rest) {
  return {
      6000, {{piece, design, "W", ""}, {piece, design, "W", ""}}, rest, cutplan::RestKind::Offcut};
}

// A group whose bars 1 and 3 look alike, one without a plan, and a group of
// one bar.
JobCuttingPlan Plan() {
  cutplan::GroupPlan first;
  first.bars = {Bar(2000, "Kitchen", 1997), Bar(2500, "Hall", 997), Bar(2000, "Kitchen", 1997)};
  cutplan::GroupPlan last;
  last.bars = {Bar(1000, "Porch", 3997)};
  JobCuttingPlan plan;
  plan.groups = {{StockKind::kBar, "GB", "01", first, {}, {3, 0, 0, 500}},
                 {StockKind::kEdge, "Round", "07", std::nullopt, "no stock", {}},
                 {StockKind::kEdge, "Flat", "", last, {}, {3, 0, 0, 500}}};
  return plan;
}

Point Centre(const Box& box) {
  return {box.left + box.width / 2, box.top + box.height / 2};
}

TEST(PictureSheetTest, EveryBarOfEveryGroupHasItsStrip) {
  const PictureSheet sheet = BuildPictureSheet(Plan(), kMillimetres, 120.0);
  struct Case {
    std::size_t group;
    std::size_t bar;
    std::optional<std::size_t> strip;
  };
  const Case cases[] = {{0, 0, 0},           {0, 1, 1}, {0, 2, 0}, {2, 0, 2}, {1, 0, std::nullopt},
                        {0, 3, std::nullopt}};
  ASSERT_EQ(sheet.bars.size(), 3u);
  for (const Case& c : cases) {
    EXPECT_EQ(SheetBarOf(sheet, c.group, c.bar), c.strip) << c.group << " " << c.bar;
  }
  EXPECT_EQ(sheet.bars[0].bars, (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(sheet.bars[2].group, 2u);
}

TEST(PictureSheetTest, PointsFindTheStripUnderThem) {
  const PictureSheet sheet = BuildPictureSheet(Plan(), kMillimetres, 120.0);
  ASSERT_EQ(sheet.bars.size(), 3u);
  const Box first = sheet.bars[0].row;
  const Box last = sheet.bars[2].row;
  struct Case {
    const char* what;
    Point point;
    std::optional<std::size_t> strip;
  };
  const Case cases[] = {
      {"middle of the first", Centre(first), 0},
      {"its top-left corner", {first.left, first.top}, 0},
      {"its bar numbers", {first.left + 1.0, Centre(first).y}, 0},
      {"middle of the second", Centre(sheet.bars[1].row), 1},
      {"middle of the last", Centre(last), 2},
      {"the first group's title", {Centre(first).x, first.top - 2.0}, std::nullopt},
      {"between two strips", {Centre(first).x, first.Bottom() + 0.5}, std::nullopt},
      {"right of the strips", {first.Right() + 0.5, Centre(first).y}, std::nullopt},
      {"below everything", {Centre(last).x, sheet.page.height + 10.0}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SheetBarAt(sheet, c.point), c.strip) << c.what;
  }
}

TEST(PictureSheetTest, EverythingLiesOnTheSheetAndStripsNeverMeet) {
  for (const double width : {60.0, 120.0, 400.0}) {
    const PictureSheet sheet = BuildPictureSheet(Plan(), kMillimetres, width);
    const Box paper{0.0, 0.0, sheet.page.width, sheet.page.height};
    for (const Item& item : sheet.page.items) {
      if (const auto* rect = std::get_if<Rect>(&item)) {
        EXPECT_TRUE(paper.Overlaps(rect->box) && rect->box.Right() <= paper.Right() + 1e-6 &&
                    rect->box.Bottom() <= paper.Bottom() + 1e-6)
            << width;
      }
    }
    for (std::size_t i = 1; i < sheet.bars.size(); ++i) {
      EXPECT_FALSE(sheet.bars[i].row.Overlaps(sheet.bars[i - 1].row)) << width;
      EXPECT_GE(sheet.bars[i].row.top, sheet.bars[i - 1].row.Bottom()) << width;
    }
    // The group without a plan says why.
    bool told = false;
    for (const Item& item : sheet.page.items) {
      if (const auto* text = std::get_if<Text>(&item)) {
        told = told || text->text == "No plan: no stock";
      }
    }
    EXPECT_TRUE(told);
  }
}

TEST(PictureSheetTest, AnEmptyPlanHasNoStrips) {
  const PictureSheet sheet = BuildPictureSheet({}, kMillimetres, 100.0);
  EXPECT_TRUE(sheet.bars.empty());
  EXPECT_FALSE(SheetBarAt(sheet, {50.0, 1.0}).has_value());
  EXPECT_GT(sheet.page.height, 0.0);
}

}  // namespace
}  // namespace grill::print
