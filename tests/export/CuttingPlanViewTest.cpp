#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "export/CuttingPlanView.h"

namespace grill {
namespace {

using ::testing::ElementsAre;

cutplan::StockBar Bar(double stock, std::vector<double> pieces, double rest,
                      cutplan::RestKind kind) {
  cutplan::StockBar bar{stock, {}, rest, kind};
  for (double length : pieces) {
    bar.pieces.push_back({length, "Hall", "H"});
  }
  return bar;
}

// Bars of 6000 with 10 trimmed in all and kerf 5: two pieces of 2500 leave 985.
JobCuttingPlan TwoGroups() {
  cutplan::GroupPlan bars;
  bars.bars = {Bar(6000, {2500, 2500}, 985, cutplan::RestKind::Offcut),
               Bar(6000, {2500}, 3490, cutplan::RestKind::Offcut)};
  bars.barBound = 2;
  bars.lengthBound = 12000;
  bars.optimal = true;
  JobCuttingPlan plan;
  plan.leftOut = {{"Attic", "Invalid quantity: Attic"}};
  plan.groups.push_back({StockKind::kBar, "GB", "01_07", bars, {}, {}});
  plan.groups.push_back(
      {StockKind::kEdge, "E1", "01", std::nullopt, "No stock in Stock.txt for E1", {}});
  return plan;
}

TEST(CuttingPlanViewTest, ScriptLinesGiveBarsTotalsAndOneLinePerGroupLast) {
  EXPECT_THAT(PlanScriptLines(DescribePlan(TwoGroups(), CutUnit::kMillimetres)),
              ElementsAre("unit mm", "left out Attic: Invalid quantity: Attic", "plan bar GB 01_07",
                          "bar 1 6000.0 | 2500.0 H Hall | 2500.0 H Hall | rest 985.0 offcut",
                          "bar 2 6000.0 | 2500.0 H Hall | rest 3490.0 offcut",
                          // Only trims and kerfs are lost: 25 of 12000.
                          "totals optimal waste=0.2%", "plan edge E1 01",
                          "none: No stock in Stock.txt for E1", "group GB 01_07 bars=2 bound=2",
                          "group E1 01 none"));
}

TEST(CuttingPlanViewTest, InchesAsTheCutFilesWriteThem) {
  const CuttingPlanText text = DescribePlan(TwoGroups(), CutUnit::kInches);
  EXPECT_EQ(text.unit, "in");
  EXPECT_EQ(text.groups[0].bars[0].stockLength, "236.220");
  EXPECT_EQ(text.groups[0].bars[0].pieces[0].length, "98.425");
  EXPECT_EQ(text.groups[0].bars[0].rest, "38.780");
}

struct QualityCase {
  int bars;
  int barBound;
  double lengthBound;
  bool optimal;
  const char* quality;
  const char* words;
};

void PrintTo(const QualityCase& c, std::ostream* out) {
  *out << c.bars << " bars, " << c.quality;
}

class QualityTest : public ::testing::TestWithParam<QualityCase> {};

TEST_P(QualityTest, OptimalOrTheGapToTheBound) {
  const QualityCase& c = GetParam();
  cutplan::GroupPlan plan;
  for (int i = 0; i < c.bars; ++i) {
    plan.bars.push_back(Bar(6000, {5000}, 1000, cutplan::RestKind::Waste));
  }
  plan.barBound = c.barBound;
  plan.lengthBound = c.lengthBound;
  plan.optimal = c.optimal;
  JobCuttingPlan job;
  job.groups.push_back({StockKind::kBar, "GB", "01", plan, {}, {}});
  const PlanGroupText text = DescribePlan(job, CutUnit::kMillimetres).groups[0];
  EXPECT_EQ(text.quality, c.quality);
  EXPECT_EQ(text.qualityWords, c.words);
  EXPECT_EQ(text.wastePercent, "16.7");
}

INSTANTIATE_TEST_SUITE_P(
    Plans, QualityTest,
    ::testing::Values(QualityCase{3, 3, 18000, true, "optimal", "optimal"},
                      QualityCase{4, 3, 18000, false, "gap 1 bar", "1 bar above the lower bound"},
                      QualityCase{5, 3, 18000, false, "gap 2 bars", "2 bars above the lower bound"},
                      // several stock lengths: as few bars as can be, the bound on length
                      QualityCase{3, 3, 16500.5, false, "gap 1499.5",
                                  "optimal in bars; 1499.5 mm above the length bound"}));

TEST(CuttingPlanViewTest, WindowRowsPutEachPieceOnARowAndTheBarOnItsFirst) {
  const CuttingPlanText text = DescribePlan(TwoGroups(), CutUnit::kMillimetres);
  const std::vector<PlanWindowRow> rows = PlanWindowRows(text);
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[0].kind, PlanRowKind::kLeftOut);
  EXPECT_EQ(rows[1].kind, PlanRowKind::kGroup);
  EXPECT_EQ(rows[1].cells[0], "GB 01_07 (bar)");
  EXPECT_THAT(rows[2].cells, ElementsAre("1", "6000.0", "Hall", "2500.0", "H", "985.0 offcut"));
  EXPECT_THAT(rows[3].cells, ElementsAre("", "", "Hall", "2500.0", "H", ""));
  EXPECT_THAT(rows[4].cells, ElementsAre("2", "6000.0", "Hall", "2500.0", "H", "3490.0 offcut"));
  EXPECT_EQ(rows[5].kind, PlanRowKind::kTotals);
  EXPECT_EQ(rows[5].cells[0], "bars 2, lower bound 2, optimal, waste 0.2 %");
  EXPECT_EQ(rows[7].kind, PlanRowKind::kProblem);
  EXPECT_EQ(PlanWindowHeader(text)[3], "Piece (mm)");
}

// The plan stands on Stock.txt: what reading it noted heads the window and
// closes the script's lines, after every line the script gave before.
TEST(CuttingPlanViewTest, StockNotesHeadTheWindowAndCloseTheScriptLines) {
  CuttingPlanText text = DescribePlan(TwoGroups(), CutUnit::kMillimetres);
  const std::vector<std::string> withoutNotes = PlanScriptLines(text);
  const std::string csv = PlanCsv(text);
  text.stockNotes = {"Config Error:?Err Line 2: negative measurement KERF=-3.2"};

  const std::vector<std::string> lines = PlanScriptLines(text);
  ASSERT_EQ(lines.size(), withoutNotes.size() + 1);
  EXPECT_TRUE(std::equal(withoutNotes.begin(), withoutNotes.end(), lines.begin()));
  EXPECT_EQ(lines.back(),
            "note Stock.txt: Config Error:?Err Line 2: negative measurement KERF=-3.2");
  const std::vector<PlanWindowRow> rows = PlanWindowRows(text);
  EXPECT_EQ(rows[0].kind, PlanRowKind::kStockNote);
  EXPECT_EQ(rows[0].cells[0],
            "Stock.txt: Config Error:?Err Line 2: negative measurement KERF=-3.2");
  EXPECT_EQ(rows[1].kind, PlanRowKind::kLeftOut);
  EXPECT_EQ(PlanCsv(text), csv);
}

TEST(CuttingPlanViewTest, CsvHasOneLinePerStockBar) {
  EXPECT_EQ(PlanCsv(DescribePlan(TwoGroups(), CutUnit::kMillimetres)),
            "Kind,Key,Colors,Bar,Stock,Unit,Pieces,Cuts,Rest,Rest Kind\r\n"
            "bar,GB,01_07,1,6000.0,mm,2,2500.0 H Hall|2500.0 H Hall,985.0,offcut\r\n"
            "bar,GB,01_07,2,6000.0,mm,1,2500.0 H Hall,3490.0,offcut\r\n");
}

}  // namespace
}  // namespace grill
