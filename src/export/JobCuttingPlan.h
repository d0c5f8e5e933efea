#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "config/StockFile.h"
#include "cutplan/CuttingJob.h"
#include "export/PlanPieces.h"
#include "model/WindowList.h"

namespace grill {

// One group's plan, or why it has none: no stock given for its key, or a
// piece the planner refuses (longer than every stock length, say).
struct PlannedGroup {
  StockKind kind = StockKind::kBar;
  std::string key;
  std::string colors;
  std::optional<cutplan::GroupPlan> plan;
  std::string problem;
  // The saw's allowances the plan was made with.
  SawValues saw;
};

struct JobCuttingPlan {
  std::vector<PlannedGroup> groups;
  std::vector<LeftOutDesign> leftOut;
};

// Plans every group of the designs' pieces (CollectPlanPieces) from the
// stock and saw of `stock`, each group for at most `timeLimit` of processor
// time.
JobCuttingPlan PlanJob(const WindowList& designs, const StockFile& stock,
                       std::chrono::duration<double> timeLimit = std::chrono::seconds(1));

}  // namespace grill
