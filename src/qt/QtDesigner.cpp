#include "qt/QtDesigner.h"

#include <QFileDialog>
#include <QFrame>
#include <QMenu>
#include <QShortcut>

#include "app/MainDialogTemplate.h"
#include "qt/ApplicationIcon.h"
#include "qt/Catalogue.h"
#include "qt/CuttingPlanWindow.h"
#include "qt/ExportFolderSetting.h"
#include "qt/GrowingLayout.h"

namespace grill {

QtDesigner::QtDesigner(Files& files, const Clock& clock, std::string exportFolder,
                       std::string configPath, std::ostream& log, ConfigSearch configSearch,
                       JobPlaces places)
    : controls_(MainDialogTemplate()),
      host_(&controls_.Dialog()),
      designer_(DesignerServices{controls_, host_, files, clock, exportFolder,
                                 std::move(configPath), log, std::move(configSearch),
                                 std::move(places.stateFolder), std::move(places.workingFolder),
                                 places.locks, places.recentJobs}),
      exportFolder_(std::move(exportFolder)),
      canvas_(new CanvasWidget(designer_, &controls_.Dialog())) {
  TemplateDialog& dialog = controls_.Dialog();
  dialog.setWindowIcon(ApplicationIcon());
  controls_.onNotify = [this](int id, Notification notification) {
    designer_.Dispatch(id, notification);
  };
  controls_.onInvalidate = [this] { canvas_->update(); };
  dialog.onEnter = [this] { designer_.OnOK(); };
  dialog.onCancel = [this] { designer_.OnCancel(); };
  dialog.onContextMenu = [this](const QPoint& globalPos) { CreateContextMenu()->exec(globalPos); };
  ConnectKeys();
  BuildMenuBar();
  LetDialogGrow(dialog, *canvas_, canvas_->Frame());
}

void QtDesigner::ConnectKeys() {
  TemplateDialog& dialog = controls_.Dialog();
  auto* about = new QShortcut(QKeySequence(Qt::Key_F1), &dialog);
  QObject::connect(about, &QShortcut::activated, &dialog,
                   [this] { designer_.OnSysCommand(kAboutCommand); });
  auto* editor = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), &dialog);
  QObject::connect(editor, &QShortcut::activated, &dialog, [this] {
    if (designer_.CanOpenWindowEditor()) {
      designer_.OpenWindowEditor();
    }
  });
}

std::unique_ptr<QMenu> QtDesigner::CreateContextMenu() {
  auto menu = std::make_unique<QMenu>(&controls_.Dialog());
  QAction* about = menu->addAction(CoreText(kAboutMenuText));
  QObject::connect(about, &QAction::triggered, menu.get(),
                   [this] { designer_.OnSysCommand(kAboutCommand); });
  QAction* editor = menu->addAction(CoreText(kWindowEditorMenuText));
  editor->setEnabled(designer_.CanOpenWindowEditor());
  QObject::connect(editor, &QAction::triggered, menu.get(),
                   [this] { designer_.OpenWindowEditor(); });
  QAction* exportFolder = menu->addAction(Catalogue::tr("Export Folder..."));
  QObject::connect(exportFolder, &QAction::triggered, menu.get(), [this] { ChooseExportFolder(); });
  menu->addAction(CreateCuttingPlanAction(menu.get(), designer_, &controls_.Dialog()));
  return menu;
}

void QtDesigner::ChooseExportFolder() {
  const QString chosen = QFileDialog::getExistingDirectory(
      &controls_.Dialog(), Catalogue::tr("Export Folder"), QString::fromStdString(exportFolder_));
  if (chosen.isEmpty()) {
    return;  // cancelled
  }
  SetExportFolder(chosen.toStdString());
  StoreExportFolder(exportFolder_);
}

void QtDesigner::SetExportFolder(std::string folder) {
  exportFolder_ = std::move(folder);
  designer_.SetExportFolder(exportFolder_);
}

void QtDesigner::Start() {
  designer_.OnInitDialog();
}

void QtDesigner::Run() {
  if (!controls_.EndRequested()) {
    controls_.Dialog().exec();
  }
}

}  // namespace grill
