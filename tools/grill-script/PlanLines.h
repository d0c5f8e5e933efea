#pragma once

#include <string>
#include <vector>

#include "cutting/CutBar.h"
#include "cutting/JobCuttingPlan.h"

namespace grill {

// The lines `cutplan` prints (README: "The cutting plan"), lengths in the cut
// files' unit: the unit, the designs left out, each group's bars, what it
// buys ("buy LENGTH COUNT [PRICE]"), its totals and its cost ("cost C [bound
// B]"), one line per group, and last the Stock.txt and inventory notes, each
// "note Stock.txt: NOTE" or "note Inventory.txt: NOTE".
std::vector<std::string> PlanScriptLines(const JobCuttingPlan& plan, CutUnit unit);

}  // namespace grill
