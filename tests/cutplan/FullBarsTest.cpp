// The bars found by lookups in the sizes against plain enumeration, and the
// relaxation over full bars alone, which takes them as candidates: its
// value must not change for them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "NoLimit.h"
#include "cutplan/FullBars.h"
#include "cutplan/MasterProblem.h"

namespace grill::cutplan {
namespace {

// Sizes longest first, a few of them repeated, and some small pieces that
// make bars of four.
BinInstance RandomInstance(std::mt19937& random, std::int64_t capacity, int types) {
  std::uniform_int_distribution<std::int64_t> large(capacity / 5, capacity / 2);
  std::uniform_int_distribution<std::int64_t> small(1, capacity / 10);
  std::uniform_int_distribution<int> demands(1, 3);
  std::vector<std::int64_t> sizes;
  for (int type = 0; type < types; ++type) {
    sizes.push_back(type % 3 == 0 ? small(random) : large(random));
  }
  std::sort(sizes.rbegin(), sizes.rend());
  sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
  BinInstance instance;
  for (std::int64_t size : sizes) {
    instance.sizes.push_back(size);
    instance.demands.push_back(demands(random));
  }
  instance.capacities = {capacity};
  instance.costs = {1};
  return instance;
}

// Every bar of one to four items within the demands and the loads, by
// choosing each type's count in turn.
std::vector<Pattern> Enumerated(const BinInstance& instance, std::int64_t minLoad) {
  std::vector<Pattern> bars;
  Pattern bar;
  std::function<void(int, int, std::int64_t)> choose = [&](int type, int items, std::int64_t load) {
    if (type == instance.TypeCount()) {
      if (items > 0 && load >= minLoad) {
        bars.push_back(bar);
      }
      return;
    }
    choose(type + 1, items, load);
    for (int count = 1; count <= instance.demands[type] && items + count <= 4 &&
                        load + count * instance.sizes[type] <= instance.capacities.back();
         ++count) {
      bar.entries.push_back({type, count});
      choose(type + 1, items + count, load + count * instance.sizes[type]);
      bar.entries.pop_back();
    }
  };
  choose(0, 0, 0);
  return bars;
}

int Items(const Pattern& bar) {
  int items = 0;
  for (const PatternEntry& entry : bar.entries) {
    items += entry.count;
  }
  return items;
}

bool ByEntries(const Pattern& a, const Pattern& b) {
  return std::lexicographical_compare(
      a.entries.begin(), a.entries.end(), b.entries.begin(), b.entries.end(),
      [](const PatternEntry& x, const PatternEntry& y) {
        return std::pair(x.type, x.count) < std::pair(y.type, y.count);
      });
}

TEST(FullBars, AreEveryBarOfUpToFourItemsWithinTheLoads) {
  struct Case {
    std::int64_t capacity;
    std::int64_t waste;  // the minimum load is the capacity less this
  };
  const Case cases[] = {{100, 0}, {100, 3}, {1000, 0}, {1000, 40}, {1000, 400}, {37, 37}};
  std::mt19937 random(7);
  for (const Case& test : cases) {
    for (int trial = 0; trial < 20; ++trial) {
      const BinInstance instance = RandomInstance(random, test.capacity, 12);
      const std::int64_t minLoad = test.capacity - test.waste;
      SCOPED_TRACE(::testing::Message() << "capacity " << test.capacity << " min load " << minLoad
                                        << " trial " << trial);
      FullBars found = EnumerateFullBars(instance, minLoad);
      for (const Pattern& bar : found.fewItems) {
        EXPECT_LE(Items(bar), 3);
      }
      for (const Pattern& bar : found.fourItems) {
        EXPECT_EQ(Items(bar), 4);
      }
      std::vector<Pattern> all = found.fewItems;
      all.insert(all.end(), found.fourItems.begin(), found.fourItems.end());
      std::vector<Pattern> expected = Enumerated(instance, minLoad);
      std::sort(all.begin(), all.end(), ByEntries);
      std::sort(expected.begin(), expected.end(), ByEntries);
      EXPECT_EQ(all, expected);  // so none is found twice either
    }
  }
}

TEST(FullBars, AsCandidatesLeaveTheRelaxationOverFullBarsAsItWas) {
  std::mt19937 random(11);
  for (int trial = 0; trial < 30; ++trial) {
    SCOPED_TRACE(trial);
    const BinInstance instance = RandomInstance(random, 1000, 20);
    const std::int64_t minLoad = 1000 - 30 * (trial % 4);
    // A rest of the demands, as in a branch: candidates of more items than
    // it holds, or of less than the minimum load, must be left out.
    std::vector<int> rest = instance.demands;
    for (int type = trial % 2; type < instance.TypeCount(); type += 2) {
      rest[type] = std::max(1, rest[type] - 1);
    }
    const auto solve = [&](bool withCandidates) {
      MasterProblem master(instance);
      master.SetUntilNoneImproves(true);
      if (withCandidates) {
        FullBars bars = EnumerateFullBars(instance, minLoad - 100);
        bars.fourItems.insert(bars.fourItems.end(), bars.fewItems.begin(), bars.fewItems.end());
        master.SetCandidates(std::move(bars.fourItems));
      }
      const MasterProblem::Relaxation relaxation = master.Solve(rest, 1 << 20, kNoLimit, minLoad);
      double value = 0;
      for (const auto& [pattern, used] : relaxation.used) {
        value += used;
      }
      return std::pair(relaxation.bound, value);
    };
    const auto [bound, value] = solve(false);
    const auto [boundWithCandidates, valueWithCandidates] = solve(true);
    EXPECT_EQ(boundWithCandidates, bound);
    EXPECT_NEAR(valueWithCandidates, value, 1e-6);
  }
}

}  // namespace
}  // namespace grill::cutplan
