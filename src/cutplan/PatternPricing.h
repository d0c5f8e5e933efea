#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "BinInstance.h"

namespace grill::cutplan {

// The pricing step of column generation: for item values (the duals of the
// demand rows), the most valuable pattern of each stock kind, from a bounded
// knapsack solved by dynamic programming over the capacity.
class PatternPricer {
 public:
  explicit PatternPricer(const BinInstance& instance);

  // False when the tables would not fit the memory set aside for them
  // (capacities of hundreds of thousands of units with many types).
  bool Feasible() const;

  struct Priced {
    Pattern pattern;
    double value = 0;
  };
  // One pattern per stock kind, holding at most demands[t] of type t.
  std::vector<Priced> BestPatterns(const std::vector<double>& values,
                                   const std::vector<int>& demands);

 private:
  // A type split into 1, 2, 4, ... copies so a 0/1 knapsack covers every
  // count; or, when its demand is no limit within the capacity, one
  // repeatable chunk, which takes one pass instead of several.
  struct Chunk {
    int type;
    int copies;
    std::int64_t size;
    double value;
    bool repeatable;
  };
  void SplitIntoChunks(const std::vector<double>& values, const std::vector<int>& demands);
  void TakeIfBetter(std::int64_t c, const Chunk& chunk, std::uint8_t* taken);
  Pattern Reconstruct(int stock) const;

  const BinInstance& instance_;
  std::vector<Chunk> chunks_;
  std::vector<double> best_;         // best_[c]: the best value within capacity c
  std::vector<std::uint8_t> taken_;  // per chunk and capacity: chunk used there
};

}  // namespace grill::cutplan
