#pragma once

#include <string>
#include <vector>

#include "cutplan/CuttingJob.h"

namespace grill::cutplan::testing {

// Checks a plan on its own terms, sharing no code with the planner: every
// piece of the group used exactly once, every bar one of the stock lengths
// or remnants it says it comes from and holding its pieces, kerfs and
// trims, the rest reported right; no more remnants or bars on hand used
// than there are; the cost the price of the bars bought and not below its
// bound; what to buy the bars bought, per length, shortest first.
// Lengths in the tests are multiples of 1/4 mm, so sums in double are exact
// and the comparison needs no tolerance. Returns the faults found.
std::vector<std::string> CheckPlan(const PieceGroup& group, const SawSettings& saw,
                                   const GroupPlan& plan);

// How many bars of the plan come from each source.
int BarsFrom(const GroupPlan& plan, StockSource source);

}  // namespace grill::cutplan::testing
