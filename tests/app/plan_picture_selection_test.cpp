#include "app/PlanPictureSelection.h"

#include <gtest/gtest.h>

#include "../cutting/SamplePlans.h"

namespace grill {
namespace {

using cutplan::RestKind;
using test::PlanBar;

using test::kMillimetres;

// Bars 1 and 3 of the first group look alike; the second group has no plan;
// the third one bar.
JobCuttingPlan Plan() {
  cutplan::GroupPlan first;
  first.bars = {PlanBar(6000, {2500, 2500}, 985, RestKind::Offcut),
                PlanBar(6000, {4000}, 1990, RestKind::Offcut),
                PlanBar(6000, {2500, 2500}, 985, RestKind::Offcut)};
  cutplan::GroupPlan third;
  third.bars = {PlanBar(5800, {1000}, 4790, RestKind::Offcut, "Porch")};
  JobCuttingPlan plan;
  plan.leftOut = {{"Attic", "Invalid quantity: Attic"}};
  plan.groups = {{StockKind::kBar, "GB", "01", first, {}, {5, 5, 5, 500}},
                 {StockKind::kEdge, "E1", "01", std::nullopt, "No stock", {}},
                 {StockKind::kEdge, "E2", "01", third, {}, {5, 5, 5, 500}}};
  return plan;
}

class PlanPictureSelectionTest : public ::testing::Test {
 protected:
  JobCuttingPlan plan = Plan();
  std::vector<PlanWindowRow> rows = PlanWindowRows(plan, kMillimetres);
  print::PictureSheet sheet = print::BuildPictureSheet(plan, kMillimetres, 150.0);
};

// Left out, group, bar 1 (2 rows), bar 2, bar 3 (2 rows), totals, group,
// problem, group, bar 1, totals.
TEST_F(PlanPictureSelectionTest, EachPieceRowPicksTheStripOfItsBar) {
  const std::optional<std::size_t> none;
  const std::vector<std::optional<std::size_t>> expected = {none, none, 0,    0,    1, 0,   0,
                                                            none, none, none, none, 2, none};
  ASSERT_EQ(rows.size(), expected.size());
  ASSERT_EQ(sheet.bars.size(), 3u);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    EXPECT_EQ(StripOfRow(sheet, rows, row), expected[row]) << "row " << row;
  }
  EXPECT_EQ(StripOfRow(sheet, rows, rows.size()), none);
}

TEST_F(PlanPictureSelectionTest, EachStripPicksTheFirstRowOfItsFirstBar) {
  const std::optional<std::size_t> expected[] = {2, 4, 11, std::nullopt};
  for (std::size_t strip = 0; strip < std::size(expected); ++strip) {
    EXPECT_EQ(FirstRowOfStrip(sheet, rows, strip), expected[strip]) << "strip " << strip;
  }
}

// A strip clicked selects a row that picks that strip again.
TEST_F(PlanPictureSelectionTest, TableAndPictureAgree) {
  for (std::size_t strip = 0; strip < sheet.bars.size(); ++strip) {
    const std::optional<std::size_t> row = FirstRowOfStrip(sheet, rows, strip);
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(StripOfRow(sheet, rows, *row), strip);
  }
}

}  // namespace
}  // namespace grill
