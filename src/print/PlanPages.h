#pragma once

#include <vector>

#include "export/CuttingPlanView.h"
#include "print/DrawingSettings.h"
#include "print/PageItems.h"

namespace grill::print {

// The framed block at the top of every cutting plan page: "Cutting Plan",
// the job, the date and the unit of the lengths.
Box PlanTitleBlock(const PaperSize& page);

// The job's cutting plan on numbered portrait pages: the designs left out of
// it, then per group a table of its stock bars (number, stock length, the
// pieces in cutting order, the rest) and its totals, or the reason it has no
// plan. Every number is the plan's own text, in the cut files' unit; of the
// settings only the paper, job name and date count.
std::vector<Page> BuildCuttingPlanPages(const CuttingPlanText& plan,
                                        const DrawingSettings& settings);

}  // namespace grill::print
