#pragma once

#include <chrono>
#include <optional>
#include <ostream>
#include <string>

#include "editing/DesignerState.h"
#include "export/CuttingPlanView.h"
#include "platform/Files.h"

namespace grill {

// The cutting plan of the job, or the message that there is none.
struct CuttingPlanOutcome {
  std::optional<CuttingPlanText> plan;
  std::string message;  // "No Stock.txt: …" when the file is missing
};

// Reads Stock.txt beside the configuration file `configPath` (notes on its
// malformed lines go to `log`, each led by "Stock.txt: ") and plans every
// design of the job, lengths in the unit the cut files are written in.
CuttingPlanOutcome PlanCurrentJob(
    const DesignerState& state, Files& files, const std::string& configPath, std::ostream& log,
    std::chrono::duration<double> timeLimit = std::chrono::seconds(1));

}  // namespace grill
