#pragma once

#include <string>

#include "cutting/CutBar.h"
#include "cutting/JobCuttingPlan.h"

namespace grill {

// The cutting plan as a spreadsheet: a header line, then one line per stock
// bar (README: "The cutting plan"), lengths in `unit` as the cut files write
// them, lines ended by CR LF as in the cut files.
std::string PlanCsv(const JobCuttingPlan& plan, CutUnit unit);

}  // namespace grill
