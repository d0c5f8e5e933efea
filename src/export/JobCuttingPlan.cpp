#include "export/JobCuttingPlan.h"

#include <utility>

#include "cutplan/CuttingPlanner.h"

namespace grill {
namespace {

cutplan::SawSettings SawSettingsOf(const SawValues& saw) {
  return cutplan::SawSettings{saw.kerf, saw.trimHead, saw.trimTail, saw.minOffcut};
}

PlannedGroup PlanOneGroup(PlanPieceGroup pieces, const StockFile& stock,
                          const cutplan::PlanOptions& options) {
  PlannedGroup planned{pieces.kind, pieces.key, pieces.colors, std::nullopt, {}, stock.saw};
  const std::vector<double>* lengths = stock.LengthsFor(pieces.key);
  if (lengths == nullptr) {
    planned.problem = "No stock in Stock.txt for " + pieces.key;
    return planned;
  }
  cutplan::PieceGroup group{pieces.key + " " + pieces.colors, std::move(pieces.pieces), *lengths};
  try {
    planned.plan = cutplan::PlanGroup(group, options);
  } catch (const cutplan::PlanInputError& error) {
    planned.problem = error.what();
  }
  return planned;
}

}  // namespace

JobCuttingPlan PlanJob(const WindowList& designs, const StockFile& stock,
                       const JobPlanOptions& options) {
  PlanPieces pieces = CollectPlanPieces(designs);
  const cutplan::PlanOptions planOptions{SawSettingsOf(stock.saw), options.timeLimit, options.stop};
  JobCuttingPlan job;
  job.leftOut = std::move(pieces.leftOut);
  const std::size_t groups = pieces.groups.size();
  for (PlanPieceGroup& group : pieces.groups) {
    if (options.progress) {
      options.progress(job.groups.size(), groups);
    }
    job.groups.push_back(PlanOneGroup(std::move(group), stock, planOptions));
  }
  if (options.progress) {
    options.progress(groups, groups);
  }
  return job;
}

}  // namespace grill
