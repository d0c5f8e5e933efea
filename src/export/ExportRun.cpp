#include "export/ExportRun.h"

#include <memory>

#include "export/ExportChecks.h"

namespace grill {
namespace {

std::int64_t TotalUnits(const RunPlan& plan) {
  std::int64_t total = 0;
  for (const ExportJob& job : plan.jobs) {
    total += job.window->quantity > 0 ? job.window->quantity : 0;
  }
  return total;
}

std::unique_ptr<OutputFile> CreateMaster(Files& files, const std::string& path,
                                         std::string& error) {
  std::string reason;
  std::unique_ptr<WritableFile> file = files.CreateForWrite(path, reason);
  if (!file) {
    error = FileErrorMessage(path, reason);
    return nullptr;
  }
  return std::make_unique<OutputFile>(std::move(file));
}

ExportOutcome ExportDesigns(const RunPlan& plan, const RunTarget& where, OutputFile& edgeMaster,
                            OutputFile& barMaster) {
  const std::int64_t total = TotalUnits(plan);
  std::int64_t done = 0;
  ExportTarget target{where.files, where.folder, edgeMaster, barMaster, plan.unit, {}};
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

}  // namespace

ExportOutcome RunExport(RunPlan plan, const RunTarget& target) {
  if (std::string refusal = CheckRun(plan); !refusal.empty()) {
    return ExportOutcome{ExportOutcome::End::kRefused, std::move(refusal)};
  }
  NameRunFiles(plan);

  Files& files = target.files;
  std::string error;
  if (!files.CreateFolders(target.folder, error)) {
    return ExportOutcome{ExportOutcome::End::kFileError, FileErrorMessage(target.folder, error)};
  }
  std::unique_ptr<OutputFile> edgeMaster = CreateMaster(
      files, files.Join(target.folder, EdgeMasterFileName(plan.masterName, plan.stamp)), error);
  std::unique_ptr<OutputFile> barMaster;
  if (edgeMaster) {
    barMaster = CreateMaster(
        files, files.Join(target.folder, BarMasterFileName(plan.masterName, plan.stamp)), error);
  }
  if (!barMaster) {
    if (edgeMaster) {
      edgeMaster->Close();
    }
    return ExportOutcome{ExportOutcome::End::kFileError, error};
  }

  ExportOutcome outcome = ExportDesigns(plan, target, *edgeMaster, *barMaster);
  for (OutputFile* master : {edgeMaster.get(), barMaster.get()}) {
    if (!master->Close() && outcome.end != ExportOutcome::End::kFileError) {
      outcome = ExportOutcome{ExportOutcome::End::kFileError, master->FileError()};
    }
  }
  return outcome;
}

}  // namespace grill
