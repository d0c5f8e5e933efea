#include "app/CuttingPlanCommand.h"

#include "app/ExportCommands.h"
#include "app/InventoryFile.h"
#include "config/MessageLimit.h"
#include "export/ExportChecks.h"

namespace grill {

PreparedCuttingPlan PrepareCuttingPlan(const DesignerState& state, Files& files,
                                       const std::string& configPath, std::ostream& log) {
  const std::string stockPath = StockPathBeside(configPath);
  StockReading reading = ReadStockFile(files, stockPath);
  for (const std::string& note : reading.notes) {
    log << kStockFileName << ": " << note << '\n';
  }
  if (!reading.file) {
    return {std::nullopt, "No Stock.txt: " + stockPath +
                              " was not found, so there is no cutting plan. It lists the stock "
                              "lengths per bar type code and edge type name."};
  }
  const std::string inventoryPath = InventoryPathBeside(configPath);
  InventoryFileReading inventory = ReadInventoryFile(files, inventoryPath);
  for (const std::string& note : inventory.notes) {
    log << kInventoryFileName << ": " << note << '\n';
  }
  return {CuttingPlanRequest{
              state.document.Designs(), std::move(*reading.file),
              PlanUnits{state.document.DisplayUnit(), ExportUnitOf(state)},
              LimitShownMessages(std::move(reading.notes)), std::move(inventory.inventory),
              LimitShownMessages(std::move(inventory.notes)), stockPath, inventoryPath},
          {}};
}

JobCuttingPlan PlanRequest(const CuttingPlanRequest& request, const JobPlanOptions& options) {
  JobCuttingPlan plan =
      PlanJob(request.designs, request.stock, request.inventory, ProcessAllRefusal, options);
  plan.stockNotes = request.stockNotes;
  plan.inventoryNotes = request.inventoryNotes;
  plan.stockPath = request.stockPath;
  plan.inventoryPath = request.inventoryPath;
  return plan;
}

CuttingPlanOutcome PlanCurrentJob(const DesignerState& state, Files& files,
                                  const std::string& configPath, std::ostream& log,
                                  std::chrono::duration<double> timeLimit) {
  PreparedCuttingPlan prepared = PrepareCuttingPlan(state, files, configPath, log);
  if (!prepared.request) {
    return {std::nullopt, {}, std::move(prepared.message)};
  }
  JobPlanOptions options;
  options.timeLimit = timeLimit;
  return {PlanRequest(*prepared.request, options), prepared.request->units, {}};
}

}  // namespace grill
