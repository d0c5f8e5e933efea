#pragma once

#include <cstdint>
#include <vector>

#include "BinInstance.h"
#include "MasterProblem.h"

namespace grill::cutplan {

// A plan's first objective is the sum of its bars' first objectives (each
// kind's cost divided by the instance's firstUnit, rounded down), so it is
// a whole combination of them: a bound on the cost rises to the least such
// combination at or above it, with as many bars of each kind as `ranges`
// allow (empty: any number). Returns the bound, raised where that shows
// more; where the table of sums would grow too large, the bound as given.
std::int64_t RaiseToReachable(const BinInstance& instance, std::int64_t bound,
                              const std::vector<KindRange>& ranges = {});

}  // namespace grill::cutplan
