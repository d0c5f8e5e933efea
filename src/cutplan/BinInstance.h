#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace grill::cutplan {

// The packing problem the planner solves, in integers: item types with
// sizes and demands, stock kinds with capacities and costs. A bar of stock s
// holds items whose sizes add up to at most capacities[s].
//
// Sizes are sorted longest first and stocks by increasing capacity. Costs
// need not grow with capacity: a remnant costs less than a shorter bar that
// has to be bought. Every cost is at least 1.
struct BinInstance {
  std::vector<std::int64_t> sizes;
  std::vector<int> demands;
  std::vector<std::int64_t> capacities;
  std::vector<std::int64_t> costs;
  // Per stock kind, the bars there are of it when limited; empty when no
  // kind is. The largest capacity is never limited.
  std::vector<std::optional<int>> limits = {};
  // The stock kinds in the order a greedy start opens their bars, the last
  // one holding every item; empty: the largest alone.
  std::vector<int> preference = {};
  // Costs weigh several objectives, the first by `firstUnit`, the last that
  // decides the search's end by `decisiveUnit` (below it only ties are
  // broken): the search ends once the best solution meets the bound on
  // the first exactly and, as near as the relaxation tells, on the one
  // that decides. One objective: both 1.
  std::int64_t firstUnit = 1;
  std::int64_t decisiveUnit = 1;

  int TypeCount() const { return static_cast<int>(sizes.size()); }
  int StockCount() const { return static_cast<int>(capacities.size()); }
  bool Limited(int stock) const { return !limits.empty() && limits[stock].has_value(); }
  bool AnyLimited() const;
  std::int64_t LowestCost() const;
  std::int64_t HighestCost() const;
  // The first type no longer than `room`, TypeCount() when none is.
  int FirstFitting(std::int64_t room) const;
};

// Bars left per stock kind: a kind bought as needed never runs out.
using Supply = std::vector<int>;
inline constexpr int kAsNeeded = std::numeric_limits<int>::max();
Supply FullSupply(const BinInstance& instance);

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
// The cheapest stock kind bought as needed that holds `load` (of equal
// costs the smallest); -1 when none does.
int SmallestStockFor(const BinInstance& instance, std::int64_t load);
// The cheapest stock kind with a bar left that holds `load`; -1 when none.
int CheapestStockFor(const BinInstance& instance, std::int64_t load, const Supply& left);
// Moves every bar to the cheapest stock kind that still holds it, taking
// from `left`. The fullest bars choose first: a bar's kinds are among
// those of any less loaded bar, so that order gives the cheapest choice for
// these bars. The largest kind is bought as needed, so each bar finds one.
void Downsize(const BinInstance& instance, Solution& solution, Supply& left);
void Downsize(const BinInstance& instance, Solution& solution);

}  // namespace grill::cutplan
