#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "app/CuttingPlanCommand.h"
#include "app/DesignView.h"
#include "app/DesignerContext.h"
#include "app/ExportLayout.h"
#include "app/JobDetailsDialog.h"
#include "app/JobSession.h"
#include "app/WindowEditorDialog.h"
#include "config/ConfigSearch.h"
#include "editing/DesignerState.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/DialogHost.h"
#include "platform/Drawing.h"
#include "platform/FileLocks.h"
#include "platform/Files.h"
#include "platform/RecentJobs.h"

namespace grill {

// What the designer needs of the platform.
struct DesignerServices {
  Controls& controls;
  DialogHost& host;
  Files& files;
  const Clock& clock;
  std::string exportFolder;
  std::string configPath = "MenuConfig.txt";
  std::ostream& log;  // notes on MenuConfig.txt faults
  // Where else to look when `configPath` cannot be read.
  ConfigSearch configSearch = {};
  // The recovery copy: kept in `stateFolder` for `workingFolder`, guarded by
  // `locks`; none without locks or a state folder.
  std::string stateFolder = {};
  std::string workingFolder = {};
  FileLocks* locks = nullptr;
  RecentJobs* recentJobs = nullptr;  // File > Open Recent; none without
};

// The main dialog: owns the run's state and maps each control event to its
// handler through one dispatch table. Toolkit-neutral: the toolkit builds the
// controls from MainDialogTemplate() and forwards events here.
class CGrillDesignerDlg {
 public:
  explicit CGrillDesignerDlg(DesignerServices services);
  CGrillDesignerDlg(const CGrillDesignerDlg&) = delete;
  CGrillDesignerDlg& operator=(const CGrillDesignerDlg&) = delete;

  // Initialisation, in the order the designer has always followed, then the
  // restore of a former run's work. It may end the dialog (a missing or
  // broken configuration) and still runs to its end.
  void OnInitDialog();
  // The number of designs a former run's recovery copy gave back at start-up.
  std::optional<std::size_t> Restored() const { return restored_; }

  // A control event; events without an entry in the table are ignored,
  // except that typing in the Window Info fields is kept in the recovery
  // copy. Returns true when a handler ran or the typing was kept.
  bool Dispatch(int controlId, Notification notification);

  // Enter outside a push button: nothing. Escape and the close box: the end.
  void OnOK() {}
  void OnCancel();
  // The system menu: About shows the about box, Close ends as the close box
  // does; every other command changes nothing.
  void OnSysCommand(int command);

  // Clears the drawing area on the dialog's context, then draws the current
  // design on the canvas's context.
  void OnPaint(DrawingContext& dialogDc, DrawingContext& canvasDc);

  // Mouse messages of the canvas, in its client pixels.
  void OnCanvasLButtonDown(unsigned flags, int x, int y);
  void OnCanvasMouseMove(unsigned flags, int x, int y);
  void OnCanvasLButtonUp(unsigned flags, int x, int y);
  void OnCanvasDoubleClick();
  // The canvas's client size changed (the dialog grew or shrank).
  void OnCanvasResize(int width, int height);

  // The window editor, reachable only while there is a current design.
  bool CanOpenWindowEditor() const { return state_.document.Current() != nullptr; }
  void OpenWindowEditor();
  // Edit > Duplicate Design, reachable only while there is a current design.
  bool CanDuplicateDesign() const { return state_.document.Current() != nullptr; }
  void DuplicateCurrentDesign();

  // File > Job Properties...: the job's customer, order number, due date
  // and notes.
  void OpenJobProperties();

  // The cutting plan of every design, from Stock.txt beside the
  // configuration file that was loaded.
  CuttingPlanOutcome CuttingPlan();
  // The same in two steps: what planning takes, read here; then PlanRequest,
  // on any thread.
  PreparedCuttingPlan PrepareCuttingPlan();
  // The inventory of remnants and bars on hand beside Stock.txt.
  std::string InventoryPath() const { return InventoryPathBeside(loadedConfigPath_); }

  // Where later export runs write their cut files.
  void SetExportFolder(std::string folder) { services_.exportFolder = std::move(folder); }
  // Whether Process All writes into the job's own folder there.
  void SetExportLayout(ExportLayout layout) { exportLayout_ = layout; }
  ExportLayout ExportLayoutInUse() const { return exportLayout_; }
  // File > Export Settings...: the layout chosen with OK is used from then on and given to
  // `keep` (which remembers it for the next start).
  void OpenExportSettings(std::function<void(ExportLayout)> keep);
  // The File and Edit menus' commands.
  JobSession& Job() { return job_; }
  const JobSession& Job() const { return job_; }

  DesignerState& State() { return state_; }
  const DesignerState& State() const { return state_; }
  const DesignView& View() const { return view_; }
  // The design drawn, the live one in the middle of a drag or stroke.
  const GrillWindow* ShownDesign() const { return view_.ShownDesign(); }

 private:
  struct Handler {
    int controlId;
    Notification notification;
    std::function<void()> run;
  };

  std::vector<Handler> BuildDispatchTable();
  // False when the configuration lacks a list and the dialog ends.
  bool SelectDefaults();

  DesignerServices services_;
  DesignerState state_;
  DesignView view_;
  DesignerContext context_;
  CWindowEditor windowEditor_;
  CJobDetailsDialog jobDetails_;
  JobSession job_;
  std::optional<std::size_t> restored_;
  std::vector<Handler> handlers_;
  std::string loadedConfigPath_;
  ExportLayout exportLayout_ = ExportLayout::kExportFolder;
};

}  // namespace grill
