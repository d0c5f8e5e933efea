#include "cutting/JobCuttingPlan.h"

#include <utility>

#include "cutplan/CuttingPlanner.h"

namespace grill {
namespace {

cutplan::SawSettings SawSettingsOf(const SawValues& saw) {
  return cutplan::SawSettings{saw.kerf, saw.trimHead, saw.trimTail, saw.minOffcut};
}

}  // namespace

JobCuttingPlan PlanJob(const WindowList& designs, const StockFile& stock,
                       const DesignRefusal& refusal, const JobPlanOptions& options) {
  PlanPieces pieces = CollectPlanPieces(designs, refusal);
  const cutplan::PlanOptions planOptions{SawSettingsOf(stock.saw), options.timeLimit, options.stop};
  JobCuttingPlan job;
  job.leftOut = std::move(pieces.leftOut);
  // The groups with stock are planned together, side by side on the processor's cores;
  // a group without stock says so in its place.
  std::vector<cutplan::PieceGroup> plannable;
  for (PlanPieceGroup& group : pieces.groups) {
    PlannedGroup& planned = job.groups.emplace_back(
        PlannedGroup{group.kind, group.key, group.colors, std::nullopt, {}, stock.saw});
    if (const std::vector<StockItem>* lengths = stock.LengthsFor(group.key)) {
      std::vector<cutplan::StockLength> offered;
      for (const StockItem& item : *lengths) {
        offered.emplace_back(item.length, item.onHand, item.price);
      }
      plannable.push_back({group.key + " " + group.colors, std::move(group.pieces), offered});
    } else {
      planned.problem = "No stock in Stock.txt for " + group.key;
    }
  }
  // Groups without stock count as planned from the start.
  const std::size_t unplannable = job.groups.size() - plannable.size();
  cutplan::PlanProgress progress;
  if (options.progress) {
    progress = [&](std::size_t planned, std::size_t) {
      options.progress(unplannable + planned, job.groups.size());
    };
  }
  std::vector<cutplan::GroupOutcome> outcomes =
      cutplan::PlanEachGroup(plannable, planOptions, progress);
  auto outcome = outcomes.begin();
  for (PlannedGroup& planned : job.groups) {
    if (planned.problem.empty()) {
      planned.plan = std::move(outcome->plan);
      planned.problem = std::move(outcome->problem);
      ++outcome;
    }
  }
  return job;
}

}  // namespace grill
