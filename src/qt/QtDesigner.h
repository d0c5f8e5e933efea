#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "app/GrillDesignerDlg.h"
#include "qt/CanvasWidget.h"
#include "qt/QtControls.h"
#include "qt/QtDialogHost.h"

class QAction;
class QMenu;
class QMenuBar;

namespace grill {

// Where a run keeps its recovery copy and its Open Recent list; a designer
// without them keeps neither (tests).
struct JobPlaces {
  std::string stateFolder;
  std::string workingFolder;
  FileLocks* locks = nullptr;
  RecentJobs* recentJobs = nullptr;
};

// The designer's main dialog on Qt: the menu bar above the controls of
// template 102, the canvas, the context menu and keys, all wired into
// CGrillDesignerDlg.
class QtDesigner {
 public:
  QtDesigner(Files& files, const Clock& clock, std::string exportFolder, std::string configPath,
             std::ostream& log, ConfigSearch configSearch = {}, JobPlaces places = {});
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
  QMenuBar& MenuBar() { return *menuBar_; }
  // A menu bar action by its object name ("fileSaveAs", "editUndo", ...).
  QAction* Action(const char* name) const;

 private:
  void ConnectKeys();
  // Asks for the export folder with the native chooser and remembers it.
  void ChooseExportFolder();
  // Builds the menu bar (QtMenuBar.cpp) and makes room for it above the
  // controls, which keep their places relative to each other.
  void BuildMenuBar();
  void FillRecentMenu(QMenu& menu);
  void UpdateEditMenu();

  QtControls controls_;
  QtDialogHost host_;
  CGrillDesignerDlg designer_;
  std::string exportFolder_;
  CanvasWidget* canvas_;         // owned by the dialog
  QMenuBar* menuBar_ = nullptr;  // owned by the dialog
};

}  // namespace grill
