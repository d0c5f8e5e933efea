#include "BinInstance.h"

namespace grill::cutplan {

std::int64_t Load(const BinInstance& instance, const Pattern& pattern) {
  std::int64_t load = 0;
  for (const PatternEntry& entry : pattern.entries) {
    load += instance.sizes[entry.type] * entry.count;
  }
  return load;
}

std::int64_t Cost(const BinInstance& instance, const Solution& solution) {
  std::int64_t cost = 0;
  for (const Pattern& bar : solution) {
    cost += instance.costs[bar.stock];
  }
  return cost;
}

int SmallestStockFor(const BinInstance& instance, std::int64_t load) {
  for (int stock = 0; stock < instance.StockCount(); ++stock) {
    if (instance.capacities[stock] >= load) {
      return stock;
    }
  }
  return -1;
}

void Downsize(const BinInstance& instance, Solution& solution) {
  for (Pattern& bar : solution) {
    bar.stock = SmallestStockFor(instance, Load(instance, bar));
  }
}

}  // namespace grill::cutplan
