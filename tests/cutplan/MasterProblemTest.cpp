// A relaxation that lives through many solves, as in a search, drops the
// columns it no longer needs and leaves out the bars that hold more than is
// left: its bounds and solutions must stay those of a relaxation that starts
// afresh.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "NoLimit.h"
#include "cutplan/MasterProblem.h"

namespace grill::cutplan {
namespace {

// Many lengths, and one so long that only its own bar holds it. With
// `twoKinds`, shorter bars beside, at the same price.
BinInstance ManyLengths(std::mt19937& random, bool twoKinds) {
  std::uniform_int_distribution<std::int64_t> size(1500, 4000);
  std::uniform_int_distribution<int> demand(1, 3);
  std::vector<std::int64_t> sizes{9'800};
  for (int type = 0; type < 120; ++type) {
    sizes.push_back(size(random));
  }
  std::sort(sizes.rbegin(), sizes.rend());
  sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
  BinInstance instance;
  instance.sizes = sizes;
  for (std::size_t type = 0; type < sizes.size(); ++type) {
    instance.demands.push_back(demand(random));
  }
  instance.capacities = {10'000};
  instance.costs = {1};
  if (twoKinds) {
    instance.capacities.insert(instance.capacities.begin(), 8'000);
    instance.costs.insert(instance.costs.begin(), 1);
  }
  return instance;
}

// Bars of two or three lengths that fit, far more than the rows.
std::vector<Pattern> RandomBars(const BinInstance& instance, std::mt19937& random, int count) {
  std::uniform_int_distribution<int> type(0, instance.TypeCount() - 1);
  std::vector<Pattern> bars;
  while (static_cast<int>(bars.size()) < count) {
    std::vector<int> types{type(random), type(random), type(random)};
    std::sort(types.begin(), types.end());
    types.erase(std::unique(types.begin(), types.end()), types.end());
    Pattern bar{instance.StockCount() - 1, {}};
    for (int chosen : types) {
      bar.entries.push_back({chosen, 1});
    }
    if (Load(instance, bar) <= instance.capacities.back()) {
      bars.push_back(bar);
    }
  }
  return bars;
}

// The solution's bars cover every demand.
void ExpectCovered(const MasterProblem::Relaxation& relaxation, const std::vector<int>& demands) {
  std::vector<double> covered(demands.size(), 0.0);
  for (const auto& [bar, value] : relaxation.used) {
    for (const PatternEntry& entry : bar.entries) {
      covered[entry.type] += value * entry.count;
    }
  }
  for (std::size_t type = 0; type < demands.size(); ++type) {
    EXPECT_GE(covered[type], demands[type] - 1e-6) << "type " << type;
  }
}

// A bar of several lengths holds no more of any than is left of it: one
// that holds more is in no plan of the rest. (A length's bar of its own may
// hold more: those keep the relaxation feasible whatever the demands.)
void ExpectWithinDemands(const Pattern& bar, const std::vector<int>& demands) {
  if (bar.entries.size() < 2) {
    return;
  }
  for (const PatternEntry& entry : bar.entries) {
    EXPECT_LE(entry.count, demands[entry.type]) << "type " << entry.type;
  }
}

class DroppedColumns : public ::testing::TestWithParam<bool> {};

std::int64_t FreshBound(const BinInstance& instance, const std::vector<int>& demands,
                        std::int64_t minLoad) {
  MasterProblem fresh(instance);
  fresh.SetUntilNoneImproves(true);
  return fresh.Solve(demands, 1 << 20, kNoLimit, minLoad).bound;
}

TEST_P(DroppedColumns, LeaveTheBoundsAsTheyWere) {
  const bool twoKinds = GetParam();
  std::mt19937 random(17);
  const BinInstance instance = ManyLengths(random, twoKinds);
  MasterProblem lasting(instance);
  lasting.SetUntilNoneImproves(true);
  std::vector<int> demands = instance.demands;
  int drops = 0;
  // Down one dive, the longest piece's bar first, then each step a bar of
  // the last solution, after more bars than the relaxation keeps came in.
  // With one kind every other step wants full bars, which brings in the
  // stand-ins that keep the relaxation feasible: they must stay what they
  // are. With two, nothing but the bars of one type each keeps it so.
  demands[0] = 0;
  for (int step = 0; step < 4; ++step) {
    const std::int64_t minLoad = !twoKinds && step % 2 == 1 ? 9'000 : 0;
    lasting.AddPatterns(RandomBars(instance, random, 3000));
    const int columns = lasting.ColumnCount();
    const MasterProblem::Relaxation relaxation = lasting.Solve(demands, 1 << 20, kNoLimit, minLoad);
    drops += lasting.ColumnCount() < columns ? 1 : 0;
    ASSERT_EQ(relaxation.outcome, MasterProblem::Outcome::Solved);
    ExpectCovered(relaxation, demands);
    EXPECT_EQ(relaxation.bound, FreshBound(instance, demands, minLoad)) << "step " << step;
    for (const auto& [bar, value] : relaxation.used) {
      EXPECT_GE(Load(instance, bar), minLoad) << "step " << step;
      ExpectWithinDemands(bar, demands);
    }
    ASSERT_FALSE(relaxation.used.empty());
    for (const PatternEntry& entry : relaxation.used.front().first.entries) {
      demands[entry.type] = std::max(0, demands[entry.type] - entry.count);
    }
  }
  EXPECT_EQ(drops, 4);
  // Back at the root, as a search that backtracks: the longest piece's bar
  // went unused for a while, and must still be there.
  const MasterProblem::Relaxation root = lasting.Solve(instance.demands, 1 << 20, kNoLimit);
  ASSERT_EQ(root.outcome, MasterProblem::Outcome::Solved);
  ExpectCovered(root, instance.demands);
  EXPECT_EQ(root.bound, FreshBound(instance, instance.demands, 0));
}

INSTANTIATE_TEST_SUITE_P(MasterProblem, DroppedColumns, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& param) {
                           return param.param ? "OfTwoKinds" : "OfOneKind";
                         });

}  // namespace
}  // namespace grill::cutplan
