#include "cutplan/CuttingPlanner.h"

#include <gtest/gtest.h>

#include "PlanChecker.h"

namespace grill::cutplan {
namespace {

std::vector<std::vector<double>> Lengths(const GroupPlan& plan) {
  std::vector<std::vector<double>> bars;
  for (const StockBar& bar : plan.bars) {
    bars.emplace_back();
    for (const CutPiece& piece : bar.pieces) {
      bars.back().push_back(piece.length);
    }
  }
  return bars;
}

struct SawCase {
  const char* what;
  SawSettings saw;
  int bars;
};

// Three pieces of 1995 in a 6000 bar: 5985 of pieces, kerfs between them
// only, trims off the stock.
TEST(CuttingPlanner, KerfAndTrimsDecideWhatFits) {
  const SawCase cases[] = {
      {"no kerf", {0, 0, 0, 0}, 1},
      {"two kerfs of 7.5 fill the bar exactly", {7.5, 0, 0, 0}, 1},
      {"two kerfs of 7.75 overfill it", {7.75, 0, 0, 0}, 2},
      {"trims of 7.5 and 7.5 fill it exactly", {0, 7.5, 7.5, 0}, 1},
      {"head trim of 15.25 overfills it", {0, 15.25, 0, 0}, 2},
  };
  for (const SawCase& test : cases) {
    SCOPED_TRACE(test.what);
    PieceGroup group{"key", {{1995, 3, "", "", ""}}, {6000}};
    GroupPlan plan = PlanGroup(group, {test.saw});
    EXPECT_EQ(plan.bars.size(), test.bars);
    EXPECT_EQ(testing::CheckPlan(group, test.saw, plan), std::vector<std::string>{});
    EXPECT_TRUE(plan.optimal);
  }
}

TEST(CuttingPlanner, CutsLongestFirstAndKeepsLabelsTagsAndNames) {
  PieceGroup group{"key", {{700, 2, "small", "a", "sill"}, {2500, 1, "big", "b", "head"}}, {4000}};
  GroupPlan plan = PlanGroup(group, {});
  ASSERT_EQ(plan.bars.size(), 1);
  const StockBar& bar = plan.bars[0];
  ASSERT_EQ(bar.pieces.size(), 3);
  EXPECT_EQ(bar.pieces[0].label, "big");
  EXPECT_EQ(bar.pieces[0].tag, "b");
  EXPECT_EQ(bar.pieces[0].name, "head");
  EXPECT_EQ(bar.pieces[2].label, "small");
  EXPECT_EQ(bar.pieces[2].name, "sill");
  EXPECT_EQ(bar.rest, 100);
}

TEST(CuttingPlanner, RestIsAnOffcutFromTheMinimumLength) {
  SawSettings saw{0, 0, 0, 500};
  EXPECT_EQ(PlanGroup({"k", {{5500, 1, "", "", ""}}, {6000}}, {saw}).bars[0].restKind,
            RestKind::Offcut);
  EXPECT_EQ(PlanGroup({"k", {{5500.25, 1, "", "", ""}}, {6000}}, {saw}).bars[0].restKind,
            RestKind::Waste);
  EXPECT_EQ(PlanGroup({"k", {{6000, 1, "", "", ""}}, {6000}}, {}).bars[0].restKind,
            RestKind::Waste);
  // In doubles 1000.3 - 700.1 falls just short of 300.2.
  const GroupPlan decimal =
      PlanGroup({"k", {{700.1, 1, "", "", ""}}, {1000.3}}, {{0, 0, 0, 300.2}});
  EXPECT_EQ(decimal.bars[0].rest, 300.2);
  EXPECT_EQ(decimal.bars[0].restKind, RestKind::Offcut);
}

// The shorter stock is cheaper where it holds the same pieces; the longer
// one where it saves a bar.
TEST(CuttingPlanner, SeveralStockLengthsMinimiseTheTotalLength) {
  GroupPlan plan = PlanGroup({"k", {{1400, 2, "", "", ""}}, {6000, 3000}}, {});
  ASSERT_EQ(plan.bars.size(), 1);
  EXPECT_EQ(plan.bars[0].stockLength, 3000);
  EXPECT_TRUE(plan.optimal);

  // Not four bars of 3000, nor the 6000 of 1900 x 3 and a 3000 for 1500:
  // 1900 + 1900 and 1900 + 1500 in two bars of 4000.
  plan = PlanGroup({"k", {{1900, 3, "", "", ""}, {1500, 1, "", "", ""}}, {3000, 4000, 6000}}, {});
  EXPECT_EQ(TotalStockLength(plan), 8000);
  EXPECT_EQ(plan.lengthBound, 8000);
}

// With pieces of 4000 as the unit of size, the 3000 holds nothing at all.
TEST(CuttingPlanner, StockShorterThanEveryPieceIsLeftOut) {
  const PieceGroup group{"k", {{4000, 2, "", "", ""}}, {6000, 3000}};
  GroupPlan plan = PlanGroup(group, {});
  EXPECT_EQ(testing::CheckPlan(group, {}, plan), std::vector<std::string>{});
  EXPECT_EQ(TotalStockLength(plan), 12000);
  EXPECT_TRUE(plan.optimal);
}

TEST(CuttingPlanner, SameInputSamePlan) {
  PieceGroup group{"k", {}, {6000}};
  for (int kind = 0; kind < 30; ++kind) {
    group.pieces.push_back({300.0 + kind * 97.5, 1 + kind % 4, "", "", ""});
  }
  EXPECT_EQ(Lengths(PlanGroup(group, {})), Lengths(PlanGroup(group, {})));
}

TEST(CuttingPlanner, EmptyGroupNeedsNoBars) {
  GroupPlan plan = PlanGroup({"k", {}, {6000}}, {});
  EXPECT_TRUE(plan.bars.empty());
  EXPECT_TRUE(plan.optimal);
}

TEST(CuttingPlanner, RefusesPiecesItCannotPlan) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    Piece piece;
    SawSettings saw;
    const char* message;
  };
  const Case cases[] = {
      {{5990.5, 1, "sill", "", ""}, {0, 5, 5, 0}, "piece 5990.5 (sill): longer than every"},
      {{0, 1, "", "", ""}, {}, "piece 0: not a length"},
      {{nan, 1, "", "", ""}, {}, "not a length"},
      {{-5, 1, "", "", ""}, {}, "not a length"},
      {{100, 0, "", "", ""}, {}, "piece 100: count"},
      {{100, 1, "", "", ""}, {-1, 0, 0, 0}, "kerf"},
      {{100, 1, "", "", ""}, {0, 3000, 3000, 0}, "no stock length"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.message);
    try {
      PlanGroup({"k", {test.piece}, {6000}}, {test.saw});
      ADD_FAILURE() << "accepted";
    } catch (const PlanInputError& error) {
      EXPECT_NE(std::string(error.what()).find(test.message), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace grill::cutplan
