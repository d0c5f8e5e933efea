#pragma once

#include <functional>
#include <string>

#include "config/ConfigRecords.h"
#include "export/OutputFile.h"
#include "model/GrillWindow.h"
#include "platform/Files.h"

namespace grill {

// Where a run writes, shared by every design it exports.
struct ExportTarget {
  Files& files;
  std::string folder;
  OutputFile& edgeMaster;
  OutputFile& barMaster;
  int exportInMillimetres = 1;  // 0 writes lengths in inches
  // Asked before each unit of a design's quantity; false stops the run.
  std::function<bool()> beforeUnit;
};

// How the export of a design, or a whole run, ended.
struct ExportOutcome {
  enum class End { kCompleted, kFileError, kCancelled };
  End end = End::kCompleted;
  std::string fileError;  // the report of a file error

  bool Completed() const { return end == End::kCompleted; }
};

// Writes the cut list of `window` (see BuildCutList for the roles of the two
// types): one block of lines per unit of its quantity, to the run's master
// files and to the design's own files, which are opened for appending under
// the names the run set on the design and closed again on every way out.
// A file error or a cancel ends the export; what was written stays.
ExportOutcome ExportWindow(const GrillWindow& window, const BarType& barType,
                           const EdgeType& edgeType, ExportTarget& target);

}  // namespace grill
