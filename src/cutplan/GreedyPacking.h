#pragma once

#include <vector>

#include "BinInstance.h"

namespace grill::cutplan {

enum class FitRule { First, Best };

// First-fit or best-fit decreasing of `demands` (per type). First fit
// tries the bars kind by kind in the instance's order of preference, opening
// one of a kind when the item fits none opened and the kind has a bar left;
// best fit takes the fullest bar opened that holds the item, or opens one
// so. Each bar is then moved to the cheapest stock that holds it (see
// Downsize). Takes its bars from `left`.
Solution PackDecreasing(const BinInstance& instance, const std::vector<int>& demands, FitRule rule,
                        Supply& left);

// The cheaper of first-fit and best-fit decreasing, within `left`.
Solution BestGreedy(const BinInstance& instance, const std::vector<int>& demands,
                    const Supply& left);
Solution BestGreedy(const BinInstance& instance, const std::vector<int>& demands);

}  // namespace grill::cutplan
