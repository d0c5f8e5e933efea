#include "BinInstance.h"

#include <algorithm>
#include <numeric>

namespace grill::cutplan {

bool BinInstance::AnyLimited() const {
  return std::any_of(limits.begin(), limits.end(),
                     [](const std::optional<int>& limit) { return limit.has_value(); });
}

std::int64_t BinInstance::LowestCost() const {
  return *std::min_element(costs.begin(), costs.end());
}

std::int64_t BinInstance::HighestCost() const {
  return *std::max_element(costs.begin(), costs.end());
}

int BinInstance::FirstFitting(std::int64_t room) const {
  const auto fits = std::partition_point(sizes.begin(), sizes.end(),
                                         [room](std::int64_t size) { return size > room; });
  return static_cast<int>(fits - sizes.begin());
}

Supply FullSupply(const BinInstance& instance) {
  Supply left(instance.StockCount(), kAsNeeded);
  for (int stock = 0; stock < instance.StockCount(); ++stock) {
    if (instance.Limited(stock)) {
      left[stock] = *instance.limits[stock];
    }
  }
  return left;
}

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

namespace {

int Cheapest(const BinInstance& instance, std::int64_t load, auto&& usable) {
  int chosen = -1;
  for (int stock = 0; stock < instance.StockCount(); ++stock) {
    if (instance.capacities[stock] >= load && usable(stock) &&
        (chosen < 0 || instance.costs[stock] < instance.costs[chosen])) {
      chosen = stock;
    }
  }
  return chosen;
}

}  // namespace

int SmallestStockFor(const BinInstance& instance, std::int64_t load) {
  return Cheapest(instance, load, [&](int stock) { return !instance.Limited(stock); });
}

int CheapestStockFor(const BinInstance& instance, std::int64_t load, const Supply& left) {
  return Cheapest(instance, load, [&](int stock) { return left[stock] > 0; });
}

void Downsize(const BinInstance& instance, Solution& solution, Supply& left) {
  std::vector<std::int64_t> loads;
  loads.reserve(solution.size());
  for (const Pattern& bar : solution) {
    loads.push_back(Load(instance, bar));
  }
  std::vector<std::size_t> order(solution.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return loads[a] > loads[b]; });
  for (std::size_t index : order) {
    const int stock = CheapestStockFor(instance, loads[index], left);
    if (stock >= 0) {
      solution[index].stock = stock;
      if (left[stock] != kAsNeeded) {
        --left[stock];
      }
    }
  }
}

void Downsize(const BinInstance& instance, Solution& solution) {
  Supply left = FullSupply(instance);
  Downsize(instance, solution, left);
}

}  // namespace grill::cutplan
