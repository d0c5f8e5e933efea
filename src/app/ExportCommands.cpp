#include "app/ExportCommands.h"

#include <memory>
#include <string_view>

#include "export/ExportRun.h"
#include "export/ExportSettings.h"
#include "export/JobFolder.h"
#include "model/Measurements.h"
#include "platform/ControlIds.h"

namespace grill {
namespace {

// The quantity and colours of the dialog as far as they could be read, and
// the message that stops Process Data at the first one that could not.
struct SettingsReading {
  ExportSettings settings;
  std::string refusal;
};

// Reads the Quantity edit, then the colour combos, stopping at the first
// refusal; an empty Quantity edit means 1 and is filled in.
SettingsReading ReadExportSettings(const Configuration& config, Controls& controls) {
  SettingsReading reading;
  const std::string quantityText = controls.Text(kQuantityEdit);
  if (quantityText.empty()) {
    reading.settings.quantity = 1;
    controls.SetText(kQuantityEdit, "1");
  } else {
    int ok = 0;
    // The typed value is kept even when it is refused. A quantity below 1
    // would write empty files.
    reading.settings.quantity = ParseInteger(quantityText, ok);
    if (ok == 0 || *reading.settings.quantity < 1) {
      reading.refusal = "Invalid quantity";
      return reading;
    }
    // Far too many is refused without being kept: the design stays as it was.
    if (*reading.settings.quantity > kMaxQuantity) {
      reading.settings.quantity.reset();
      reading.refusal = "Invalid quantity";
      return reading;
    }
  }
  reading.settings.insideColor = config.FindColor(controls.Text(kInsideColorCombo));
  if (reading.settings.insideColor == nullptr) {
    reading.refusal = "Invalid Inside Color";
    return reading;
  }
  reading.settings.outsideColor = config.FindColor(controls.Text(kOutsideColorCombo));
  if (reading.settings.outsideColor == nullptr) {
    reading.refusal = "Invalid Outside Color";
  }
  return reading;
}

// The one change Process Data makes to a design: what the dialog says of its
// quantity and colours, stored before the run reads the design.
// Committed only when it changes the design, so that an export run that
// merely reads makes no step of change.
void StoreExportSettings(DesignerState& state, const ExportSettings& settings) {
  const GrillWindow& current = *state.document.Current();
  GrillWindow stored = WithExportSettings(current, settings);
  if (stored.quantity == current.quantity && stored.insideColor == current.insideColor &&
      stored.outsideColor == current.outsideColor) {
    return;
  }
  state.document.Commit(
      ReplaceCurrentDesign(state.document, "Quantity and Colors", std::move(stored)));
}

// Runs `plan` with a progress dialog named `title` and reports how it ended.
void RunAndReport(RunPlan plan, std::string_view title, Controls& controls,
                  ExportServices& services, std::optional<JobFolderRun> jobFolder = std::nullopt) {
  // The progress dialog starts with the first unit, once the run has passed
  // its checks and created its files.
  std::unique_ptr<ProgressMonitor> progress;
  bool reporting = true;
  RunTarget target{services.files, services.folder,
                   [&](std::int64_t done, std::int64_t total) {
                     if (reporting && !progress) {
                       progress = services.host.StartProgress(title);
                       reporting = progress != nullptr;
                     }
                     return !reporting || progress->Update(done, total);
                   },
                   std::move(jobFolder)};
  const ExportOutcome outcome = RunExport(std::move(plan), target);
  // The progress dialog goes before the result is shown: left up, it would cover the
  // message and ask the user to cancel a run that has ended.
  progress.reset();
  switch (outcome.end) {
    case ExportOutcome::End::kRefused:
    case ExportOutcome::End::kFileError:
      controls.ShowMessage(outcome.message);
      break;
    case ExportOutcome::End::kCancelled:
      controls.ShowMessage("Export Cancelled");
      break;
    case ExportOutcome::End::kDeclined:
      break;
    case ExportOutcome::End::kCompleted:
      controls.ShowMessage("Files Exported to " + RunFolder(target));
      break;
  }
}

// The job's own folder for a run named `masterName`: the job file's name, or the run's
// master name while the job has no file, as a shop names an order before saving it.
JobFolderRun JobFolderOf(const ExportServices& services, const std::string& masterName) {
  JobFolderRun job;
  job.jobName = JobFolderName(services.jobPath, masterName);
  job.date = FormatDate(services.clock.Now());
  job.sendAgain = [&host = services.host, name = job.jobName](const std::string& date) {
    return host.AskYesNo(name + " was sent to the saw on " + date + ". Send again?");
  };
  return job;
}

}  // namespace

CutUnit ExportUnitOf(const DesignerState& state) {
  const Unit unit = state.exportUnit.value_or(state.document.DisplayUnit());
  return unit == Unit::Millimetres ? CutUnit::kMillimetres : CutUnit::kInches;
}

void ProcessData(DesignerState& state, Controls& controls, ExportServices& services) {
  if (state.document.Current() == nullptr) {
    return;
  }
  const BarType* barType = state.config.FindBarType(controls.Text(kBarTypeCombo));
  if (barType == nullptr) {
    return;
  }
  const EdgeType* edgeType = state.config.FindEdgeType(controls.Text(kEdgeTypeCombo));
  if (edgeType == nullptr) {
    return;
  }
  const SettingsReading reading = ReadExportSettings(state.config, controls);
  StoreExportSettings(state, reading.settings);
  if (!reading.refusal.empty()) {
    controls.ShowMessage(reading.refusal);
    return;
  }

  const GrillWindow& window = *state.document.Current();
  RunPlan plan;
  plan.kind = RunKind::kProcessData;
  plan.masterName = state.document.MasterFile();
  if (plan.masterName.empty()) {
    plan.masterName = window.name;
  }
  plan.stamp = FormatTimeStamp(services.clock.Now());
  plan.unit = ExportUnitOf(state);
  plan.messageUnit = state.document.DisplayUnit();
  plan.jobs.push_back(ExportJob{&window, barType, edgeType, {}});
  RunAndReport(std::move(plan), "Process Data", controls, services);
}

void ProcessAll(DesignerState& state, Controls& controls, ExportServices& services) {
  RunPlan plan;
  plan.kind = RunKind::kProcessAll;
  plan.masterName = state.document.MasterFile();
  if (plan.masterName.empty()) {
    if (state.document.Designs().empty()) {
      return;
    }
    plan.masterName = state.document.Designs().front().name;
  }
  plan.stamp = FormatTimeStamp(services.clock.Now());
  plan.unit = ExportUnitOf(state);
  plan.messageUnit = state.document.DisplayUnit();
  for (const GrillWindow& window : state.document.Designs()) {
    plan.jobs.push_back(ExportJob{&window, window.barType, window.edgeType, {}});
  }
  std::optional<JobFolderRun> jobFolder;
  if (services.layout == ExportLayout::kFolderPerJob) {
    jobFolder = JobFolderOf(services, plan.masterName);
  }
  RunAndReport(std::move(plan), "Process All", controls, services, std::move(jobFolder));
}

}  // namespace grill
