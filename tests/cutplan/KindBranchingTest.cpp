// Bounds on the first objective of plans with several stock kinds: the
// sums of whole bars the bound rises to, the relaxation within ranges of
// bars per kind, and the branching on those ranges. Each bound checked
// against an optimum found by trying every plan.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

#include "NoLimit.h"
#include "PlanChecker.h"
#include "cutplan/BinInstance.h"
#include "cutplan/CuttingPlanner.h"
#include "cutplan/GreedyPacking.h"
#include "cutplan/KindBranching.h"
#include "cutplan/MasterProblem.h"
#include "cutplan/PatternSearch.h"
#include "cutplan/ReachableCost.h"

namespace grill::cutplan {
namespace {

constexpr std::int64_t kUnit = 1000;

// Kinds of the given capacities whose first objective is their price, with
// one more unit per bar below it.
BinInstance Priced(std::vector<std::int64_t> sizes, std::vector<int> demands,
                   std::vector<std::int64_t> capacities, const std::vector<std::int64_t>& prices) {
  BinInstance instance{std::move(sizes), std::move(demands), std::move(capacities), {}};
  for (std::int64_t price : prices) {
    instance.costs.push_back(price * kUnit + 1);
  }
  instance.firstUnit = kUnit;
  return instance;
}

TEST(ReachableCost, RaisesTheBoundToTheLeastSumOfWholeBars) {
  // Bars at 5 and at 7 (and one kind free): sums 0, 5, 7, 10, 12, 14, 15, ...
  const BinInstance instance = Priced({1}, {1}, {4, 6, 8}, {0, 5, 7});
  struct Case {
    const char* what;
    std::int64_t bound;
    std::vector<KindRange> ranges;
    std::int64_t raised;
  };
  const Case cases[] = {
      {"11 rises to 5 + 7", 11 * kUnit + 3, {}, 12 * kUnit},
      {"23 rises to 24, no sum makes 23", 23 * kUnit, {}, 24 * kUnit},
      {"a sum is kept as it is", 12 * kUnit + 9, {}, 12 * kUnit + 9},
      {"no bound stays none", 0, {}, 0},
      {"at most one bar at 5: 13 rises to 7 + 7", 13 * kUnit, {{}, {0, 1}, {}}, 14 * kUnit},
      {"at least three bars at 7: no less than 21",
       10 * kUnit,
       {{}, {}, {3, kAsNeeded}},
       21 * kUnit},
      {"free bars count for nothing", 4 * kUnit, {{0, 2}, {}, {}}, 5 * kUnit},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    EXPECT_EQ(RaiseToReachable(instance, test.bound, test.ranges), test.raised);
  }
}

TEST(ReachableCost, RisesPastEverySumWhereTheBarsRunOutAndKeepsHugeBounds) {
  const BinInstance instance = Priced({1}, {1}, {6, 8}, {5, 7});
  // One bar of each: 12 at most, so no plan costs 13.
  EXPECT_GT(RaiseToReachable(instance, 13 * kUnit, {{0, 1}, {0, 1}}), 13 * kUnit);
  BinInstance byLength{{1}, {1}, {6, 8}, {3, 4}};
  const std::int64_t huge = std::int64_t{1} << 40;
  EXPECT_EQ(RaiseToReachable(byLength, huge + 1), huge + 1);
  EXPECT_EQ(RaiseToReachable(byLength, 5), 6);
}

// Items of 6, three of them; a bar of 12 at 10 holds two, one of 6 at 6
// holds one, one of 5 at 5 none. The relaxation uses one and a half bars of
// 12 (15), a sum of whole bars (10 + 5) that no plan reaches: the best plan
// costs 16.
BinInstance HalfABar() {
  return Priced({6}, {3}, {5, 6, 12}, {5, 6, 10});
}

std::vector<double> BarsPerKind(const BinInstance& instance,
                                const MasterProblem::Relaxation& relaxation) {
  std::vector<double> bars(instance.StockCount(), 0.0);
  for (const auto& [pattern, value] : relaxation.used) {
    bars[pattern.stock] += value;
  }
  return bars;
}

TEST(KindBranching, TheRelaxationKeepsWithinTheRangesAndTheirBoundHolds) {
  const BinInstance instance = HalfABar();
  MasterProblem master(instance);
  const MasterProblem::Relaxation free = master.Solve(instance.demands, 1 << 30, kNoLimit);
  ASSERT_EQ(free.outcome, MasterProblem::Outcome::Solved);
  EXPECT_EQ(free.bound / kUnit, 15);
  EXPECT_NEAR(BarsPerKind(instance, free)[2], 1.5, 1e-9);
  EXPECT_EQ(MostFractionalKind(instance, free)->stock, 2);

  struct Case {
    const char* what;
    std::vector<KindRange> ranges;
    std::int64_t first;  // the bound's first objective
    std::vector<double> bars;
  };
  const Case cases[] = {
      {"at most one bar of 12: one of 6 besides", {{}, {}, {0, 1}}, 16, {0, 1, 1}},
      {"at least two bars of 12", {{}, {}, {2, kAsNeeded}}, 20, {0, 0, 2}},
      {"exactly three bars of 6", {{}, {3, 3}, {}}, 18, {0, 3, 0}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    master.SetKindRanges(test.ranges);
    const MasterProblem::Relaxation within = master.Solve(instance.demands, 1 << 30, kNoLimit);
    ASSERT_EQ(within.outcome, MasterProblem::Outcome::Solved);
    EXPECT_EQ(within.bound / kUnit, test.first);
    const std::vector<double> bars = BarsPerKind(instance, within);
    for (int stock = 0; stock < instance.StockCount(); ++stock) {
      EXPECT_NEAR(bars[stock], test.bars[stock], 1e-6) << "kind " << stock;
    }
    EXPECT_FALSE(MostFractionalKind(instance, within));
  }
  master.SetKindRanges({});
  EXPECT_EQ(master.Solve(instance.demands, 1 << 30, kNoLimit).bound, free.bound);
}

TEST(KindBranching, ProvesThePlanTheRelaxationCannot) {
  const BinInstance instance = HalfABar();
  MasterProblem master(instance);
  const std::int64_t root = master.Solve(instance.demands, 1 << 30, kNoLimit).bound;
  KindBranching branching(instance, master, root);
  const Solution worst{{2, {{0, 2}}}, {2, {{0, 1}}}};  // two bars of 12: 20
  int rounded = 0;
  const auto round = [&](const MasterProblem::Relaxation&) {
    ++rounded;
    return Cost(instance, worst);
  };
  const std::int64_t bound = branching.Resume(kNoLimit, round, Cost(instance, worst));
  EXPECT_TRUE(branching.Exhausted());
  EXPECT_GT(rounded, 0);
  EXPECT_EQ(bound / kUnit, 16);

  const SearchResult found =
      ImproveSolution(instance, BestGreedy(instance, instance.demands), kNoLimit);
  EXPECT_EQ(Cost(instance, found.solution), 16 * kUnit + 2);
  EXPECT_EQ(found.bound, 16 * kUnit + 2);
}

// The least price of the bars bought for every piece of the group, by
// trying each piece in each bar opened and in a new bar of each length;
// remnants and bars on hand are free and limited.
double CheapestPlan(const PieceGroup& group) {
  struct Source {
    double length;
    std::optional<int> left;
    double price;
  };
  std::vector<Source> sources;
  for (const StockLength& stock : group.stock) {
    sources.push_back({stock.length, stock.onHand, stock.onHand ? 0 : *stock.price});
  }
  for (const Remnant& remnant : group.remnants) {
    sources.push_back({remnant.length, remnant.count, 0});
  }
  std::vector<double> pieces;
  for (const Piece& piece : group.pieces) {
    pieces.insert(pieces.end(), piece.count, piece.length);
  }
  std::vector<double> rooms;  // per bar opened
  double best = std::numeric_limits<double>::infinity();
  std::function<void(std::size_t, double)> place = [&](std::size_t next, double price) {
    if (price >= best) {
      return;
    }
    if (next == pieces.size()) {
      best = price;
      return;
    }
    const double length = pieces[next];
    for (std::size_t bar = 0; bar < rooms.size(); ++bar) {
      if (rooms[bar] >= length) {
        rooms[bar] -= length;
        place(next + 1, price);
        rooms[bar] += length;
      }
    }
    for (Source& source : sources) {
      if (source.length >= length && source.left != 0) {
        if (source.left) {
          --*source.left;
        }
        rooms.push_back(source.length - length);
        place(next + 1, price + source.price);
        rooms.pop_back();
        if (source.left) {
          ++*source.left;
        }
      }
    }
  };
  place(0, 0);
  return best;
}

// Small random groups whose lengths bought have prices, some with
// remnants or a bar on hand: the bound never passes the cheapest plan, and a plan called
// optimal costs what the cheapest does.
TEST(KindBranching, PricedBoundsNeverPassTheCheapestPlan) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> pieceLength(5, 40);  // hundreds of millimetres
  std::uniform_int_distribution<int> pieceCount(1, 3);
  for (int round = 0; round < 120; ++round) {
    PieceGroup group{"k", {}, {{6000, {}, 18.40}, {4500, {}, 14.10}}};
    if (round % 2 == 0) {
      group.stock.push_back({3000, {}, 9.90});
    }
    for (int type = 0, types = 1 + static_cast<int>(random() % 3); type < types; ++type) {
      group.pieces.push_back({pieceLength(random) * 100.0, pieceCount(random), "", ""});
    }
    if (round % 3 == 0) {
      group.remnants.push_back({pieceLength(random) * 100.0, 1});
    }
    if (round % 4 == 1) {
      group.stock.push_back({5000, 1});
    }
    SCOPED_TRACE(round);
    const GroupPlan plan = PlanGroup(group, {{}, std::chrono::milliseconds(200)});
    ASSERT_EQ(testing::CheckPlan(group, {}, plan), std::vector<std::string>{});
    const double cheapest = CheapestPlan(group);
    ASSERT_TRUE(plan.cost && plan.costBound);
    EXPECT_LE(*plan.costBound, cheapest + 1e-9);
    EXPECT_NEAR(*plan.cost, cheapest, 1e-9);
    EXPECT_EQ(plan.optimal, *plan.costBound == *plan.cost);
  }
}

}  // namespace
}  // namespace grill::cutplan
