#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "export/ExportWindow.h"
#include "export/RunPlan.h"
#include "platform/Files.h"

namespace grill {

// Told the units done and the units in all before each unit is written;
// false asks the run to stop.
using RunProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

// Where a run writes and whom it tells how far it is.
struct RunTarget {
  Files& files;
  std::string folder;
  RunProgress progress;  // may be empty
};

// Runs `plan`: checks it and the size of its files (a refusal creates no
// file), names its files, creates the folder with its parents and the two
// master files, exports the designs in order until one does not complete, and
// closes the master files on every way out. All or nothing: the files are
// written aside and take their final names only when every one is complete, so
// a failed or cancelled run leaves the files already there as they were. The
// designs are only read.
ExportOutcome RunExport(RunPlan plan, const RunTarget& target);

}  // namespace grill
