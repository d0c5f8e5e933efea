#include "export/ExportRun.h"

#include <memory>

#include "export/ExportChecks.h"
#include "export/StagedRun.h"
#include "model/Measurements.h"

namespace grill {
namespace {

// A run never writes more than this in all: beyond it lies a slip of the keyboard, and a
// disk filling up while the designer looks hung.
constexpr std::int64_t kMaxRunBytes = std::int64_t{1} << 30;
constexpr double kBytesPerMebibyte = 1024.0 * 1024.0;

std::int64_t TotalUnits(const RunPlan& plan) {
  std::int64_t total = 0;
  for (const ExportJob& job : plan.jobs) {
    total += job.window->quantity > 0 ? job.window->quantity : 0;
  }
  return total;
}

std::string CheckRunSize(const RunPlan& plan) {
  std::int64_t bytes = 0;
  for (const ExportJob& job : plan.jobs) {
    bytes += ExportedBytes(job, *plan.format, plan.unit);
  }
  if (bytes <= kMaxRunBytes) {
    return {};
  }
  return "Export Too Large: the cut files would take " +
         FormatFixed(static_cast<double>(bytes) / kBytesPerMebibyte, 1) + " MiB, at most " +
         FormatFixed(static_cast<double>(kMaxRunBytes) / kBytesPerMebibyte, 0) + " MiB";
}

std::unique_ptr<OutputFile> OpenMaster(StagedRun& stage, const std::string& name,
                                       std::string& error) {
  std::unique_ptr<WritableFile> file = stage.Open(name, error);
  return file ? std::make_unique<OutputFile>(std::move(file)) : nullptr;
}

ExportOutcome ExportDesigns(const RunPlan& plan, const RunTarget& where, StagedRun& stage,
                            OutputFile& edgeMaster, OutputFile& barMaster) {
  const std::int64_t total = TotalUnits(plan);
  std::int64_t done = 0;
  ExportTarget target{stage, edgeMaster, barMaster, *plan.format, plan.unit, {}};
  if (where.progress) {
    target.beforeUnit = [&] { return where.progress(done++, total); };
  }
  ExportOutcome outcome;
  for (const ExportJob& job : plan.jobs) {
    outcome = ExportWindow(job, target);
    if (!outcome.Completed()) {
      break;
    }
  }
  return outcome;
}

ExportOutcome FileError(std::string message) {
  return ExportOutcome{ExportOutcome::End::kFileError, std::move(message)};
}

}  // namespace

ExportOutcome RunExport(RunPlan plan, const RunTarget& target) {
  if (std::string refusal = CheckRun(plan); !refusal.empty()) {
    return ExportOutcome{ExportOutcome::End::kRefused, std::move(refusal)};
  }
  if (std::string refusal = CheckRunSize(plan); !refusal.empty()) {
    return ExportOutcome{ExportOutcome::End::kRefused, std::move(refusal)};
  }
  NameRunFiles(plan);

  Files& files = target.files;
  std::string error;
  if (!files.CreateFolders(target.folder, error)) {
    return FileError(FileErrorMessage(target.folder, error));
  }
  // Every file of the run is written aside; the earlier run's files stay as they are until
  // the whole run has been written, and for good when it has not.
  StagedRun stage(files, target.folder);
  std::unique_ptr<OutputFile> edgeMaster =
      OpenMaster(stage, EdgeMasterFileName(plan.masterName, plan.stamp), error);
  std::unique_ptr<OutputFile> barMaster;
  if (edgeMaster) {
    barMaster = OpenMaster(stage, BarMasterFileName(plan.masterName, plan.stamp), error);
  }
  if (!barMaster) {
    if (edgeMaster) {
      edgeMaster->Close();
    }
    return FileError(error);
  }

  ExportOutcome outcome = ExportDesigns(plan, target, stage, *edgeMaster, *barMaster);
  for (OutputFile* master : {edgeMaster.get(), barMaster.get()}) {
    if (!master->Close() && outcome.end != ExportOutcome::End::kFileError) {
      outcome = FileError(master->FileError());
    }
  }
  if (!outcome.Completed()) {
    stage.Discard();
    return outcome;
  }
  if (std::optional<std::string> publishError = stage.Publish()) {
    return FileError(std::move(*publishError));
  }
  return outcome;
}

}  // namespace grill
