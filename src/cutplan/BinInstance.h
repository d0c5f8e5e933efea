#pragma once

#include <cstdint>
#include <vector>

namespace grill::cutplan {

// The packing problem the planner solves, in integers: item types with
// sizes and demands, stock kinds with capacities and costs. A bar of stock s
// holds items whose sizes add up to at most capacities[s].
//
// Sizes are sorted longest first and stocks by increasing capacity; stock
// costs grow with capacity.
struct BinInstance {
  std::vector<std::int64_t> sizes;
  std::vector<int> demands;
  std::vector<std::int64_t> capacities;
  std::vector<std::int64_t> costs;

  int TypeCount() const { return static_cast<int>(sizes.size()); }
  int StockCount() const { return static_cast<int>(capacities.size()); }
};

struct PatternEntry {
  int type = 0;
  int count = 0;
  bool operator==(const PatternEntry&) const = default;
};

// One bar: its stock kind and how many items of each type it holds.
struct Pattern {
  int stock = 0;
  std::vector<PatternEntry> entries;
  bool operator==(const Pattern&) const = default;
};

using Solution = std::vector<Pattern>;

std::int64_t Load(const BinInstance& instance, const Pattern& pattern);
std::int64_t Cost(const BinInstance& instance, const Solution& solution);
// The cheapest stock kind that holds `load`; -1 when none does.
int SmallestStockFor(const BinInstance& instance, std::int64_t load);
// Moves every bar to the cheapest stock kind that still holds it.
void Downsize(const BinInstance& instance, Solution& solution);

}  // namespace grill::cutplan
