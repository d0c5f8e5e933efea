#include <QAction>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/MainDialogTemplate.h"
#include "platform/ControlIds.h"
#include "qt/Catalogue.h"
#include "qt/CuttingPlanWindow.h"
#include "qt/ExportFolderSetting.h"
#include "qt/PrintMenu.h"
#include "qt/QtDesigner.h"

namespace grill {
namespace {

QAction* AddAction(QMenu& menu, const char* name, const QString& text,
                   QKeySequence shortcut = QKeySequence()) {
  QAction* action = menu.addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(shortcut);
  return action;
}

}  // namespace

void QtDesigner::BuildMenuBar() {
  TemplateDialog& dialog = controls_.Dialog();
  menuBar_ = new QMenuBar(&dialog);
  menuBar_->setObjectName(QStringLiteral("menuBar"));
  JobSession& job = designer_.Job();
  const auto connect = [&dialog](QAction* action, auto run) {
    QObject::connect(action, &QAction::triggered, &dialog, run);
  };

  QMenu& file = *menuBar_->addMenu(Catalogue::tr("&File"));
  connect(AddAction(file, "fileNew", Catalogue::tr("&New Job"), QKeySequence::New),
          [&job] { job.NewJob(); });
  connect(AddAction(file, "fileOpen", Catalogue::tr("&Open..."), QKeySequence::Open),
          [&job] { job.OpenChosen(); });
  QMenu& recent = *file.addMenu(Catalogue::tr("Open &Recent"));
  recent.setObjectName(QStringLiteral("fileOpenRecent"));
  QObject::connect(&recent, &QMenu::aboutToShow, &dialog,
                   [this, &recent] { FillRecentMenu(recent); });
  connect(AddAction(file, "fileImport", Catalogue::tr("&Import Designs...")),
          [&job] { job.ImportChosen(); });
  connect(AddAction(file, "fileJobProperties", Catalogue::tr("Job &Properties...")),
          [this] { designer_.OpenJobProperties(); });
  file.addSeparator();
  connect(AddAction(file, "fileSave", Catalogue::tr("&Save"), QKeySequence::Save),
          [&job] { job.Save(); });
  connect(AddAction(file, "fileSaveAs", Catalogue::tr("Save &As..."), QKeySequence::SaveAs),
          [&job] { job.SaveAsChosen(); });
  file.addSeparator();
  AddPrintActions(file, dialog, designer_);
  file.addSeparator();
  connect(AddAction(file, "fileExportFolder", Catalogue::tr("Export &Folder...")),
          [this] { ChooseExportFolder(); });
  connect(AddAction(file, "fileExportSettings", Catalogue::tr("Export &Settings...")),
          [this] { designer_.OpenExportSettings(StoreExportLayout); });
  file.addAction(CreateCuttingPlanAction(&file, designer_, &dialog));
  file.addSeparator();
  // Quit ends the run as the close box does: no question, the recovery copy
  // keeps the work.
  connect(AddAction(file, "fileQuit", Catalogue::tr("&Quit"), QKeySequence::Quit),
          [this] { designer_.OnCancel(); });

  QMenu& edit = *menuBar_->addMenu(Catalogue::tr("&Edit"));
  connect(AddAction(edit, "editUndo", Catalogue::tr("&Undo"), QKeySequence::Undo),
          [&job] { job.Undo(); });
  connect(AddAction(edit, "editRedo", Catalogue::tr("&Redo"), QKeySequence::Redo),
          [&job] { job.Redo(); });
  edit.addSeparator();
  QAction* duplicate = AddAction(edit, "editDuplicate", Catalogue::tr("&Duplicate Design"),
                                 QKeySequence(Qt::CTRL | Qt::Key_D));
  connect(duplicate, [this] { designer_.DuplicateCurrentDesign(); });
  connect(AddAction(edit, "editWindowEditor", CoreText(kWindowEditorMenuText)),
          [this] { designer_.OpenWindowEditor(); });
  // The Windows list offers Duplicate on a right click too; the click selects
  // the design it lands on first.
  if (QWidget* windows = controls_.Widget(kWindowsList)) {
    windows->setContextMenuPolicy(Qt::ActionsContextMenu);
    windows->addAction(duplicate);
  }
  QObject::connect(&edit, &QMenu::aboutToShow, &dialog, [this] { UpdateEditMenu(); });

  QMenu& help = *menuBar_->addMenu(Catalogue::tr("&Help"));
  connect(AddAction(help, "helpAbout", Catalogue::tr("&About")),
          [this] { designer_.OnSysCommand(kAboutCommand); });

  host_.onTitleShown = [this] { UpdateEditMenu(); };

  // The dialog grows by the menu bar's height and every control moves down
  // by as much.
  const int height = menuBar_->sizeHint().height();
  for (QObject* child : dialog.children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget != nullptr && widget != menuBar_ && !widget->isWindow()) {
      widget->move(widget->pos() + QPoint(0, height));
    }
  }
  dialog.setFixedSize(dialog.width(), dialog.height() + height);
  menuBar_->setGeometry(0, 0, dialog.width(), height);
  UpdateEditMenu();
}

void QtDesigner::UpdateEditMenu() {
  const JobSession& job = designer_.Job();
  const std::optional<std::string> undo = job.UndoText();
  const std::optional<std::string> redo = job.RedoText();
  QAction* undoAction = Action("editUndo");
  QAction* redoAction = Action("editRedo");
  undoAction->setText(undo ? CoreText(*undo).replace('&', QStringLiteral("&&"))
                           : Catalogue::tr("&Undo"));
  undoAction->setEnabled(undo.has_value());
  redoAction->setText(redo ? CoreText(*redo).replace('&', QStringLiteral("&&"))
                           : Catalogue::tr("&Redo"));
  redoAction->setEnabled(redo.has_value());
  Action("editWindowEditor")->setEnabled(designer_.CanOpenWindowEditor());
  Action("editDuplicate")->setEnabled(designer_.CanDuplicateDesign());
}

void QtDesigner::FillRecentMenu(QMenu& menu) {
  menu.clear();
  for (const std::string& path : designer_.Job().RecentJobList()) {
    QAction* action = menu.addAction(QFile::decodeName(QByteArray::fromStdString(path)));
    QObject::connect(action, &QAction::triggered, &menu,
                     [this, path] { designer_.Job().Open(path); });
  }
  menu.setEnabled(true);
  if (menu.isEmpty()) {
    menu.addAction(Catalogue::tr("(none)"))->setEnabled(false);
  }
}

QAction* QtDesigner::Action(const char* name) const {
  return menuBar_->findChild<QAction*>(QString::fromLatin1(name));
}

}  // namespace grill
