#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "app/GrillDesignerDlg.h"
#include "app/MainDialogTemplate.h"
#include "model/JobFileWriter.h"
#include "platform/ControlIds.h"
#include "testing/MemoryControls.h"
#include "testing/MemoryFiles.h"
#include "testing/MemoryHost.h"
#include "testing/MemoryLocks.h"
#include "testing/SettableClock.h"

namespace grill::testing {

// Bar types "G58, 16x20mm" and "Contour, 5/8 x 3/4 i"; edge types "E1"
// (10 and 5 a side) and "Flat"; colours "White" and "Sandstone".
inline constexpr const char* kJobTestConfig =
    "<toolmap>\nG58MAP, 16, H_BOTH=97, V_BOTH=98;\nE1MAP, 10, H_UP=97, V_LEFT=98;\n<\\toolmap>\n"
    "<bartypes>\nG58, 16x20mm, G58MAP, GB;\nContour, 5/8 x 3/4 i, G58MAP, CON;\n<\\bartypes>\n"
    "<edgetypes>\nE1, E1MAP, SH=10, SO=5;\nFlat, E1MAP, WD=3;\n<\\edgetypes>\n"
    "<color>\nWhite, 01;\nSandstone, 07;\n<\\color>\n";

// What runs of the designer share: the files (MenuConfig.txt, job files and
// the state folder) and the locks, so that a second run plays a restart or a
// second designer in the same folder.
struct Machine {
  Machine() { files.contents["MenuConfig.txt"] = kJobTestConfig; }
  MemoryFiles files;
  MemoryLocks locks;
  MemoryRecentJobs recent;
};

// One run of the designer in memory, started, recording its messages and
// questions.
class JobRun {
 public:
  explicit JobRun(Machine& machine, std::string workingFolder = "/work/shop")
      : controls(MainDialogTemplate()),
        dialog(DesignerServices{controls,
                                host,
                                machine.files,
                                clock,
                                "export",
                                "MenuConfig.txt",
                                log,
                                {},
                                "state",
                                std::move(workingFolder),
                                &machine.locks,
                                &machine.recent}) {
    controls.onMessage = [this](const std::string& text) { messages.push_back(text); };
    host.onQuestion = [this](const std::string& text) { questions.push_back(text); };
    dialog.OnInitDialog();
  }

  JobSession& Job() { return dialog.Job(); }
  const DesignDocument& Document() const { return dialog.State().document; }

  // Types a design into the Window Info fields and clicks New.
  void NewDesign(const std::string& name, const std::string& width = "40",
                 const std::string& height = "30", const std::string& vertBars = "2",
                 const std::string& horzBars = "3") {
    controls.SetText(kNameEdit, name);
    controls.SetText(kWidthEdit, width);
    controls.SetText(kHeightEdit, height);
    controls.SetText(kVertBarsEdit, vertBars);
    controls.SetText(kHorzBarsEdit, horzBars);
    dialog.Dispatch(kNewButton, Notification::Clicked);
  }

  // Types into the Master File field, which reports each keystroke.
  void TypeMasterFile(const std::string& text) {
    controls.SetText(kMasterFileEdit, text);
    dialog.Dispatch(kMasterFileEdit, Notification::TextEdited);
  }

  void Click(int id) {
    if (controls.KindOf(id) == ControlKind::RadioButton) {
      controls.ClickRadio(id);
    }
    dialog.Dispatch(id, Notification::Clicked);
  }

  // Types `details` into File > Job Properties... and presses OK; false
  // when the dialog stayed open (and was cancelled).
  bool SetDetails(const JobDetails& details) {
    dialog.OpenJobProperties();
    MemoryControls& fields = *host.ModalControls();
    for (const JobDetail detail : kJobDetails) {
      fields.SetText(DetailControl(detail), details[detail]);
    }
    if (host.ClickModalOk()) {
      return true;
    }
    host.CancelModal();
    return false;
  }

  // Selects the design `name` in the Windows list, as the user does.
  void Select(const std::string& name) {
    controls.SetSelection(kWindowsList, controls.FindEntryExact(kWindowsList, name));
    dialog.Dispatch(kWindowsList, Notification::SelectionChanged);
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const GrillWindow& window : Document().Designs()) {
      names.push_back(window.name);
    }
    return names;
  }

  // The job file this run would save now.
  std::string JobText() const { return FormatJob(JobOf(Document())); }

  MemoryControls controls;
  MemoryHost host;
  SettableClock clock;
  std::ostringstream log;
  CGrillDesignerDlg dialog;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
};

// The entry of a list picked as a click on it picks it.
inline void SelectBar(JobRun& run, int list, int entry) {
  run.controls.SetSelection(list, entry);
  run.dialog.Dispatch(list, Notification::SelectionChanged);
}

}  // namespace grill::testing
