#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "../cutting/SamplePlans.h"
#include "PlanLines.h"

namespace grill {
namespace {

using test::FromTheRacks;
using test::PlanOfBars;
using test::TwoGroups;
using ::testing::ElementsAre;

TEST(PlanLinesTest, BarsTotalsAndOneLinePerGroupLast) {
  EXPECT_THAT(PlanScriptLines(TwoGroups(), CutUnit::kMillimetres),
              ElementsAre("unit mm", "left out Attic: Invalid quantity: Attic", "plan bar GB 01_07",
                          "bar 1 6000.0 | 2500.0 H Hall | 2500.0 H Hall | rest 985.0 offcut",
                          "bar 2 6000.0 | 2500.0 H Hall | rest 3490.0 offcut",
                          // Only trims and kerfs are lost: 25 of 12000.
                          "totals optimal waste=0.2%", "plan edge E1 01",
                          "none: No stock in Stock.txt for E1", "group GB 01_07 bars=2 bound=2",
                          "group E1 01 none"));
}

// The bar lines stay as they are; what to buy and the cost come on lines of
// their own.
TEST(PlanLinesTest, BuyLinesAfterTheBarsAndCostAfterTheTotals) {
  JobCuttingPlan plan = FromTheRacks();
  plan.groups[0].plan->toBuy.push_back({4000, 2, std::nullopt});
  plan.inventoryNotes = {"line 3: invalid count: remnant GB 01 900 x"};
  EXPECT_THAT(PlanScriptLines(plan, CutUnit::kMillimetres),
              ElementsAre("unit mm", "plan bar GB 01_07",
                          "bar 1 6000.0 | 2500.0 H Hall | 2500.0 H Hall | rest 985.0 offcut",
                          "bar 2 6000.0 | 2500.0 H Hall | rest 3490.0 offcut",
                          "bar 3 2600.0 | 2500.0 H Hall | rest 95.0 waste", "buy 6000.0 1 12.50",
                          "buy 4000.0 2", "totals optimal waste=0.9%", "cost 12.50 bound 12.50",
                          "group GB 01_07 bars=3 bound=3",
                          "note Inventory.txt: line 3: invalid count: remnant GB 01 900 x"));
  EXPECT_EQ(PlanScriptLines(plan, CutUnit::kInches)[5], "buy 236.220 1 12.50");
}

TEST(PlanLinesTest, InchesAsTheCutFilesWriteThem) {
  const std::vector<std::string> lines = PlanScriptLines(TwoGroups(), CutUnit::kInches);
  EXPECT_EQ(lines[0], "unit in");
  EXPECT_EQ(lines[3], "bar 1 236.220 | 98.425 H Hall | 98.425 H Hall | rest 38.780 offcut");
}

struct GapCase {
  int bars;
  int barBound;
  double lengthBound;
  bool optimal;
  const char* totals;
};

void PrintTo(const GapCase& c, std::ostream* out) {
  *out << c.bars << " bars, " << c.totals;
}

class PlanGapTest : public ::testing::TestWithParam<GapCase> {};

// The script's short form: "optimal", or the gap to the bound in bars, else
// in length in the files' unit.
TEST_P(PlanGapTest, OptimalOrTheGapToTheBound) {
  const GapCase& c = GetParam();
  const cutplan::GroupPlan plan = PlanOfBars(c.bars, c.barBound, c.lengthBound, c.optimal);
  JobCuttingPlan job;
  job.groups.push_back({StockKind::kBar, "GB", "01", plan, {}, {}});
  EXPECT_EQ(PlanScriptLines(job, CutUnit::kMillimetres).at(2 + static_cast<size_t>(c.bars)),
            c.totals);
}

INSTANTIATE_TEST_SUITE_P(
    Plans, PlanGapTest,
    ::testing::Values(GapCase{3, 3, 18000, true, "totals optimal waste=16.7%"},
                      GapCase{4, 3, 18000, false, "totals gap 1 bar waste=16.7%"},
                      GapCase{5, 3, 18000, false, "totals gap 2 bars waste=16.7%"},
                      // several stock lengths: the bound on length
                      GapCase{3, 3, 16500.5, false, "totals gap 1499.5 waste=16.7%"}));

// The plan stands on Stock.txt: what reading it noted closes the script's
// lines, after every line the script gave before.
TEST(PlanLinesTest, StockNotesCloseTheLines) {
  JobCuttingPlan plan = TwoGroups();
  const std::vector<std::string> withoutNotes = PlanScriptLines(plan, CutUnit::kMillimetres);
  plan.stockNotes = {"Config Error:?Err Line 2: negative measurement KERF=-3.2"};
  const std::vector<std::string> lines = PlanScriptLines(plan, CutUnit::kMillimetres);
  ASSERT_EQ(lines.size(), withoutNotes.size() + 1);
  EXPECT_TRUE(std::equal(withoutNotes.begin(), withoutNotes.end(), lines.begin()));
  EXPECT_EQ(lines.back(),
            "note Stock.txt: Config Error:?Err Line 2: negative measurement KERF=-3.2");
}

}  // namespace
}  // namespace grill
