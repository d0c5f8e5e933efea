#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "config/ConfigRecords.h"
#include "model/Units.h"
#include "platform/Files.h"
#include "print/LabelSheets.h"
#include "print/PageItems.h"

namespace grill {

// The piece labels of a job file's cutting plan, for printing without the
// dialog: the job planned as Cutting Plan... plans it, lengths in the job's
// unit and the cut files'.
struct JobFileLabels {
  std::vector<print::Page> pages;
  // Why there are no labels; empty on success.
  std::string error;
  // What the labels leave out, and why: one line each (missing names,
  // designs left out of the plan, groups without a plan, notes on Stock.txt).
  std::vector<std::string> warnings;
};

// `stockPath` is the Stock.txt to plan from, `exportUnit` the configuration's
// unit of the cut files (EXPORTUNIT), the job's own when it sets none.
JobFileLabels LabelJobFile(Files& files, const Configuration& config, const std::string& stockPath,
                           std::optional<Unit> exportUnit, const std::string& jobPath,
                           print::LabelSheet sheet,
                           std::chrono::duration<double> timeLimit = std::chrono::seconds(1));

}  // namespace grill
