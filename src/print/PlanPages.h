#pragma once

#include <string>
#include <vector>

#include "cutting/CutBar.h"
#include "cutting/JobCuttingPlan.h"
#include "cutting/PlanFigures.h"
#include "print/DrawingSettings.h"
#include "print/PageItems.h"

namespace grill::print {

// The framed block at the top of every cutting plan page: "Cutting Plan",
// the job, the date and the unit of the lengths, and the job's details when
// a title block shows them.
Box PlanTitleBlock(const PaperSize& page, const DrawingSettings& settings);

// "Bar GB, colours 01" or "Edge Flat": what a group's table and picture are
// headed with.
std::string PlanGroupTitle(const PlannedGroup& group);

// The job's cutting plan on numbered portrait pages: the designs left out of
// it, then per group a table of its stock bars (number, stock length, the
// pieces in cutting order, the rest) and its totals, or the reason it has no
// plan. Lengths in the job's unit and, where the saw counts in another, in the
// saw's too (FormatPlanLength); of the settings only the paper, job name, date
// and details count.
std::vector<Page> BuildCuttingPlanPages(const JobCuttingPlan& plan, PlanUnits units,
                                        const DrawingSettings& settings);

}  // namespace grill::print
