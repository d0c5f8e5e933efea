#pragma once

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "config/StockFile.h"
#include "cutting/CutBar.h"
#include "cutting/JobCuttingPlan.h"
#include "cutting/PlanFigures.h"
#include "editing/DesignerState.h"
#include "model/WindowList.h"
#include "platform/Files.h"

namespace grill {

// What planning the job takes, copied from the designer so that the plan can
// be made on another thread while the user waits.
struct CuttingPlanRequest {
  WindowList designs;
  StockFile stock;
  // The job's unit and the cut files' unit.
  PlanUnits units;
  // What reading Stock.txt noted, as the plan shows it.
  std::vector<std::string> stockNotes;
  // The remnants and bars on hand beside it, and what reading them noted.
  Inventory inventory = {};
  std::vector<std::string> inventoryNotes = {};
  std::string stockPath = {};
  std::string inventoryPath = {};
};

// The request, or the message that there is no plan to make.
struct PreparedCuttingPlan {
  std::optional<CuttingPlanRequest> request;
  std::string message;  // "No Stock.txt: …" when the file is missing
};

// Reads Stock.txt beside the configuration file `configPath` (notes on its
// malformed lines go to `log`, each led by "Stock.txt: ", and into the
// request, at most kShownConfigMessages of them and how many more), and the
// inventory beside it (its notes led by "Inventory.txt: "), and takes the
// job's designs.
PreparedCuttingPlan PrepareCuttingPlan(const DesignerState& state, Files& files,
                                       const std::string& configPath, std::ostream& log);

// Plans every design of the request the export would take, leaving out and
// listing the others, with the request's Stock.txt notes. Touches nothing but
// the request: safe on any thread.
JobCuttingPlan PlanRequest(const CuttingPlanRequest& request, const JobPlanOptions& options);

// The cutting plan of the job, or the message that there is none.
struct CuttingPlanOutcome {
  std::optional<JobCuttingPlan> plan;
  PlanUnits units;  // the job's unit and the cut files' unit
  std::string message;
};

// Prepares and plans at once.
CuttingPlanOutcome PlanCurrentJob(
    const DesignerState& state, Files& files, const std::string& configPath, std::ostream& log,
    std::chrono::duration<double> timeLimit = std::chrono::seconds(1));

}  // namespace grill
