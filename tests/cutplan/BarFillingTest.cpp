// Filling bars one by one with what the relaxation's duals allow: what it
// finds is a packing, and what it rules out no packing has, whatever the
// values it was given.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "FewestBars.h"
#include "NoLimit.h"
#include "cutplan/BarFilling.h"
#include "cutplan/GreedyPacking.h"
#include "cutplan/MasterProblem.h"

namespace grill::cutplan {
namespace {

constexpr std::int64_t kManyNodes = 100'000'000;

// Empty when the bars are a packing of the items into at most `bars` bars.
std::string PackingFault(const BinInstance& instance, const Solution& solution, int bars) {
  if (static_cast<int>(solution.size()) > bars) {
    return "more bars than allowed";
  }
  std::vector<int> packed(instance.TypeCount(), 0);
  for (const Pattern& bar : solution) {
    if (Load(instance, bar) > instance.capacities.back()) {
      return "a bar overfilled";
    }
    for (const PatternEntry& entry : bar.entries) {
      packed[entry.type] += entry.count;
    }
  }
  return packed == instance.demands ? "" : "items missing or doubled";
}

// The relaxation's duals over bars of at least `minLoad`, as the search
// gives them; nullopt when it shows the bars too few.
std::optional<std::vector<double>> Duals(MasterProblem& master, const std::vector<int>& demands,
                                         int bars, std::int64_t minLoad) {
  if (master.Solve(demands, bars + 1, kNoLimit, std::max<std::int64_t>(0, minLoad)).outcome ==
      MasterProblem::Outcome::CannotBeat) {
    return std::nullopt;
  }
  return master.ItemValues();
}

// The duals of each rest over the bars that waste no more than its bars may.
Repricing RestDuals(MasterProblem& master, const BinInstance& instance) {
  return [&master, &instance](const std::vector<int>& rest, int bars) {
    const std::int64_t capacity = instance.capacities.back();
    std::int64_t load = 0;
    for (int type = 0; type < instance.TypeCount(); ++type) {
      load += instance.sizes[type] * rest[type];
    }
    return Duals(master, rest, bars, capacity - (bars * capacity - load));
  };
}

BinInstance Instance(std::vector<std::int64_t> sizes, std::vector<int> demands,
                     std::int64_t capacity) {
  return {std::move(sizes), std::move(demands), {capacity}, {1}};
}

TEST(BarFilling, FindsOrRulesOutHandPackings) {
  struct Case {
    const char* what;
    BinInstance instance;
    int bars;
    FillResult::Outcome outcome;
  };
  using enum FillResult::Outcome;
  const Case cases[] = {
      {"7 + 3 and 6 + 4 fill two bars exactly", Instance({7, 6, 4, 3}, {1, 1, 1, 1}, 10), 2, Found},
      {"three items of 6 need three bars", Instance({6}, {3}, 10), 2, None},
      {"more length than the bars hold", Instance({6, 5}, {2, 2}, 10), 2, None},
      {"6 + 4 twice", Instance({6, 4}, {2, 2}, 10), 2, Found},
      // Exactly two bars' length, but no bar holds two 6s.
      {"exact length, no exact bars", Instance({6, 4}, {3, 1}, 11), 2, None},
      {"a spare bar left empty", Instance({5}, {2}, 10), 3, Found},
      {"nothing to pack", Instance({5}, {0}, 10), 1, Found},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    const BinInstance& instance = test.instance;
    const std::vector<double> none(instance.TypeCount(), 0.0);
    const FillResult plain =
        FillBars(instance, instance.demands, test.bars, none, kNoLimit, kManyNodes);
    EXPECT_EQ(plain.outcome, test.outcome);
    if (plain.outcome == Found) {
      EXPECT_EQ(PackingFault(instance, plain.solution, test.bars), "");
    }
  }
}

// Random items of a fifth to a half of a bar, tried one bar below the
// fewest, at it and one above: with no values, with the relaxation's duals
// priced again at each branching, with values that are no duals at all, and
// with the mean of those, the duals and values by length after a few bars,
// as a search resumed with new duals has, and resumed after its first
// restart alone.
TEST(BarFilling, AgreesWithEveryPackingTriedOnRandomItems) {
  std::mt19937 random(23);
  for (int round = 0; round < 60; ++round) {
    SCOPED_TRACE(round);
    const std::int64_t capacity = 30 + static_cast<std::int64_t>(random() % 50);
    std::vector<std::int64_t> sizes;
    for (int item = 0; item < 11; ++item) {
      sizes.push_back(capacity / 5 + static_cast<std::int64_t>(random() % (capacity * 3 / 10)));
    }
    const BinInstance instance = ItemsInBars(sizes, capacity);
    std::int64_t total = 0;
    for (int type = 0; type < instance.TypeCount(); ++type) {
      total += instance.sizes[type] * instance.demands[type];
    }
    const int fewest = FewestBars(instance);
    MasterProblem master(instance);
    master.AddPatterns(BestGreedy(instance, instance.demands));
    master.SetUntilNoneImproves(true);
    const Repricing reprice = RestDuals(master, instance);
    std::vector<double> noise(instance.TypeCount());
    for (double& value : noise) {
      value = static_cast<double>(random() % 1000) / 100 - 2;
    }
    for (int bars = fewest - 1; bars <= fewest + 1; ++bars) {
      SCOPED_TRACE(bars);
      const std::optional<std::vector<double>> duals =
          Duals(master, instance.demands, bars, capacity - (bars * capacity - total));
      if (!duals) {
        EXPECT_LT(bars, fewest) << "the relaxation ruled out a packing";
        continue;
      }
      const std::vector<double> none(instance.TypeCount(), 0.0);
      BarFilling switched(instance, instance.demands, bars, noise, reprice);
      switched.Run(kNoLimit, 3);
      switched.UseValues(*duals);
      std::vector<double> byLength(instance.TypeCount());
      for (int type = 0; type < instance.TypeCount(); ++type) {
        byLength[type] = static_cast<double>(instance.sizes[type]) / static_cast<double>(capacity);
      }
      switched.UseValues(byLength);
      BarFilling resumed(instance, instance.demands, bars, *duals, reprice);
      const FillResult first = resumed.RunFirstRestart(kNoLimit);
      for (const FillResult& result :
           {FillBars(instance, instance.demands, bars, none, kNoLimit, kManyNodes),
            FillBars(instance, instance.demands, bars, *duals, kNoLimit, kManyNodes, reprice),
            FillBars(instance, instance.demands, bars, noise, kNoLimit, kManyNodes),
            switched.Run(kNoLimit, kManyNodes), resumed.Run(kNoLimit, kManyNodes)}) {
        EXPECT_EQ(result.outcome,
                  bars >= fewest ? FillResult::Outcome::Found : FillResult::Outcome::None);
        if (result.outcome == FillResult::Outcome::Found) {
          EXPECT_EQ(PackingFault(instance, result.solution, bars), "");
        }
      }
      if (first.outcome != FillResult::Outcome::Unknown) {
        EXPECT_EQ(first.outcome,
                  bars >= fewest ? FillResult::Outcome::Found : FillResult::Outcome::None);
      }
    }
  }
}

// Bars cut into pieces of a few lengths, so that most lengths come several
// times: where every bar must be full, the table of each length is built
// from the next one's, in chunks of copies, and it must still lead to such
// a packing, whatever the values.
TEST(BarFilling, FindsExactPackingsOfRepeatedLengths) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE(round);
    const std::int64_t step = 3 + static_cast<std::int64_t>(random() % 5);
    const std::int64_t capacity = step * (8 + static_cast<std::int64_t>(random() % 8));
    const int bars = 3 + static_cast<int>(random() % 4);
    std::vector<std::int64_t> sizes;
    for (int bar = 0; bar < bars; ++bar) {
      std::int64_t left = capacity;
      while (left > 0) {
        const std::int64_t piece =
            std::min(left, step * (1 + static_cast<std::int64_t>(random() % 6)));
        sizes.push_back(piece);
        left -= piece;
      }
    }
    const BinInstance instance = ItemsInBars(sizes, capacity);
    MasterProblem master(instance);
    master.AddPatterns(BestGreedy(instance, instance.demands));
    master.SetUntilNoneImproves(true);
    const Repricing reprice = RestDuals(master, instance);
    const std::optional<std::vector<double>> duals =
        Duals(master, instance.demands, bars, capacity);
    ASSERT_TRUE(duals);
    std::vector<double> byLength(instance.TypeCount());
    for (int type = 0; type < instance.TypeCount(); ++type) {
      byLength[type] = static_cast<double>(instance.sizes[type]);
    }
    for (const FillResult& result :
         {FillBars(instance, instance.demands, bars, byLength, kNoLimit, kManyNodes),
          FillBars(instance, instance.demands, bars, *duals, kNoLimit, kManyNodes, reprice)}) {
      ASSERT_EQ(result.outcome, FillResult::Outcome::Found);
      EXPECT_EQ(PackingFault(instance, result.solution, bars), "");
    }
  }
}

