#include "app/GrillDesignerDlg.h"

#include "app/ExportCommands.h"
#include "app/MainDialogTemplate.h"
#include "config/LoadConfiguration.h"
#include "editing/BarListCommands.h"
#include "editing/SpacingCommands.h"
#include "editing/WindowListCommands.h"

namespace grill {
namespace {

constexpr const char* kPreDesigns[] = {"Cottage1", "Cottage2", "Standard", "Prarie",
                                       "Custom Cottage"};
constexpr int kStandardPreDesign = 2;

}  // namespace

CGrillDesignerDlg::CGrillDesignerDlg(DesignerServices services)
    : services_(std::move(services)), handlers_(BuildDispatchTable()) {
  state_.canvas.SetInvalidate([this] { services_.controls.Invalidate(); });
}

std::vector<CGrillDesignerDlg::Handler> CGrillDesignerDlg::BuildDispatchTable() {
  Controls& c = services_.controls;
  DesignerState& s = state_;
  const auto click = Notification::Clicked;
  const auto change = Notification::SelectionChanged;
  constexpr Axis H = Axis::Horizontal;
  constexpr Axis V = Axis::Vertical;
  auto exportRun = [this](auto run) {
    ExportServices services{services_.files, services_.clock, services_.host,
                            services_.exportFolder};
    run(state_, services_.controls, services);
  };
  return {
      {kWindowsList, change, [&s, &c] { OnSelectWindow(s, c); }},
      {kPreDesignCombo, change, [&s, &c] { OnPreDesignChange(s, c); }},
      {kNewButton, click, [&s, &c] { OnNewWindow(s, c); }},
      {kDeleteButton, click, [&s, &c] { OnDeleteWindow(s, c); }},
      {kInchesRadio, click, [&s, &c] { OnInches(s, c); }},
      {kMillimetresRadio, click, [&s, &c] { OnMillimetres(s, c); }},
      {kHorzEditButton, click, [&s, &c] { OnEditBar(s, c, H); }},
      {kVertEditButton, click, [&s, &c] { OnEditBar(s, c, V); }},
      {kHorzPlusButton, click, [&s, &c] { OnPlusBar(s, c, H); }},
      {kVertPlusButton, click, [&s, &c] { OnPlusBar(s, c, V); }},
      {kHorzMinusButton, click, [&s, &c] { OnMinusBar(s, c, H); }},
      {kVertMinusButton, click, [&s, &c] { OnMinusBar(s, c, V); }},
      {kHorzRemoveButton, click, [&s, &c] { OnRemoveBar(s, c, H); }},
      {kVertRemoveButton, click, [&s, &c] { OnRemoveBar(s, c, V); }},
      {kHorzInsertButton, click, [&s, &c] { OnInsertBar(s, c, H); }},
      {kVertInsertButton, click, [&s, &c] { OnInsertBar(s, c, V); }},
      {kEqualSpaceRadio, click, [&s] { OnSpacingMode(s, 1); }},
      {kDividedRadio, click, [&s] { OnSpacingMode(s, 0); }},
      {kRespaceAboveButton, click, [&s, &c] { OnRespaceBefore(s, c, H); }},
      {kRespaceBelowButton, click, [&s, &c] { OnRespaceAfter(s, c, H); }},
      {kRespaceLeftButton, click, [&s, &c] { OnRespaceBefore(s, c, V); }},
      {kRespaceRightButton, click, [&s, &c] { OnRespaceAfter(s, c, V); }},
      {kHorzSetSpacingButton, click, [&s, &c] { OnSetSpacing(s, c, H); }},
      {kVertSetSpacingButton, click, [&s, &c] { OnSetSpacing(s, c, V); }},
      {kHorzSliderAlignButton, click, [&s, &c] { OnSliderAlign(s, c, H); }},
      {kVertSliderAlignButton, click, [&s, &c] { OnSliderAlign(s, c, V); }},
      {kProcessDataButton, click, [exportRun] { exportRun(ProcessData); }},
      {kProcessAllButton, click, [exportRun] { exportRun(ProcessAll); }},
  };
}

void CGrillDesignerDlg::OnInitDialog() {
  Controls& c = services_.controls;
  state_.equalSpace = 1;
  c.SetChecked(kEqualSpaceRadio, true);
  c.SetChecked(kInchesRadio, true);

  windowEditor_.windowListRef = &state_.windowList;
  state_.useMillimetres = 0;
  state_.currentWindow = nullptr;

  for (const char* entry : kPreDesigns) {
    c.AddEntry(kPreDesignCombo, entry);
  }

  DisplayModes modes{state_.useMillimetres, state_.equalSpace};
  std::vector<std::string> diagnostics;
  LoadConfiguration(services_.files, services_.configPath, c, state_.config, modes, diagnostics);
  state_.useMillimetres = modes.useMillimetres;
  state_.equalSpace = modes.equalSpace;
  for (const std::string& note : diagnostics) {
    services_.log << "MenuConfig.txt: " << note << '\n';
  }

  SelectDefaults();
  c.SetSelection(kPreDesignCombo, kStandardPreDesign);
}

void CGrillDesignerDlg::SelectDefaults() {
  Controls& c = services_.controls;
  if (c.EntryCount(kEdgeTypeCombo) > 0) {
    c.SetSelection(kEdgeTypeCombo, 0);
  } else {
    c.ShowMessage("No Edge Types Found");
    c.EndDialog();
  }
  if (c.EntryCount(kBarTypeCombo) > 0) {
    c.SetSelection(kBarTypeCombo, 0);
  } else {
    c.ShowMessage("No Bar Types Found");
    c.EndDialog();
  }
  if (c.EntryCount(kOutsideColorCombo) > 0) {
    c.SetSelection(kInsideColorCombo, 0);
    c.SetSelection(kOutsideColorCombo, 0);
  } else {
    c.ShowMessage("No Colors Found");
    c.EndDialog();
  }
}

bool CGrillDesignerDlg::Dispatch(int controlId, Notification notification) {
  for (const Handler& handler : handlers_) {
    if (handler.controlId == controlId && handler.notification == notification) {
      handler.run();
      return true;
    }
  }
  return false;
}

bool CGrillDesignerDlg::Handles(int controlId, Notification notification) const {
  for (const Handler& handler : handlers_) {
    if (handler.controlId == controlId && handler.notification == notification) {
      return true;
    }
  }
  return false;
}

void CGrillDesignerDlg::OnCancel() {
  services_.controls.EndDialog();
}

void CGrillDesignerDlg::OnSysCommand(int command) {
  if ((command & ~0xF) == kAboutCommand) {
    services_.host.ShowAbout();
  }
}

void CGrillDesignerDlg::OnPaint(DrawingContext& dialogDc, DrawingContext& canvasDc) {
  dialogDc.Rectangle(kCanvasLeft, kCanvasTop, kCanvasRight, kCanvasBottom);
  if (state_.currentWindow != nullptr) {
    state_.canvas.DrawGrill(canvasDc, *state_.currentWindow);
    state_.canvas.DrawHandles(canvasDc, *state_.currentWindow);
  }
}

void CGrillDesignerDlg::OnCanvasLButtonDown(unsigned flags, int x, int y) {
  state_.canvas.OnLButtonDown(flags, x, y);
}

void CGrillDesignerDlg::OnCanvasMouseMove(unsigned flags, int x, int y) {
  state_.canvas.OnMouseMove(flags, x, y);
}

void CGrillDesignerDlg::OnCanvasLButtonUp(unsigned flags, int x, int y) {
  state_.canvas.OnLButtonUp(flags, x, y);
}

void CGrillDesignerDlg::OnCanvasDoubleClick() {
  OpenWindowEditor();
}

void CGrillDesignerDlg::OpenWindowEditor() {
  if (!CanOpenWindowEditor()) {
    return;
  }
  windowEditor_.useMillimetres = state_.useMillimetres;
  grill::OpenWindowEditor(state_, windowEditor_, services_.controls, services_.host);
}

}  // namespace grill
