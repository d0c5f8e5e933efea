#include "export/ProcessRuns.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "export/ExportChecks.h"
#include "export/ExportFileNames.h"
#include "export/ExportWindow.h"
#include "export/OutputFile.h"
#include "model/Measurements.h"
#include "platform/ControlIds.h"

namespace grill {
namespace {

// Sets the names a design's export writes under.
void AssignFileNames(GrillWindow& window, const DesignFileNames& names) {
  window.edgeFileName = names.edge;
  window.barFileNameH = names.barH;
  if (names.hasBarW) {
    window.barFileNameW = names.barW;
  }
}

// Process All: every design takes the file names of the first design that
// shares its edge type, and likewise its bar files with its colours and bar
// type, so that one group's designs append to one file in list order.
void ShareFileNames(WindowList& windows) {
  std::vector<const GrillWindow*> firstOfEdgeGroup;
  std::vector<const GrillWindow*> firstOfBarGroup;
  for (GrillWindow& window : windows) {
    const auto sameEdge = [&window](const GrillWindow* first) {
      return first->edgeType == window.edgeType;
    };
    const auto sameBars = [&window](const GrillWindow* first) {
      return first->insideColor == window.insideColor &&
             first->outsideColor == window.outsideColor && first->barType == window.barType;
    };
    const auto edgeGroup = std::find_if(firstOfEdgeGroup.begin(), firstOfEdgeGroup.end(), sameEdge);
    if (edgeGroup == firstOfEdgeGroup.end()) {
      firstOfEdgeGroup.push_back(&window);
    } else {
      window.edgeFileName = (*edgeGroup)->edgeFileName;
    }
    const auto barGroup = std::find_if(firstOfBarGroup.begin(), firstOfBarGroup.end(), sameBars);
    if (barGroup == firstOfBarGroup.end()) {
      firstOfBarGroup.push_back(&window);
    } else {
      window.barFileNameH = (*barGroup)->barFileNameH;
      window.barFileNameW = (*barGroup)->barFileNameW;
    }
  }
}

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

// Sets every design's time stamp and file names before it is exported.
void NameDesignFiles(const RunPlan& plan, DesignerState& state) {
  for (const ExportJob& job : plan.jobs) {
    job.window->timeStamp = plan.stamp;
    AssignFileNames(*job.window, MakeDesignFileNames(*job.window, plan.stamp, plan.kind));
  }
  if (plan.kind == RunKind::kProcessAll) {
    ShareFileNames(state.document.ExportRecords());
  }
}

// Exports the designs in order until one does not complete, reporting
// every unit to the progress dialog, which may cancel the run.
ExportOutcome ExportDesigns(const RunPlan& plan, ExportTarget& target, DialogHost& host) {
  const std::unique_ptr<ProgressMonitor> progress =
      host.StartProgress(plan.kind == RunKind::kProcessData ? "Process Data" : "Process All");
  const std::int64_t total = TotalUnits(plan);
  std::int64_t done = 0;
  target.beforeUnit = [&] { return progress == nullptr || progress->Update(done++, total); };
  ExportOutcome outcome;
  for (const ExportJob& job : plan.jobs) {
    outcome = ExportWindow(*job.window, *job.barType, *job.edgeType, target);
    if (!outcome.Completed()) {
      break;
    }
  }
  // The question refers to this function's progress dialog.
  target.beforeUnit = nullptr;
  return outcome;
}

void ShowOutcome(const ExportOutcome& outcome, const std::string& folder, Controls& controls) {
  switch (outcome.end) {
    case ExportOutcome::End::kFileError:
      controls.ShowMessage(outcome.fileError);
      break;
    case ExportOutcome::End::kCancelled:
      controls.ShowMessage("Export Cancelled");
      break;
    case ExportOutcome::End::kCompleted:
      controls.ShowMessage("Files Exported to " + folder);
      break;
  }
}

// Runs a checked plan: creates the folder and the master files, exports the
// designs and closes the master files on every way out, then reports.
void ExecuteRun(const RunPlan& plan, DesignerState& state, Controls& controls,
                ExportServices& services) {
  Files& files = services.files;
  files.CreateFolders(services.folder);  // a failure shows at the first file creation

  std::string error;
  std::unique_ptr<OutputFile> edgeMaster = CreateMaster(
      files, files.Join(services.folder, EdgeMasterFileName(plan.masterName, plan.stamp)), error);
  std::unique_ptr<OutputFile> barMaster;
  if (edgeMaster) {
    barMaster = CreateMaster(
        files, files.Join(services.folder, BarMasterFileName(plan.masterName, plan.stamp)), error);
  }
  if (!barMaster) {
    if (edgeMaster) {
      edgeMaster->Close();
    }
    controls.ShowMessage(error);
    return;
  }

  NameDesignFiles(plan, state);
  ExportTarget target{files,
                      services.folder,
                      *edgeMaster,
                      *barMaster,
                      state.document.DisplayUnit() == Unit::Millimetres ? 1 : 0,
                      {},
                      {}};
  ExportOutcome outcome = ExportDesigns(plan, target, services.host);
  for (OutputFile* master : {edgeMaster.get(), barMaster.get()}) {
    if (!master->Close() && outcome.end != ExportOutcome::End::kFileError) {
      outcome = ExportOutcome{ExportOutcome::End::kFileError, master->FileError()};
    }
  }
  ShowOutcome(outcome, services.folder, controls);
}

void CheckAndRun(const RunPlan& plan, DesignerState& state, Controls& controls,
                 ExportServices& services) {
  if (const std::string refusal = CheckRun(plan); !refusal.empty()) {
    controls.ShowMessage(refusal);
    return;
  }
  ExecuteRun(plan, state, controls, services);
}

}  // namespace

void ProcessData(DesignerState& state, Controls& controls, ExportServices& services) {
  const auto current = state.document.Focus().current;
  GrillWindow* window = current ? &state.document.ExportRecords()[*current] : nullptr;
  if (window == nullptr) {
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
  const std::string quantityText = controls.Text(kQuantityEdit);
  if (quantityText.empty()) {
    window->quantity = 1;
    controls.SetText(kQuantityEdit, "1");
  } else {
    int ok = 0;
    window->quantity = ParseInteger(quantityText, ok);
    if (ok == 0) {
      controls.ShowMessage("Invalid quantity");
      return;
    }
  }
  const ColorEntry* inside = state.config.FindColor(controls.Text(kInsideColorCombo));
  if (inside == nullptr) {
    controls.ShowMessage("Invalid Inside Color");
    return;
  }
  window->insideColor = inside;
  const ColorEntry* outside = state.config.FindColor(controls.Text(kOutsideColorCombo));
  if (outside == nullptr) {
    controls.ShowMessage("Invalid Outside Color");
    return;
  }
  window->outsideColor = outside;

  RunPlan plan;
  plan.kind = RunKind::kProcessData;
  plan.masterName = controls.Text(kMasterFileEdit);
  if (plan.masterName.empty()) {
    plan.masterName = window->name;
  }
  plan.stamp = FormatTimeStamp(services.clock.Now());
  plan.jobs.push_back(ExportJob{window, barType, edgeType});
  CheckAndRun(plan, state, controls, services);
}

void ProcessAll(DesignerState& state, Controls& controls, ExportServices& services) {
  RunPlan plan;
  plan.kind = RunKind::kProcessAll;
  plan.masterName = controls.Text(kMasterFileEdit);
  if (plan.masterName.empty()) {
    if (state.document.Designs().empty()) {
      return;
    }
    plan.masterName = state.document.Designs().front().name;
  }
  plan.stamp = FormatTimeStamp(services.clock.Now());
  for (GrillWindow& window : state.document.ExportRecords()) {
    plan.jobs.push_back(ExportJob{&window, window.barType, window.edgeType});
  }
  CheckAndRun(plan, state, controls, services);
}

}  // namespace grill