TEST(BarFilling, StopsAtItsLimits) {
  // Forty items of 3 in bars of 10 hold three each: 13 bars have the
  // length but not the room, which only the search itself tells.
  const BinInstance threes = Instance({3}, {40}, 10);
  const std::vector<double> none(1, 0.0);
  EXPECT_EQ(FillBars(threes, threes.demands, 13, none, kNoLimit, kManyNodes).outcome,
            FillResult::Outcome::None);
  const SearchLimit stopped{Clock::time_point::min(), {}};
  EXPECT_EQ(FillBars(threes, threes.demands, 13, none, stopped, kManyNodes).outcome,
            FillResult::Outcome::Unknown);
  // Eight bars hold these, but not within three bars tried.
  const BinInstance mixed = Instance({7, 6, 5, 4, 3}, {6, 6, 6, 6, 6}, 20);
  const std::vector<double> zeros(5, 0.0);
  EXPECT_EQ(FillBars(mixed, mixed.demands, 8, zeros, kNoLimit, kManyNodes).outcome,
            FillResult::Outcome::Found);
  EXPECT_EQ(FillBars(mixed, mixed.demands, 8, zeros, kNoLimit, 3).outcome,
            FillResult::Outcome::Unknown);
}

// The first restart runs alone; once over, it is not run again, and the
// runs that follow go on from it to the same answer as a search in one go.
TEST(BarFilling, GoesOnAfterItsFirstRestart) {
  struct Case {
    const char* what;
    BinInstance instance;
    int bars;
    FillResult::Outcome outcome;
  };
  using enum FillResult::Outcome;
  const Case cases[] = {
      // Items of a fifth to a half of a bar, with no values to prune by:
      // more than the first restart settles.
      {"32 items in the 11 bars of their length",
       ItemsInBars({42, 22, 23, 48, 42, 35, 29, 32, 41, 20, 25, 47, 49, 22, 41, 41,
                    33, 22, 43, 25, 33, 38, 39, 49, 25, 23, 20, 41, 32, 35, 44, 26},
                   100),
       11, Found},
      {"34 items, not in the 12 bars of their length",
       ItemsInBars({43, 24, 46, 38, 48, 44, 49, 37, 29, 27, 29, 45, 43, 27, 28, 37, 45,
                    34, 29, 49, 27, 33, 34, 22, 24, 48, 26, 25, 40, 30, 24, 40, 26, 43},
                   100),
       12, None},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    const BinInstance& instance = test.instance;
    const std::vector<double> none(instance.TypeCount(), 0.0);
    BarFilling filling(instance, instance.demands, test.bars, none);
    EXPECT_EQ(filling.RunFirstRestart(kNoLimit).outcome, Unknown);
    EXPECT_EQ(filling.RunFirstRestart(kNoLimit).outcome, Unknown);
    const FillResult result = filling.Run(kNoLimit, kManyNodes);
    EXPECT_EQ(result.outcome, test.outcome);
    if (result.outcome == Found) {
      EXPECT_EQ(PackingFault(instance, result.solution, test.bars), "");
    }
  }
}

}  // namespace
}  // namespace grill::cutplan
