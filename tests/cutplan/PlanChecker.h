#pragma once

#include <string>
#include <vector>

#include "cutplan/CuttingJob.h"

namespace grill::cutplan::testing {

// Checks a plan on its own terms, sharing no code with the planner: every
// piece of the group used exactly once, every bar one of the stock lengths
// and holding its pieces, kerfs and trims, and the rest reported right.
// Lengths in the tests are multiples of 1/4 mm, so sums in double are exact
// and the comparison needs no tolerance. Returns the faults found.
std::vector<std::string> CheckPlan(const PieceGroup& group, const SawSettings& saw,
                                   const GroupPlan& plan);

}  // namespace grill::cutplan::testing
