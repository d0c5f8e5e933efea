#include "cutting/PlanFigures.h"

#include <gtest/gtest.h>

#include <ostream>

#include "SamplePlans.h"

namespace grill {
namespace {

using test::PlanBar;
using test::PlanOfBars;

struct QualityCase {
  int bars;
  int barBound;
  double lengthBound;
  bool optimal;
  CutUnit unit;
  const char* words;
};

void PrintTo(const QualityCase& c, std::ostream* out) {
  *out << c.bars << " bars, " << c.words;
}

class PlanQualityTest : public ::testing::TestWithParam<QualityCase> {};

TEST_P(PlanQualityTest, OptimalOrTheGapToTheBoundInWords) {
  const QualityCase& c = GetParam();
  const cutplan::GroupPlan plan = PlanOfBars(c.bars, c.barBound, c.lengthBound, c.optimal);
  const PlanFigures figures = FiguresOf(plan);
  EXPECT_EQ(QualityWords(figures, c.unit), c.words);
  EXPECT_NEAR(figures.wastePercent, 100.0 / 6.0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Plans, PlanQualityTest,
    ::testing::Values(
        QualityCase{3, 3, 18000, true, CutUnit::kMillimetres, "optimal"},
        QualityCase{4, 3, 18000, false, CutUnit::kMillimetres, "1 bar above the lower bound"},
        QualityCase{5, 3, 18000, false, CutUnit::kMillimetres, "2 bars above the lower bound"},
        // several stock lengths: as few bars as can be, the bound on length
        QualityCase{3, 3, 16500.5, false, CutUnit::kMillimetres,
                    "optimal in bars; 1499.5 mm above the length bound"},
        QualityCase{3, 3, 16780.0, false, CutUnit::kInches,
                    "optimal in bars; 48.031 in above the length bound"}));

// For people the length above the bound is in the job's unit, then, where the
// saw counts in another, in the saw's; bar counts read the same either way.
TEST(PlanFiguresTest, QualityWordsGiveTheJobsUnitAndTheSawsWhereItDiffers) {
  PlanFigures figures;
  figures.lengthOverBound = 1499.5;
  const struct {
    PlanUnits units;
    const char* words;
  } cases[] = {
      {{Unit::Millimetres, CutUnit::kMillimetres},
       "optimal in bars; 1499.5 mm above the length bound"},
      {{Unit::Inches, CutUnit::kInches}, "optimal in bars; 59 1/16\" above the length bound"},
      {{Unit::Inches, CutUnit::kMillimetres},
       "optimal in bars; 59 1/16\" (1499.5 mm) above the length bound"},
      {{Unit::Millimetres, CutUnit::kInches},
       "optimal in bars; 1499.5 mm (59.035 in) above the length bound"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QualityWords(figures, c.units), c.words);
  }
  figures.barsOverBound = 2;
  EXPECT_EQ(QualityWords(figures, PlanUnits{Unit::Inches, CutUnit::kMillimetres}),
            "2 bars above the lower bound");
}

// Offcuts kept count as used; trims, kerfs and waste do not.
TEST(PlanFiguresTest, WasteCountsWhatEndsInNeitherPieceNorOffcut) {
  cutplan::GroupPlan plan;
  plan.bars = {PlanBar(6000, {2500, 2500}, 985, cutplan::RestKind::Offcut),
               PlanBar(4000, {3000}, 990, cutplan::RestKind::Waste)};
  EXPECT_NEAR(FiguresOf(plan).wastePercent, (15.0 + 1000.0) / 10000.0 * 100.0, 1e-9);
  EXPECT_EQ(FiguresOf(cutplan::GroupPlan{}).wastePercent, 0.0);
}

}  // namespace
}  // namespace grill
