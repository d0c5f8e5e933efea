#include "SimpleBounds.h"

#include <algorithm>
#include <vector>

#include "WideInt.h"

namespace grill::cutplan {

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
  return a <= 0 ? 0 : (a + b - 1) / b;
}

std::int64_t BoundL1(const BinInstance& instance, std::int64_t capacity) {
  std::int64_t total = 0;
  for (int type = 0; type < instance.TypeCount(); ++type) {
    total += instance.sizes[type] * instance.demands[type];
  }
  return CeilDiv(total, capacity);
}

std::int64_t BoundL2(const BinInstance& instance, std::int64_t capacity) {
  // Sizes are sorted longest first: prefix sums of counts and lengths give
  // each class of sizes below in two binary searches, so that jobs of
  // thousands of lengths take no longer than the search.
  const int types = instance.TypeCount();
  std::vector<std::int64_t> countBefore(types + 1, 0), sizeBefore(types + 1, 0);
  for (int type = 0; type < types; ++type) {
    countBefore[type + 1] = countBefore[type] + instance.demands[type];
    sizeBefore[type + 1] = sizeBefore[type] + instance.sizes[type] * instance.demands[type];
  }
  // The first type whose size is at most `limit`.
  const auto firstAtMost = [&](std::int64_t limit) {
    return static_cast<int>(std::partition_point(instance.sizes.begin(), instance.sizes.end(),
                                                 [&](std::int64_t size) { return size > limit; }) -
                            instance.sizes.begin());
  };
  const int firstNotLarge = firstAtMost(capacity / 2);  // 2 * size <= capacity from here on
  // Every size not above half the capacity is a threshold K to try; K = 0
  // gives L1.
  std::int64_t best = BoundL1(instance, capacity);
  for (int threshold = firstNotLarge; threshold < types; ++threshold) {
    const std::int64_t k = instance.sizes[threshold];
    if (instance.demands[threshold] == 0) {
      continue;
    }
    const int firstShareable = std::min(firstAtMost(capacity - k), firstNotLarge);
    const int firstBelowK = firstAtMost(k - 1);
    const std::int64_t alone = countBefore[firstShareable];
    const std::int64_t large = countBefore[firstNotLarge] - countBefore[firstShareable];
    const std::int64_t largeSize = sizeBefore[firstNotLarge] - sizeBefore[firstShareable];
    const std::int64_t smallSize = sizeBefore[firstBelowK] - sizeBefore[firstNotLarge];
    const std::int64_t roomBesideLarge = large * capacity - largeSize;
    best = std::max(best, alone + large + CeilDiv(smallSize - roomBesideLarge, capacity));
  }
  return best;
}

namespace {

// What the limited kinds cannot hold takes bars bought as needed, each
// holding at most the largest capacity: at least that many of them, each
// at least the cheapest such, and the other bars at least the cheapest.
std::int64_t BoundWithLimits(const BinInstance& instance, std::int64_t totalSize,
                             std::int64_t bars) {
  WideInt limitedRoom = 0;
  std::int64_t cheapestAsNeeded = -1;
  for (int stock = 0; stock < instance.StockCount(); ++stock) {
    if (instance.Limited(stock)) {
      limitedRoom += static_cast<WideInt>(instance.capacities[stock]) * *instance.limits[stock];
    } else if (cheapestAsNeeded < 0 || instance.costs[stock] < cheapestAsNeeded) {
      cheapestAsNeeded = instance.costs[stock];
    }
  }
  const WideInt left = totalSize - limitedRoom;
  const std::int64_t capacity = instance.capacities.back();
  const std::int64_t bought =
      left <= 0 ? 0 : static_cast<std::int64_t>((left + capacity - 1) / capacity);
  return bought * cheapestAsNeeded +
         std::max<std::int64_t>(bars - bought, 0) * instance.LowestCost();
}

}  // namespace

std::int64_t SimpleCostBound(const BinInstance& instance) {
  // Stocks are sorted by capacity, so the last is the largest: no solution
  // has fewer bars than L2 with it, and each bar costs at least the cheapest.
  std::int64_t bars = BoundL2(instance, instance.capacities.back());
  std::int64_t bound = bars * instance.LowestCost();
  if (instance.StockCount() == 1) {
    return bound;
  }
  std::int64_t totalSize = 0;
  for (int type = 0; type < instance.TypeCount(); ++type) {
    totalSize += instance.sizes[type] * instance.demands[type];
  }
  if (instance.AnyLimited()) {
    bound = std::max(bound, BoundWithLimits(instance, totalSize, bars));
  }
  // Each bar costs at least its load times the lowest cost per unit of
  // capacity. totalSize * cost / capacity is split into whole capacities and
  // the remainder, the remainder's product in 128 bits: costs that weigh
  // prices above bars run to 40 bits.
  std::int64_t fluid = 0;
  for (int stock = 0; stock < instance.StockCount(); ++stock) {
    const std::int64_t capacity = instance.capacities[stock];
    const std::int64_t cost = instance.costs[stock];
    const WideInt remainder = static_cast<WideInt>(totalSize % capacity) * cost;
    std::int64_t value = totalSize / capacity * cost +
                         static_cast<std::int64_t>((remainder + capacity - 1) / capacity);
    fluid = stock == 0 ? value : std::min(fluid, value);
  }
  return std::max(bound, fluid);
}

}  // namespace grill::cutplan
