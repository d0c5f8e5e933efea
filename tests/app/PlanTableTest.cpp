#include "app/PlanTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../cutting/SamplePlans.h"

namespace grill {
namespace {

using test::FromTheRacks;
using test::TwoGroups;
using ::testing::ElementsAre;

using test::kMillimetres;

TEST(PlanTableTest, EachPieceOnARowAndTheBarOnItsFirst) {
  const std::vector<PlanWindowRow> rows = PlanWindowRows(TwoGroups(), kMillimetres);
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
  EXPECT_EQ(rows[7].cells[0], "No stock in Stock.txt for E1");
  EXPECT_EQ(PlanWindowHeader(kMillimetres)[3], "Piece (mm)");
  EXPECT_EQ(PlanWindowHeader({Unit::Inches, CutUnit::kInches})[1], "Stock (in)");
}

// An inch job cut by a saw that counts millimetres: each length as the shop
// measures it, then as the saw shows it.
TEST(PlanTableTest, BothUnitsWhereTheSawCountsInAnother) {
  const PlanUnits units{Unit::Inches, CutUnit::kMillimetres};
  const std::vector<PlanWindowRow> rows = PlanWindowRows(TwoGroups(), units);
  EXPECT_THAT(rows[2].cells, ElementsAre("1", "236 1/4\" (6000.0)", "Hall", "98 7/16\" (2500.0)",
                                         "H", "38 3/4\" (985.0) offcut"));
  EXPECT_EQ(PlanWindowHeader(units)[3], "Piece (in; saw mm)");
}

// Pieces of one length tell their place: the design cell names the piece.
TEST(PlanTableTest, ThePieceCellNamesWhatThePieceIsFor) {
  JobCuttingPlan plan = TwoGroups();
  plan.groups[0].plan->bars[0].pieces[1].name = "Vertical bars 1 & 3";
  const std::vector<PlanWindowRow> rows = PlanWindowRows(plan, kMillimetres);
  EXPECT_EQ(rows[2].cells[2], "Hall");
  EXPECT_EQ(rows[3].cells[2], "Hall: Vertical bars 1 & 3");
}

// The plan stands on Stock.txt: what reading it noted heads the window.
TEST(PlanTableTest, StockNotesHeadTheWindow) {
  JobCuttingPlan plan = TwoGroups();
  plan.stockNotes = {"Config Error:?Err Line 2: negative measurement KERF=-3.2"};
  const std::vector<PlanWindowRow> rows = PlanWindowRows(plan, kMillimetres);
  EXPECT_EQ(rows[0].kind, PlanRowKind::kStockNote);
  EXPECT_EQ(rows[0].cells[0],
            "Stock.txt: Config Error:?Err Line 2: negative measurement KERF=-3.2");
  EXPECT_EQ(rows[1].kind, PlanRowKind::kLeftOut);
}

// Bars from the racks say so; what the plan buys and its cost follow the totals.
TEST(PlanTableTest, WhatToBuyFollowsTheTotals) {
  JobCuttingPlan plan = FromTheRacks();
  plan.inventoryNotes = {"line 3: invalid count: remnant GB 01 900 x"};
  const std::vector<PlanWindowRow> rows = PlanWindowRows(plan, kMillimetres);
  ASSERT_EQ(rows.size(), 9u);
  EXPECT_EQ(rows[0].cells[0], "Inventory.txt: line 3: invalid count: remnant GB 01 900 x");
  EXPECT_EQ(rows[2].cells[1], "6000.0 (on hand)");
  EXPECT_EQ(rows[4].cells[1], "6000.0");
  EXPECT_EQ(rows[5].cells[1], "2600.0 (remnant)");
  EXPECT_EQ(rows[6].kind, PlanRowKind::kTotals);
  EXPECT_EQ(rows[7].kind, PlanRowKind::kBuy);
  EXPECT_EQ(rows[7].cells[0], "Buy 1 bar of 6000.0 at 12.50 each, 12.50 in all");
  EXPECT_EQ(rows[8].cells[0], "Cost of the bars bought 12.50, lower bound 12.50");

  plan.groups[0].plan->toBuy = {{6000, 3, std::nullopt}};
  plan.groups[0].plan->cost.reset();
  const std::vector<PlanWindowRow> unpriced =
      PlanWindowRows(plan, {Unit::Inches, CutUnit::kMillimetres});
  ASSERT_EQ(unpriced.size(), 8u);
  EXPECT_EQ(unpriced[7].cells[0], "Buy 3 bars of 236 1/4\" (6000.0)");
}

}  // namespace
}  // namespace grill
