#pragma once

#include <vector>

#include "BinInstance.h"

namespace grill::cutplan {

enum class FitRule { First, Best };

// First-fit or best-fit decreasing of `demands` (per type) into bars of the
// largest stock, each bar then moved to the cheapest stock that holds it.
Solution PackDecreasing(const BinInstance& instance, const std::vector<int>& demands, FitRule rule);

// The cheaper of first-fit and best-fit decreasing.
Solution BestGreedy(const BinInstance& instance, const std::vector<int>& demands);

}  // namespace grill::cutplan
