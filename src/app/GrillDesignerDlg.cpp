#include "app/GrillDesignerDlg.h"

#include <algorithm>

#include "app/ApplyHandler.h"
#include "app/BarListHandlers.h"
#include "app/ConfigStartup.h"
#include "app/ExportCommands.h"
#include "app/ExportSettingsDialog.h"
#include "app/FormTexts.h"
#include "app/MainDialogTemplate.h"
#include "app/SpacingHandlers.h"
#include "app/WindowListHandlers.h"
#include "config/LoadConfiguration.h"
#include "editing/PreDesignLayouts.h"

namespace grill {

CGrillDesignerDlg::CGrillDesignerDlg(DesignerServices services)
    : services_(std::move(services)),
      view_(state_.document, services_.controls),
      context_{state_, services_.controls, view_},
      job_(context_, services_.host, services_.files),
      handlers_(BuildDispatchTable()) {
  if (services_.locks != nullptr && !services_.stateFolder.empty()) {
    job_.UseRecovery(std::make_unique<RecoveryStore>(
        services_.files, *services_.locks, services_.stateFolder, services_.workingFolder));
  }
  job_.UseRecentJobs(services_.recentJobs);
}

std::vector<CGrillDesignerDlg::Handler> CGrillDesignerDlg::BuildDispatchTable() {
  DesignerContext& s = context_;
  const auto click = Notification::Clicked;
  const auto change = Notification::SelectionChanged;
  constexpr Axis H = Axis::Horizontal;
  constexpr Axis V = Axis::Vertical;
  auto exportRun = [this](auto run) {
    ExportServices services{services_.files,        services_.clock, services_.host,
                            services_.exportFolder, exportLayout_,   job_.Path()};
    run(state_, services_.controls, services);
  };
  return {
      {kWindowsList, change, [&s] { OnSelectWindow(s); }},
      // The name is saved with the job: each keystroke reaches the document,
      // so the title marks it unsaved as it is typed.
      {kMasterFileEdit, Notification::TextEdited,
       [&s] { s.Document().SetMasterFile(s.controls.Text(kMasterFileEdit)); }},
      {kPreDesignCombo, change, [&s] { OnPreDesignChange(s); }},
      // The bar selected in a list is drawn highlighted.
      {kHorzList, change, [&s] { s.controls.Invalidate(); }},
      {kVertList, change, [&s] { s.controls.Invalidate(); }},
      {kNewButton, click, [&s] { OnNewWindow(s); }},
      {kApplyButton, click, [&s] { OnApplyWindow(s); }},
      {kDeleteButton, click, [&s] { OnDeleteWindow(s); }},
      {kInchesRadio, click, [&s] { OnInches(s); }},
      {kMillimetresRadio, click, [&s] { OnMillimetres(s); }},
      {kHorzEditButton, click, [&s] { OnEditBar(s, H); }},
      {kVertEditButton, click, [&s] { OnEditBar(s, V); }},
      {kHorzPlusButton, click, [&s] { OnPlusBar(s, H); }},
      {kVertPlusButton, click, [&s] { OnPlusBar(s, V); }},
      {kHorzMinusButton, click, [&s] { OnMinusBar(s, H); }},
      {kVertMinusButton, click, [&s] { OnMinusBar(s, V); }},
      {kHorzRemoveButton, click, [&s] { OnRemoveBar(s, H); }},
      {kVertRemoveButton, click, [&s] { OnRemoveBar(s, V); }},
      {kHorzInsertButton, click, [&s] { OnInsertBar(s, H); }},
      {kVertInsertButton, click, [&s] { OnInsertBar(s, V); }},
      {kEqualSpaceRadio, click, [&s] { OnSpacingMode(s, SpacingMode::EqualSpace); }},
      {kDividedRadio, click, [&s] { OnSpacingMode(s, SpacingMode::Divided); }},
      {kRespaceAboveButton, click, [&s] { OnRespaceBefore(s, H); }},
      {kRespaceBelowButton, click, [&s] { OnRespaceAfter(s, H); }},
      {kRespaceLeftButton, click, [&s] { OnRespaceBefore(s, V); }},
      {kRespaceRightButton, click, [&s] { OnRespaceAfter(s, V); }},
      {kHorzSetSpacingButton, click, [&s] { OnSetSpacing(s, H); }},
      {kVertSetSpacingButton, click, [&s] { OnSetSpacing(s, V); }},
      {kHorzSliderAlignButton, click, [&s] { OnSliderAlign(s, H); }},
      {kVertSliderAlignButton, click, [&s] { OnSliderAlign(s, V); }},
      {kProcessDataButton, click, [exportRun] { exportRun(ProcessData); }},
      {kProcessAllButton, click, [exportRun] { exportRun(ProcessAll); }},
  };
}

void CGrillDesignerDlg::OpenExportSettings(std::function<void(ExportLayout)> keep) {
  grill::OpenExportSettings(services_.host, exportLayout_,
                            [this, keep = std::move(keep)](ExportLayout layout) {
                              exportLayout_ = layout;
                              if (keep) {
                                keep(layout);
                              }
                            });
}

void CGrillDesignerDlg::OnInitDialog() {
  Controls& c = services_.controls;
  view_.ShowProperties();
  state_.document.SetFocus({});

  for (const std::string_view entry : kPreDesignNames) {
    c.AddEntry(kPreDesignCombo, std::string(entry));
  }

  LoadedConfiguration loaded = LoadStartupConfiguration(
      services_.files, services_.host, services_.configPath, services_.configSearch);
  loadedConfigPath_ = loaded.path;
  ApplyConfiguration(std::move(loaded), c, state_, services_.log);

  const bool configured = SelectDefaults();
  c.SetSelection(kPreDesignCombo, static_cast<int>(PreDesign::Standard));
  // A run that ends at once leaves a former run's work where it is.
  if (configured) {
    restored_ = job_.Start();
  }
}

bool CGrillDesignerDlg::SelectDefaults() {
  Controls& c = services_.controls;
  bool configured = true;
  if (c.EntryCount(kEdgeTypeCombo) > 0) {
    c.SetSelection(kEdgeTypeCombo, 0);
  } else {
    c.ShowMessage("No Edge Types Found");
    c.EndDialog();
    configured = false;
  }
  if (c.EntryCount(kBarTypeCombo) > 0) {
    c.SetSelection(kBarTypeCombo, 0);
  } else {
    c.ShowMessage("No Bar Types Found");
    c.EndDialog();
    configured = false;
  }
  if (c.EntryCount(kOutsideColorCombo) > 0) {
    c.SetSelection(kInsideColorCombo, 0);
    c.SetSelection(kOutsideColorCombo, 0);
  } else {
    c.ShowMessage("No Colors Found");
    c.EndDialog();
    configured = false;
  }
  return configured;
}

bool CGrillDesignerDlg::Dispatch(int controlId, Notification notification) {
  const auto handler = std::find_if(handlers_.begin(), handlers_.end(), [&](const Handler& h) {
    return h.controlId == controlId && h.notification == notification;
  });
  if (handler != handlers_.end()) {
    handler->run();
  }
  // After the handler, which may show the form afresh (a predesign picked).
  const bool typedInForm = IsFormField(controlId) && notification != Notification::Clicked;
  if (typedInForm) {
    job_.RecordForm();
  }
  return handler != handlers_.end() || typedInForm;
}

// A drag under way is committed first, so the recovery copy holds it.
void CGrillDesignerDlg::OnCancel() {
  state_.document.CommitGroup();
  services_.controls.EndDialog();
}

// The low four bits of a system command are the system's own.
void CGrillDesignerDlg::OnSysCommand(int command) {
  const int menuItem = command & ~0xF;
  if (menuItem == kAboutCommand) {
    services_.host.ShowAbout();
  } else if (menuItem == kCloseCommand) {
    OnCancel();
  }
}

void CGrillDesignerDlg::OnPaint(DrawingContext& dialogDc, DrawingContext& canvasDc) {
  const GrillCanvas::Size size = view_.Canvas().clientSize;
  dialogDc.Rectangle(kCanvasLeft, kCanvasTop, kCanvasLeft + size.width, kCanvasTop + size.height);
  view_.DrawShown(canvasDc);
}

void CGrillDesignerDlg::OnCanvasLButtonDown(unsigned flags, int x, int y) {
  view_.Canvas().OnLButtonDown(view_.Stroke(), flags, x, y);
}

void CGrillDesignerDlg::OnCanvasMouseMove(unsigned flags, int x, int y) {
  view_.Canvas().OnMouseMove(view_.Stroke(), flags, x, y);
}

void CGrillDesignerDlg::OnCanvasLButtonUp(unsigned flags, int x, int y) {
  view_.Canvas().OnLButtonUp(view_.Stroke(), flags, x, y);
}

void CGrillDesignerDlg::OnCanvasDoubleClick() {
  OpenWindowEditor();
}

void CGrillDesignerDlg::OnCanvasResize(int width, int height) {
  view_.ResizeCanvas(width, height);
}

void CGrillDesignerDlg::OpenWindowEditor() {
  if (!CanOpenWindowEditor()) {
    return;
  }
  grill::OpenWindowEditor(context_, windowEditor_, services_.host);
}

void CGrillDesignerDlg::DuplicateCurrentDesign() {
  OnDuplicateWindow(context_);
}

void CGrillDesignerDlg::OpenJobProperties() {
  grill::OpenJobDetails(context_, jobDetails_, services_.host);
}

CuttingPlanOutcome CGrillDesignerDlg::CuttingPlan() {
  return PlanCurrentJob(state_, services_.files, loadedConfigPath_, services_.log);
}

PreparedCuttingPlan CGrillDesignerDlg::PrepareCuttingPlan() {
  return grill::PrepareCuttingPlan(state_, services_.files, loadedConfigPath_, services_.log);
}

}  // namespace grill
