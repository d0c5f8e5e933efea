// Whether a number of bars of one stock length holds the items, by
// branching on pairs of items: checked against every packing tried.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "FewestBars.h"
#include "NoLimit.h"
#include "cutplan/BinInstance.h"
#include "cutplan/GreedyPacking.h"
#include "cutplan/PairBranching.h"

namespace grill::cutplan {
namespace {

TEST(PairBranching, ProvesWhatTheRelaxationCannot) {
  struct Case {
    const char* what;
    BinInstance instance;
    int bars;
    bool fits;
  };
  const Case cases[] = {
      // The relaxation needs 1.8 bars; no two items share one.
      {"three items of 6 in bars of 10", {{6}, {3}, {10}, {1}}, 2, false},
      {"three items of 6 in three bars", {{6}, {3}, {10}, {1}}, 3, true},
      // 7 + 3 and 6 + 4 fill two bars exactly.
      {"two full bars", {{7, 6, 4, 3}, {1, 1, 1, 1}, {10}, {1}}, 2, true},
      // 2.3 bars' worth, but the 5 goes with no 6.
      {"an item that pairs with none", {{6, 5}, {3, 1}, {10}, {1}}, 3, false},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    const Solution start = BestGreedy(test.instance, test.instance.demands);
    EXPECT_EQ(PairBranching(test.instance, test.bars, start).Run(kNoLimit), test.fits);
  }
}

TEST(PairBranching, AgreesWithEveryPackingTriedOnRandomItems) {
  std::mt19937 random(11);
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE(round);
    // Items of a quarter to three fifths of a bar: bars of two or three,
    // where the relaxation often falls short of the packings by a bar.
    const std::int64_t capacity = 40 + static_cast<std::int64_t>(random() % 40);
    std::vector<std::int64_t> sizes;
    for (int item = 0; item < 12; ++item) {
      sizes.push_back(capacity / 4 + static_cast<std::int64_t>(random() % (capacity * 7 / 20)));
    }
    const int fewest = FewestBars(ItemsInBars(sizes, capacity));
    // Scaled up, the same packings on bars far too long for an exact
    // table per length: the pricing's coarser one must lose none of them.
    for (const std::int64_t scale : {1, 1'000'003}) {
      SCOPED_TRACE(scale);
      std::vector<std::int64_t> scaled = sizes;
      for (std::int64_t& size : scaled) {
        size *= scale;
      }
      const BinInstance instance = ItemsInBars(scaled, capacity * scale);
      const Solution start = BestGreedy(instance, instance.demands);
      EXPECT_EQ(PairBranching(instance, fewest - 1, start).Run(kNoLimit), false);
      EXPECT_NE(PairBranching(instance, fewest, start).Run(kNoLimit), false);
    }
  }
}

}  // namespace
}  // namespace grill::cutplan
