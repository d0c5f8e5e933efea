#pragma once

#include <functional>
#include <string>
#include <unordered_set>

#include "export/OutputFile.h"
#include "export/RunPlan.h"
#include "platform/Files.h"

namespace grill {

// How the export of a design, or a whole run, ended.
struct ExportOutcome {
  enum class End { kCompleted, kRefused, kFileError, kCancelled };
  End end = End::kCompleted;
  std::string message;  // the refusal or the file error

  bool Completed() const { return end == End::kCompleted; }
};

// Where a run writes, shared by every design it exports.
struct ExportTarget {
  Files& files;
  const std::string& folder;
  OutputFile& edgeMaster;
  OutputFile& barMaster;
  CutUnit unit = CutUnit::kMillimetres;
  // Asked before each unit of a design's quantity; false cancels the run.
  std::function<bool()> beforeUnit;
  // The design files opened so far in the run: the first open of a file
  // replaces one of that name left by an earlier run, later ones append.
  std::unordered_set<std::string> openedInRun;
};

// Writes the cut list of the job's design: one block of lines per unit of its
// quantity, to the run's master files and to the design's own files, which
// are opened under the job's file names (see openedInRun) and closed again
// on every way out. A file error or a cancel ends the export; what was written
// stays.
ExportOutcome ExportWindow(const ExportJob& job, ExportTarget& target);

}  // namespace grill
