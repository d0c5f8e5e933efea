#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "SearchLimit.h"

namespace grill::cutplan {

// A bounded knapsack solved by depth-first branch and bound. The bound at
// each node is a table over a coarse capacity: sizes divided by a step and
// rounded down, so every selection that fits still fits the table, which
// therefore never underestimates; on small capacities the step is 1 and
// the bound exact. The work depends on how many items fit together, not on
// the capacity, which suits long bars holding a few long pieces
// (capacities of 100,000 units, where a table over the whole capacity is
// too slow).
class KnapsackSearch {
 public:
  struct Item {
    std::int64_t size = 0;
    double value = 0;
    int available = 0;
  };
  struct Best {
    std::vector<int> counts;  // per item as given
    double value = 0;
  };
  // The most valuable selection with total size in [minLoad, capacity]; an
  // empty one with value 0 when minLoad is 0 and nothing is worth taking,
  // nullopt when none reaches minLoad. Gives up (`complete` false) after
  // `nodeBudget` nodes or when `limit` is reached.
  //
  // With `worthBeating`, only selections above it matter, and branches the
  // bound gives less than that plus the bound's own rounding are dropped:
  // near-ties, of which a long bar has thousands, cost no search. The best
  // then is exact only if above that threshold; upperBound() holds anyway.
  std::optional<Best> Solve(const std::vector<Item>& items, std::int64_t capacity,
                            std::int64_t minLoad, std::optional<double> worthBeating,
                            std::int64_t nodeBudget, const SearchLimit& limit);
  bool complete() const { return complete_; }
  // Whether the bound for that many items and that capacity is exact, so
  // that the search goes straight to the best and the near-ties on its way.
  static bool ExactBoundFits(std::size_t items, std::int64_t capacity);
  // No selection is worth more, whether or not the search was complete.
  double upperBound() const;
  // The selections that were the best so far in turn, the best last.
  const std::vector<Best>& improvements() const { return improvements_; }

 private:
  void BuildBound();
  // How much the coarse table may overestimate: the rounding of the sizes
  // lets it overfill by a step per item.
  double Rounding() const;
  double Bound(std::size_t position, std::int64_t room) const;
  void Explore(std::size_t position, std::int64_t room, double value);
  bool OutOfNodes();

  const std::vector<Item>* items_ = nullptr;
  std::vector<int> counts_;
  std::int64_t capacity_ = 0;
  std::int64_t minLoad_ = 0;
  std::int64_t step_ = 1;
  std::int64_t coarseWidth_ = 0;
  // bound_[position * coarseWidth_ + c]: the best of the items from
  // `position` on within coarse capacity c.
  std::vector<double> bound_;
  std::vector<std::int64_t> sizeFrom_;  // all copies from a position on, at most the capacity
  std::optional<Best> best_;
  std::vector<Best> improvements_;
  double floor_ = 0;  // branches bound to reach no more are dropped
  std::int64_t nodesLeft_ = 0;
  const SearchLimit* limit_ = nullptr;
  bool complete_ = true;
};

}  // namespace grill::cutplan
