// Stock kinds with a limited number of bars inside the planner: which kind
// each bar gets, the relaxation's limit rows and the search within them.
#include <gtest/gtest.h>

#include "NoLimit.h"
#include "cutplan/BinInstance.h"
#include "cutplan/GreedyPacking.h"
#include "cutplan/MasterProblem.h"
#include "cutplan/PatternSearch.h"

namespace grill::cutplan {
namespace {

// Items 6 and 4, two of each; a bar of 10 holds one of each. One cheap bar
// of 10 (a remnant, say), one of 5, and bars of 10 bought at 5.
BinInstance TwoOfEach() {
  BinInstance instance{{6, 4}, {2, 2}, {5, 10, 10}, {1, 1, 5}};
  instance.limits = {1, 1, std::nullopt};
  instance.preference = {1, 0, 2};
  return instance;
}

int BarsOf(const Solution& solution, int stock) {
  return static_cast<int>(std::count_if(solution.begin(), solution.end(),
                                        [&](const Pattern& bar) { return bar.stock == stock; }));
}

TEST(LimitedKinds, DownsizeGivesTheFullestBarsTheirChoiceFirst) {
  const BinInstance instance = TwoOfEach();
  struct Case {
    const char* what;
    Solution bars;
    std::vector<int> stocks;  // per bar after downsizing
  };
  const Case cases[] = {
      {"the 10 to the full bar, the 5 to the 4", {{2, {{1, 1}}}, {2, {{0, 1}, {1, 1}}}}, {0, 1}},
      {"the limits run out: the rest is bought",
       {{0, {{0, 1}, {1, 1}}}, {0, {{0, 1}, {1, 1}}}, {0, {{1, 1}}}, {0, {{1, 1}}}},
       {1, 2, 0, 2}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    Solution bars = test.bars;
    Supply left = FullSupply(instance);
    Downsize(instance, bars, left);
    std::vector<int> stocks;
    for (const Pattern& bar : bars) {
      stocks.push_back(bar.stock);
    }
    EXPECT_EQ(stocks, test.stocks);
    EXPECT_EQ(left[0], 0);
    EXPECT_EQ(left[2], kAsNeeded);
  }
}

// First fit tries the bars in order of preference, unopened ones too: the
// last 4 goes into the bar of 5 before the bar bought. Best fit takes the
// fullest bar opened.
TEST(LimitedKinds, GreedyOpensThePreferredKindsFirst) {
  const BinInstance instance = TwoOfEach();
  struct Case {
    FitRule rule;
    std::vector<int> bars;  // per stock kind
  };
  for (const Case& test : {Case{FitRule::First, {1, 1, 1}}, Case{FitRule::Best, {0, 1, 1}}}) {
    Supply left = FullSupply(instance);
    const Solution solution = PackDecreasing(instance, instance.demands, test.rule, left);
    EXPECT_EQ((std::vector<int>{BarsOf(solution, 0), BarsOf(solution, 1), BarsOf(solution, 2)}),
              test.bars);
    EXPECT_EQ(left[1], 0);
  }
  EXPECT_EQ(Cost(instance, BestGreedy(instance, instance.demands)), 6);
}

// Without its limit row the relaxation would take two cheap bars of 10.
TEST(LimitedKinds, TheRelaxationKeepsToTheBarsThereAre) {
  const BinInstance instance = TwoOfEach();
  MasterProblem master(instance);
  EXPECT_EQ(master.Solve(instance.demands, 1000, kNoLimit).bound, 6);
  Supply none = FullSupply(instance);
  none[1] = 0;
  master.SetSupply(none);
  EXPECT_EQ(master.Solve(instance.demands, 1000, kNoLimit).bound, 10);
}

TEST(LimitedKinds, TheSearchStaysWithinTheLimits) {
  BinInstance instance{{6, 4, 3}, {3, 3, 2}, {7, 10, 10}, {1, 2, 7}};
  instance.limits = {2, 1, std::nullopt};
  instance.preference = {1, 0, 2};
  const SearchResult found =
      ImproveSolution(instance, BestGreedy(instance, instance.demands), kNoLimit);
  EXPECT_LE(BarsOf(found.solution, 0), 2);
  EXPECT_LE(BarsOf(found.solution, 1), 1);
  std::vector<int> covered(instance.TypeCount(), 0);
  for (const Pattern& bar : found.solution) {
    EXPECT_LE(Load(instance, bar), instance.capacities[bar.stock]);
    for (const PatternEntry& entry : bar.entries) {
      covered[entry.type] += entry.count;
    }
  }
  EXPECT_EQ(covered, instance.demands);
  // The limited bars hold 24 of the 36: two bars bought at least; with
  // 6 + 4 twice in them, 6 + 4 in the 10 and 3 + 3 in a 7 hold the rest.
  EXPECT_EQ(Cost(instance, found.solution), 17);
  EXPECT_LE(found.bound, 17);
}

}  // namespace
}  // namespace grill::cutplan
