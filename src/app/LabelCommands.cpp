#include "app/LabelCommands.h"

#include "app/InventoryFile.h"
#include "app/JobReferences.h"
#include "app/JobSession.h"
#include "config/StockFile.h"
#include "cutting/JobCuttingPlan.h"
#include "cutting/PieceLabels.h"
#include "export/ExportChecks.h"
#include "model/JobFileReader.h"
#include "print/LabelPages.h"

namespace grill {
namespace {

std::string GroupWords(const PlannedGroup& group) {
  return (group.kind == StockKind::kEdge ? "Edge " : "Bar ") + group.key +
         (group.colors.empty() ? "" : ", colours " + group.colors);
}

// Every piece without a label says why, so that none goes missing unnoticed.
void NoteWhatIsLeftOut(const JobCuttingPlan& plan, std::vector<std::string>& warnings) {
  for (const LeftOutDesign& design : plan.leftOut) {
    warnings.push_back("Left out of the plan: " + design.name + ": " + design.reason);
  }
  for (const PlannedGroup& group : plan.groups) {
    if (!group.plan) {
      warnings.push_back("No plan for " + GroupWords(group) + ": " + group.problem);
    }
  }
}

}  // namespace

JobFileLabels LabelJobFile(Files& files, const Configuration& config, const std::string& stockPath,
                           std::optional<Unit> exportUnit, const std::string& jobPath,
                           print::LabelSheet sheet, std::chrono::duration<double> timeLimit) {
  JobFileLabels labels;
  JobFileResult opened = OpenJob(files, jobPath);
  if (!opened.job) {
    labels.error = opened.error;
    return labels;
  }
  const Unit jobUnit = opened.job->unit;
  ResolvedDesigns resolved = ResolveDesigns(config, std::move(opened.job->designs));
  if (!resolved.missing.empty()) {
    labels.warnings.push_back(MissingReferencesMessage(resolved.missing));
  }
  StockReading stock = ReadStockFile(files, stockPath);
  for (const std::string& note : stock.notes) {
    labels.warnings.push_back(std::string(kStockFileName) + ": " + note);
  }
  if (!stock.file) {
    labels.error = "No Stock.txt: " + stockPath +
                   " was not found, so there is no cutting plan to label. It lists the stock "
                   "lengths per bar type code and edge type name.";
    return labels;
  }
  // The labels are those of the plan the window shows: remnants and bars on
  // hand from the inventory beside Stock.txt first.
  InventoryFileReading inventory = ReadInventoryFile(files, InventoryPathBeside(stockPath));
  for (const std::string& note : inventory.notes) {
    labels.warnings.push_back(std::string(kInventoryFileName) + ": " + note);
  }
  JobPlanOptions options;
  options.timeLimit = timeLimit;
  const JobCuttingPlan plan =
      PlanJob(resolved.designs, *stock.file, inventory.inventory, ProcessAllRefusal, options);
  NoteWhatIsLeftOut(plan, labels.warnings);
  const Unit sawUnit = exportUnit.value_or(jobUnit);
  const PlanUnits units{jobUnit,
                        sawUnit == Unit::Millimetres ? CutUnit::kMillimetres : CutUnit::kInches};
  labels.pages = print::BuildLabelPages(PieceLabels(plan, units, JobDisplayName(jobPath)), sheet);
  if (labels.pages.empty()) {
    labels.error = "The cutting plan of " + jobPath + " has no pieces to label.";
  }
  return labels;
}

}  // namespace grill
