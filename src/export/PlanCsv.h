#pragma once

#include <string>

#include "cutting/CutBar.h"
#include "cutting/JobCuttingPlan.h"
#include "cutting/PlanFigures.h"

namespace grill {

// The cutting plan as a spreadsheet: a header line, then one line per stock
// bar (README: "The cutting plan"), lengths in the saw's unit as the cut
// files write them, then the same in the job's unit (inches as fractions to
// the nearest 1/16, without the inch mark) in four columns after them, and
// then where the bar comes from ("remnant", "on hand", "bought") and, for a
// bought bar, its price when the plan states one, and last the pieces' short
// ids (PieceId) as the labels carry them; lines ended by CR LF as in the cut
// files.
std::string PlanCsv(const JobCuttingPlan& plan, PlanUnits units);

}  // namespace grill
