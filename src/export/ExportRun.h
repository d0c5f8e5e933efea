#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "export/ExportWindow.h"
#include "export/RunPlan.h"
#include "platform/Files.h"

namespace grill {

// Told the units done and the units in all before each unit is written;
// false asks the run to stop.
using RunProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

// A run into the job's own folder inside the export folder, which holds that job's
// latest run and nothing else of the run's kind.
struct JobFolderRun {
  std::string jobName;  // the folder's name
  std::string date;     // today, "YYYY-MM-DD", recorded with the run
  // Asked, once the run has passed its checks, when the folder holds an earlier run,
  // with that run's day; false ends the run before any file is touched. Empty: yes.
  std::function<bool(const std::string& earlierDate)> sendAgain;
};

// Where a run writes and whom it tells how far it is.
struct RunTarget {
  Files& files;
  std::string folder;
  RunProgress progress;  // may be empty
  std::optional<JobFolderRun> jobFolder;
};

// The folder the target's files go to: its job's folder when it has one.
std::string RunFolder(const RunTarget& target);

// Runs `plan`: checks it and the size of its files (a refusal creates no
// file), names its files, creates the folder with its parents and the two
// master files, exports the designs in order until one does not complete, and
// closes the master files on every way out. All or nothing: the files are
// written aside and take their final names only when every one is complete, so
// a failed or cancelled run leaves the files already there as they were. The
// designs are only read.
// Into a job folder, the run replaces the earlier run there as one unit: its files, and
// those of the earlier run it does not make again, change together, with a record of the
// new set and its day; a name that would lead out of the export folder, or a link in place
// of the job folder, is refused before any file is made.
ExportOutcome RunExport(RunPlan plan, const RunTarget& target);

}  // namespace grill
