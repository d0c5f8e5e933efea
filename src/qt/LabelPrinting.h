#pragma once

#include <string>
#include <vector>

#include "cutting/JobCuttingPlan.h"
#include "cutting/PlanFigures.h"
#include "print/LabelSheets.h"
#include "print/PageItems.h"

class QPrinter;
class QWidget;

namespace grill {

// The sheet of the locale's paper: Letter's in the United States and
// Canada, A4's elsewhere.
print::LabelSheet LocaleLabelSheet();

// Paints label pages on the printer, each page on a sheet of its own size
// (a roll's labels differ from a sheet's), from the sheet's very corner.
void PrintLabelPages(QPrinter& printer, const std::vector<print::Page>& pages);

// Print Labels...: the printer dialog with a tab that chooses the label
// sheet (the locale's paper's sheet first chosen), then a label for every
// piece of `plan` on the chosen printer; a plan without pieces says so.
void PrintLabelsWithDialog(QWidget& parent, const JobCuttingPlan& plan, PlanUnits units,
                           const std::string& jobName);

}  // namespace grill
