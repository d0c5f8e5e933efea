#include "app/CuttingPlanCommand.h"

#include "app/ExportCommands.h"
#include "config/StockFile.h"
#include "export/JobCuttingPlan.h"

namespace grill {

CuttingPlanOutcome PlanCurrentJob(const DesignerState& state, Files& files,
                                  const std::string& configPath, std::ostream& log,
                                  std::chrono::duration<double> timeLimit) {
  const std::string stockPath = StockPathBeside(configPath);
  const StockReading reading = ReadStockFile(files, stockPath);
  for (const std::string& note : reading.notes) {
    log << kStockFileName << ": " << note << '\n';
  }
  if (!reading.file) {
    return {std::nullopt, "No Stock.txt: " + stockPath +
                              " was not found, so there is no cutting plan. It lists the stock "
                              "lengths per bar type code and edge type name."};
  }
  // In the unit of the cut files.
  return {DescribePlan(PlanJob(state.document.Designs(), *reading.file, timeLimit),
                       ExportUnitOf(state)),
          {}};
}

}  // namespace grill
