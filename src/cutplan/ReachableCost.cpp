#include "ReachableCost.h"

#include <algorithm>

namespace grill::cutplan {

namespace {

// Sums up to this many units of the first objective are tabled: a few
// milliseconds at most.
constexpr std::int64_t kMostSums = std::int64_t{1} << 22;

}  // namespace

std::int64_t RaiseToReachable(const BinInstance& instance, std::int64_t bound,
                              const std::vector<KindRange>& ranges) {
  const std::int64_t unit = instance.firstUnit;
  std::int64_t base = 0;  // the first objective of the bars the ranges demand
  std::int64_t dearest = 0;
  std::vector<std::int64_t> firsts;
  std::vector<int> extras;  // bars of each kind beyond the least, kAsNeeded: any
  for (int stock = 0; stock < instance.StockCount(); ++stock) {
    const std::int64_t first = instance.costs[stock] / unit;
    const KindRange range = ranges.empty() ? KindRange{} : ranges[stock];
    if (first == 0) {
      continue;
    }
    base += first * range.least;
    dearest = std::max(dearest, first);
    firsts.push_back(first);
    extras.push_back(range.most == kAsNeeded ? kAsNeeded : range.most - range.least);
  }
  const std::int64_t need = bound / unit - base;
  if (need <= 0) {
    return std::max(bound, base * unit);
  }
  // Any sum at or above `need` that can be had is found below `need +
  // dearest`, unless the counts run out before.
  const std::int64_t width = need + dearest;
  if (width > kMostSums) {
    return bound;
  }
  // reached[s]: some counts within the ranges add up to s; used[s]: the
  // fewest bars of the kind at hand that do, given the kinds before it.
  std::vector<char> reached(static_cast<std::size_t>(width), 0);
  std::vector<int> used(static_cast<std::size_t>(width), 0);
  reached[0] = 1;
  for (std::size_t kind = 0; kind < firsts.size(); ++kind) {
    const std::int64_t first = firsts[kind];
    std::fill(used.begin(), used.end(), 0);
    for (std::int64_t sum = first; sum < width; ++sum) {
      if (!reached[sum] && reached[sum - first] && used[sum - first] < extras[kind]) {
        reached[sum] = 1;
        used[sum] = used[sum - first] + 1;
      }
    }
  }
  std::int64_t least = need;
  while (least < width && !reached[least]) {
    ++least;
  }
  return std::max(bound, (base + least) * unit);
}

}  // namespace grill::cutplan
