#include "export/ExportRun.h"

#include <memory>

#include "export/ExportChecks.h"
#include "export/JobFolder.h"
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

ExportOutcome Refused(std::string message) {
  return ExportOutcome{ExportOutcome::End::kRefused, std::move(message)};
}

// The job folder's name and what is at its place, checked before any file is made, and
// the earlier run the new one is to replace, when the user wants it replaced.
struct JobFolderCheck {
  std::optional<ExportOutcome> end;
  std::vector<std::string> earlierFiles;
};

JobFolderCheck CheckJobFolder(const RunTarget& target) {
  const JobFolderRun& job = *target.jobFolder;
  if (std::optional<std::string> refusal = JobFolderNameRefusal(job.jobName)) {
    return {Refused(std::move(*refusal)), {}};
  }
  const std::string folder = RunFolder(target);
  if (target.files.Exists(folder) && !target.files.IsFolder(folder)) {
    // Followed, a link would take the files out of the export folder.
    return {ExportOutcome::FileError(FileErrorMessage(folder, "Not a directory")), {}};
  }
  std::optional<EarlierRun> earlier = FindEarlierRun(target.files, folder);
  if (!earlier) {
    return {};
  }
  if (job.sendAgain && !job.sendAgain(earlier->date)) {
    return {ExportOutcome{ExportOutcome::End::kDeclined, {}}, {}};
  }
  return {std::nullopt, std::move(earlier->files)};
}

// Makes the folder with its parents; a job folder must be a folder itself, in the export
// folder, and not a link that leads elsewhere.
std::optional<std::string> MakeFolder(const RunTarget& target) {
  Files& files = target.files;
  std::string error;
  const std::string folder = RunFolder(target);
  if (!files.CreateFolders(folder, error)) {
    return FileErrorMessage(folder, error);
  }
  if (target.jobFolder && !files.IsFolder(folder)) {
    return FileErrorMessage(folder, "Not a directory");
  }
  return std::nullopt;
}

// Completes a job folder's set: the earlier run's files that this run does not make leave
// with the earlier set, and the record names the new set.
std::optional<std::string> RecordJobRun(const JobFolderRun& job, StagedRun& stage,
                                        const std::vector<std::string>& earlierFiles) {
  for (const std::string& name : earlierFiles) {
    stage.Retire(name);
  }
  const std::string text = RunRecordText(job.date, stage.FileNames());
  std::string error;
  std::unique_ptr<WritableFile> record = stage.Open(std::string(kRunRecordName), error);
  if (!record) {
    return error;
  }
  OutputFile output(std::move(record));
  if (!output.Append(text) || !output.Close()) {
    return output.FileError();
  }
  return std::nullopt;
}

}  // namespace

std::string RunFolder(const RunTarget& target) {
  return target.jobFolder ? target.files.Join(target.folder, target.jobFolder->jobName)
                          : target.folder;
}

ExportOutcome RunExport(RunPlan plan, const RunTarget& target) {
  if (std::string refusal = CheckRun(plan); !refusal.empty()) {
    return Refused(std::move(refusal));
  }
  if (std::string refusal = CheckRunSize(plan); !refusal.empty()) {
    return Refused(std::move(refusal));
  }
  JobFolderCheck jobFolder;
  if (target.jobFolder) {
    jobFolder = CheckJobFolder(target);
    if (jobFolder.end) {
      return std::move(*jobFolder.end);
    }
  }
  NameRunFiles(plan);

  if (std::optional<std::string> error = MakeFolder(target)) {
    return ExportOutcome::FileError(std::move(*error));
  }
  // Every file of the run is written aside; the earlier run's files stay as they are until
  // the whole run has been written, and for good when it has not.
  StagedRun stage(target.files, RunFolder(target));
  std::string error;
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
    return ExportOutcome::FileError(error);
  }

  ExportOutcome outcome = ExportDesigns(plan, target, stage, *edgeMaster, *barMaster);
  for (OutputFile* master : {edgeMaster.get(), barMaster.get()}) {
    if (!master->Close() && outcome.end != ExportOutcome::End::kFileError) {
      outcome = ExportOutcome::FileError(master->FileError());
    }
  }
  if (outcome.Completed() && target.jobFolder) {
    if (std::optional<std::string> recordError =
            RecordJobRun(*target.jobFolder, stage, jobFolder.earlierFiles)) {
      outcome = ExportOutcome::FileError(std::move(*recordError));
    }
  }
  if (!outcome.Completed()) {
    stage.Discard();
    return outcome;
  }
  if (std::optional<std::string> publishError = stage.Publish()) {
    return ExportOutcome::FileError(std::move(*publishError));
  }
  return outcome;
}

}  // namespace grill
