#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "app/GrillDesignerDlg.h"
#include "qt/CanvasWidget.h"
#include "qt/QtControls.h"
#include "qt/QtDialogHost.h"

class QMenu;

namespace grill {

// The designer's main dialog on Qt: the controls of template 102, the canvas,
// the context menu and keys, all wired into CGrillDesignerDlg.
class QtDesigner {
 public:
  QtDesigner(Files& files, const Clock& clock, std::string exportFolder, std::string configPath,
             std::ostream& log, ConfigSearch configSearch = {});
  QtDesigner(const QtDesigner&) = delete;
  QtDesigner& operator=(const QtDesigner&) = delete;

  // The dialog's initialisation; its messages are shown as they come.
  void Start();
  // Runs the dialog until it ends; returns at once, never showing it, when
  // the start-up asked for the end.
  void Run();

  // The context menu: the about box, the window editor, the export folder
  // and the cutting plan.
  std::unique_ptr<QMenu> CreateContextMenu();
  // Where export runs write from now on.
  void SetExportFolder(std::string folder);

  TemplateDialog& Dialog() { return controls_.Dialog(); }
  QtControls& Controls() { return controls_; }
  CanvasWidget& Canvas() { return *canvas_; }
  CGrillDesignerDlg& Designer() { return designer_; }

 private:
  void ConnectKeys();
  // Asks for the export folder with the native chooser and remembers it.
  void ChooseExportFolder();

  QtControls controls_;
  QtDialogHost host_;
  CGrillDesignerDlg designer_;
  std::string exportFolder_;
  CanvasWidget* canvas_;  // owned by the dialog
};

}  // namespace grill
