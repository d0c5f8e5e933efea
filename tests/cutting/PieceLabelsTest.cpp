#include "cutting/PieceLabels.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "SamplePlans.h"

namespace grill {
namespace {

using test::PlanBar;

TEST(PieceIdTest, GroupBarOfTwoDigitsAndPosition) {
  struct Case {
    PiecePlace place;
    const char* id;
  };
  const Case cases[] = {
      {{1, 1, 1}, "1-01-1"},
      {{2, 7, 3}, "2-07-3"},
      {{12, 10, 14}, "12-10-14"},
      {{3, 125, 2}, "3-125-2"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PieceId(c.place), c.id) << c.id;
  }
}

// Two designs' pieces on two bars, one of them the same kind of piece three
// times, and a group without stock between two planned ones.
JobCuttingPlan KitchenAndHall() {
  cutplan::GroupPlan bars;
  bars.bars = {
      PlanBar(6000, {2500, 1200}, 2290, cutplan::RestKind::Offcut, "Kitchen", "H",
              "Vertical bar 2"),
      PlanBar(6000, {2500, 2500}, 990, cutplan::RestKind::Offcut, "Kitchen", "H", "Vertical bar 2"),
  };
  bars.bars[0].pieces[1] = {1200, "Hall", "W", "Horizontal bars 1 & 3"};
  cutplan::GroupPlan edges;
  edges.bars = {
      PlanBar(3000, {883}, 2117, cutplan::RestKind::Offcut, "Hall", "W", "Top and bottom edge")};
  JobCuttingPlan plan;
  plan.groups.push_back({StockKind::kBar, "GB", "01_07", bars, {}, {}});
  plan.groups.push_back({StockKind::kEdge, "E1", "01", std::nullopt, "No stock", {}});
  plan.groups.push_back({StockKind::kEdge, "E2", "", edges, {}, {}});
  return plan;
}

TEST(PieceLabelsTest, OneLabelPerPieceInPlanOrderWithItsWords) {
  const std::vector<PieceLabel> labels =
      PieceLabels(KitchenAndHall(), {Unit::Millimetres, CutUnit::kMillimetres}, "Shop");
  struct Expected {
    const char* id;
    const char* piece;
    const char* length;
    const char* stock;
    const char* cut;
  };
  const Expected expected[] = {
      {"1-01-1", "Kitchen \u2014 vertical bar 2, piece 1 of 3", "2500.0 mm",
       "Bar GB, colours 01_07", "Stock bar 1 of 2, cut 1 of 2"},
      {"1-01-2", "Hall \u2014 horizontal bars 1 & 3, piece 1 of 1", "1200.0 mm",
       "Bar GB, colours 01_07", "Stock bar 1 of 2, cut 2 of 2"},
      {"1-02-1", "Kitchen \u2014 vertical bar 2, piece 2 of 3", "2500.0 mm",
       "Bar GB, colours 01_07", "Stock bar 2 of 2, cut 1 of 2"},
      {"1-02-2", "Kitchen \u2014 vertical bar 2, piece 3 of 3", "2500.0 mm",
       "Bar GB, colours 01_07", "Stock bar 2 of 2, cut 2 of 2"},
      {"3-01-1", "Hall \u2014 top and bottom edge, piece 1 of 1", "883.0 mm", "Edge E2",
       "Stock bar 1 of 1, cut 1 of 1"},
  };
  ASSERT_EQ(labels.size(), std::size(expected));
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const Expected& e = expected[i];
    EXPECT_EQ(labels[i].id, e.id) << i;
    EXPECT_EQ(labels[i].id, PieceId(labels[i].place)) << i;
    EXPECT_EQ(labels[i].job, "Shop") << i;
    EXPECT_EQ(labels[i].piece, e.piece) << i;
    EXPECT_EQ(labels[i].length, e.length) << i;
    EXPECT_EQ(labels[i].stock, e.stock) << i;
    EXPECT_EQ(labels[i].cut, e.cut) << i;
  }
  EXPECT_EQ(labels[1].design, "Hall");
}

TEST(PieceLabelsTest, LengthInTheJobsUnitAndTheSawsWhereItDiffers) {
  struct Case {
    PlanUnits units;
    const char* length;
  };
  const Case cases[] = {
      {{Unit::Millimetres, CutUnit::kMillimetres}, "883.0 mm"},
      {{Unit::Inches, CutUnit::kInches}, "34 3/4\""},
      {{Unit::Inches, CutUnit::kMillimetres}, "34 3/4\" (883.0 mm)"},
      {{Unit::Millimetres, CutUnit::kInches}, "883.0 mm (34.764 in)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PieceLabels(KitchenAndHall(), c.units, "Shop").back().length, c.length);
  }
}

TEST(PieceLabelsTest, IdsAreUniqueAndTheSameForTheSamePlan) {
  const PlanUnits units{Unit::Inches, CutUnit::kInches};
  const std::vector<PieceLabel> first = PieceLabels(KitchenAndHall(), units, "");
  std::set<std::string> ids;
  for (const PieceLabel& label : first) {
    ids.insert(label.id);
    EXPECT_EQ(label.job, "-");
  }
  EXPECT_EQ(ids.size(), first.size());
  const std::vector<PieceLabel> again = PieceLabels(KitchenAndHall(), units, "");
  ASSERT_EQ(again.size(), first.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(again[i].id, first[i].id);
    EXPECT_EQ(again[i].piece, first[i].piece);
  }
}

}  // namespace
}  // namespace grill
