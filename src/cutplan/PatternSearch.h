#pragma once

#include <cstdint>

#include "BinInstance.h"
#include "MasterProblem.h"

namespace grill::cutplan {

struct SearchResult {
  Solution solution;
  // A proven lower bound on the cost of every solution.
  std::int64_t bound = 0;
};

// Improves on `start` (a complete solution) until it meets the lower bound
// or the limit is reached. Lower bound: the simple bounds and the linear
// relaxation. Search: dives that fix the patterns the relaxation uses most,
// re-solving the relaxation for what is left, with the remainder after
// rounding packed greedily at every step; dives that may deviate from the
// relaxation's first choice 1, 2, ... times follow while time is left.
// Same instance, same result, when the search ends before its limit: its
// parts take turns measured in work (WorkCount.h), not time.
SearchResult ImproveSolution(const BinInstance& instance, Solution start, const SearchLimit& limit);

}  // namespace grill::cutplan
