#pragma once

#include <functional>
#include <string>
#include <utility>

#include "export/OutputFile.h"
#include "export/RunPlan.h"
#include "export/SawFormat.h"
#include "export/StagedRun.h"
#include "platform/Files.h"

namespace grill {

// How the export of a design, or a whole run, ended.
struct ExportOutcome {
  // kDeclined: the user chose not to send a job's files again; nothing was touched.
  enum class End { kCompleted, kRefused, kFileError, kCancelled, kDeclined };
  End end = End::kCompleted;
  std::string message;  // the refusal or the file error

  bool Completed() const { return end == End::kCompleted; }

  static ExportOutcome FileError(std::string message) {
    return ExportOutcome{End::kFileError, std::move(message)};
  }
};

// Where a run writes, shared by every design it exports.
struct ExportTarget {
  // Where the run's files are written until the run has completed.
  StagedRun& stage;
  OutputFile& edgeMaster;
  OutputFile& barMaster;
  const SawFormat& format;
  CutUnit unit = CutUnit::kMillimetres;
  // Asked before each unit of a design's quantity; false cancels the run.
  std::function<bool()> beforeUnit;
};

// Writes the cut list of the job's design in the target's format: one block of
// lines per unit of its quantity, to the run's master files and to the design's own files, which
// are opened in the run's stage under the job's file names and closed again
// on every way out: the first design to open a file starts it, later ones
// append. A file error or a cancel ends the export.
ExportOutcome ExportWindow(const ExportJob& job, ExportTarget& target);

// The bytes ExportWindow writes for the job in `format`, into its own files and the
// master files together, with lengths in `unit`. Needs a job CheckRun accepted.
std::int64_t ExportedBytes(const ExportJob& job, const SawFormat& format, CutUnit unit);

}  // namespace grill
