// The pricing knapsacks against plain enumeration: the table and the branch
// and bound must agree on the best pattern's value, with and without a
// minimum load, and the tolerant search may only miss what its bound admits.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>

#include "NoLimit.h"
#include "cutplan/KnapsackSearch.h"
#include "cutplan/PatternPricing.h"

namespace grill::cutplan {
namespace {

// The best value over every selection with load in [minLoad, capacity];
// minus infinity when none reaches minLoad.
double Enumerated(const BinInstance& instance, const std::vector<double>& values,
                  std::int64_t capacity, std::int64_t minLoad, std::size_t type = 0,
                  std::int64_t load = 0, double value = 0) {
  if (type == instance.sizes.size()) {
    return load >= minLoad ? value : -std::numeric_limits<double>::infinity();
  }
  double best = -std::numeric_limits<double>::infinity();
  for (int count = 0;
       count <= instance.demands[type] && load + count * instance.sizes[type] <= capacity;
       ++count) {
    best = std::max(best,
                    Enumerated(instance, values, capacity, minLoad, type + 1,
                               load + count * instance.sizes[type], value + count * values[type]));
  }
  return best;
}

struct RandomCase {
  BinInstance instance;
  std::vector<double> values;
};

// Sizes longest first, as the planner's instances are; values as duals
// tend to be, roughly proportional to the size.
RandomCase MakeCase(std::mt19937& random, std::int64_t capacity) {
  RandomCase made;
  std::uniform_int_distribution<std::int64_t> sizes(capacity / 12, capacity / 2);
  std::uniform_int_distribution<int> demands(1, 3);
  std::uniform_real_distribution<double> noise(0.8, 1.2);
  std::vector<std::int64_t> drawn(7);
  for (std::int64_t& size : drawn) {
    size = sizes(random);
  }
  std::sort(drawn.rbegin(), drawn.rend());
  drawn.erase(std::unique(drawn.begin(), drawn.end()), drawn.end());
  for (std::int64_t size : drawn) {
    made.instance.sizes.push_back(size);
    made.instance.demands.push_back(demands(random));
    made.values.push_back(static_cast<double>(size) / static_cast<double>(capacity) *
                          noise(random));
  }
  made.instance.capacities = {capacity};
  made.instance.costs = {1};
  return made;
}

TEST(Pricing, TableAndSearchFindTheBestPattern) {
  std::mt19937 random(7);
  // A small capacity prices by the table, a large one by branch and bound,
  // and so does a long bar with few lengths, whose table would be small.
  for (std::int64_t capacity :
       {std::int64_t{1000}, std::int64_t{100'000}, std::int64_t{2'000'000}}) {
    for (int round = 0; round < 60; ++round) {
      RandomCase test = MakeCase(random, capacity);
      const std::int64_t minLoad = round % 3 == 0 ? 0 : capacity - capacity / (round % 7 + 2);
      SCOPED_TRACE(::testing::Message() << "capacity " << capacity << " round " << round);
      PatternPricer pricer(test.instance);
      std::optional<std::vector<PatternPricer::Priced>> priced = pricer.BestPatterns(
          test.values, test.instance.demands, minLoad, PatternPricer::Accuracy::Exact, kNoLimit);
      ASSERT_TRUE(priced);
      const PatternPricer::Priced& best = priced->front();
      const double expected = Enumerated(test.instance, test.values, capacity, minLoad);
      if (expected == -std::numeric_limits<double>::infinity()) {
        EXPECT_EQ(best.value, expected);
        continue;
      }
      EXPECT_NEAR(best.value, expected, 1e-9);
      const std::int64_t load = Load(test.instance, best.pattern);
      EXPECT_LE(load, capacity);
      EXPECT_GE(load, minLoad);
      for (const PatternEntry& entry : best.pattern.entries) {
        EXPECT_LE(entry.count, test.instance.demands[entry.type]);
      }
    }
  }
}

TEST(Pricing, TolerantSearchKeepsItsBound) {
  std::mt19937 random(11);
  // Small capacities search with an exact bound (over the whole capacity,
  // beyond the coarse bound's width at 10,000), a long bar with a coarse
  // one.
  for (std::int64_t capacity :
       {std::int64_t{1000}, std::int64_t{10'000}, std::int64_t{5'000'000}}) {
    for (int round = 0; round < 60; ++round) {
      RandomCase test = MakeCase(random, capacity);
      SCOPED_TRACE(::testing::Message() << "capacity " << capacity << " round " << round);
      PatternPricer pricer(test.instance);
      std::optional<std::vector<PatternPricer::Priced>> priced = pricer.BestPatterns(
          test.values, test.instance.demands, 0, PatternPricer::Accuracy::Improving, kNoLimit);
      ASSERT_TRUE(priced);
      const double expected = Enumerated(test.instance, test.values, capacity, 0);
      const PatternPricer::Priced& best = priced->front();
      EXPECT_GE(best.bound + 1e-9, expected);
      EXPECT_LE(best.value, expected + 1e-9);
      if (expected > 1.01) {
        EXPECT_NEAR(best.value, expected, 1e-9);  // clearly improving: found exactly
      }
      // The patterns met on the way become columns too: each must be a bar.
      for (const PatternPricer::Priced& pattern : *priced) {
        EXPECT_LE(Load(test.instance, pattern.pattern), capacity);
        for (const PatternEntry& entry : pattern.pattern.entries) {
          EXPECT_LE(entry.count, test.instance.demands[entry.type]);
        }
      }
    }
  }
}

TEST(Pricing, SearchGivesUpAtItsNodeBudget) {
  std::vector<KnapsackSearch::Item> items;
  for (int item = 0; item < 40; ++item) {
    items.push_back({1000 + item, 1.0 + 1e-6 * item, 1});
  }
  KnapsackSearch search;
  search.Solve(items, 20'000, 0, std::nullopt, 50, kNoLimit);
  EXPECT_FALSE(search.complete());
}

}  // namespace
}  // namespace grill::cutplan
