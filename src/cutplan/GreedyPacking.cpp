#include "GreedyPacking.h"

#include <cstdint>

namespace grill::cutplan {

namespace {

struct OpenBar {
  std::int64_t room = 0;
  Pattern pattern;
};

void Put(OpenBar& bar, int type, std::int64_t size) {
  bar.room -= size;
  if (!bar.pattern.entries.empty() && bar.pattern.entries.back().type == type) {
    ++bar.pattern.entries.back().count;
  } else {
    bar.pattern.entries.push_back({type, 1});
  }
}

int ChooseBar(const std::vector<OpenBar>& bars, std::int64_t size, FitRule rule) {
  int chosen = -1;
  for (int index = 0; index < static_cast<int>(bars.size()); ++index) {
    if (bars[index].room < size) {
      continue;
    }
    if (rule == FitRule::First) {
      return index;
    }
    if (chosen < 0 || bars[index].room < bars[chosen].room) {
      chosen = index;
    }
  }
  return chosen;
}

}  // namespace

Solution PackDecreasing(const BinInstance& instance, const std::vector<int>& demands,
                        FitRule rule) {
  const std::int64_t capacity = instance.capacities.back();
  std::vector<OpenBar> bars;
  // Types are sorted longest first, so walking them in order is decreasing.
  for (int type = 0; type < instance.TypeCount(); ++type) {
    const std::int64_t size = instance.sizes[type];
    for (int copy = 0; copy < demands[type]; ++copy) {
      int index = ChooseBar(bars, size, rule);
      if (index < 0) {
        bars.push_back({capacity, Pattern{instance.StockCount() - 1, {}}});
        index = static_cast<int>(bars.size()) - 1;
      }
      Put(bars[index], type, size);
    }
  }
  Solution solution;
  solution.reserve(bars.size());
  for (OpenBar& bar : bars) {
    solution.push_back(std::move(bar.pattern));
  }
  Downsize(instance, solution);
  return solution;
}

Solution BestGreedy(const BinInstance& instance, const std::vector<int>& demands) {
  Solution first = PackDecreasing(instance, demands, FitRule::First);
  Solution best = PackDecreasing(instance, demands, FitRule::Best);
  return Cost(instance, best) < Cost(instance, first) ? best : first;
}

}  // namespace grill::cutplan
