#include <QAction>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "QtTestRegistry.h"
#include "QtTestSupport.h"
#include "app/MainDialogTemplate.h"
#include "qt/DialogUnits.h"
#include "qt/ExportFolderSetting.h"
#include "qt/QtDialogHost.h"

using namespace grill;
using namespace grill::testing;

// The menu bar on the real widgets: its place above the controls, Save As
// through the file chooser, Undo by its key, the title's modified mark, and
// the screenshot of the dialog with its menus.
class JobMenusTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QtDialogHost::fileChooser = nullptr; }
  void menuBarSitsAboveTheControls();
  void saveAsUndoAndTheModifiedMark();
  void duplicateByKeyAndFromTheWindowsList();
  void screenshotWithMenuBar();
  void exportSettingsChooseOneFolderPerJob();
};

namespace {

std::size_t DesignCount(StartedDesigner& run) {
  return run.designer.Designer().State().document.Designs().size();
}

}  // namespace

void JobMenusTest::menuBarSitsAboveTheControls() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  TemplateDialog& dialog = run.designer.Dialog();
  QMenuBar& bar = run.designer.MenuBar();
  const int height = bar.height();
  QVERIFY(height > 0);
  QCOMPARE(bar.geometry().topLeft(), QPoint(0, 0));
  const DialogTemplate& t = MainDialogTemplate();
  const DialogBaseUnits& units = run.designer.Controls().BaseUnits();
  QCOMPARE(dialog.height(), ToPixels(units, 0, 0, t.width, t.height).height() + height);
  // Every control keeps its place from the template, moved down by the bar.
  for (const ControlSpec& control : t.controls) {
    if (control.id == kNoId) {
      continue;
    }
    const QRect expected = ToPixels(units, control.x, control.y, control.width, control.height);
    QCOMPARE(run.designer.Controls().Widget(control.id)->geometry().topLeft(),
             expected.topLeft() + QPoint(0, height));
  }
  QCOMPARE(run.designer.Canvas().geometry().topLeft(), QPoint(kCanvasLeft, kCanvasTop + height));
  QStringList menus;
  for (QAction* action : bar.actions()) {
    menus << action->text();
  }
  QCOMPARE(menus, (QStringList{"&File", "&Edit", "&Help"}));
  QCOMPARE(run.designer.Action("fileSave")->shortcut(), QKeySequence(QKeySequence::Save));
  QCOMPARE(run.designer.Action("fileQuit")->shortcut(), QKeySequence(QKeySequence::Quit));
}

void JobMenusTest::duplicateByKeyAndFromTheWindowsList() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  TemplateDialog& dialog = run.designer.Dialog();
  dialog.show();
  dialog.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  QtControls& controls = run.designer.Controls();
  QAction* duplicate = run.designer.Action("editDuplicate");
  QCOMPARE(duplicate->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));

  CreateDesign(controls, "Kitchen", "1030", "830", "3", "2");
  auto* windows = qobject_cast<QListWidget*>(controls.Widget(kWindowsList));
  windows->setFocus();
  QTest::keyClick(&dialog, Qt::Key_D, Qt::ControlModifier);
  QCOMPARE(DesignCount(run), std::size_t{2});
  QCOMPARE(windows->currentItem()->text(), QStringLiteral("Kitchen (2)"));
  QCOMPARE(run.designer.Action("editUndo")->text(), QStringLiteral("Undo Duplicate Kitchen"));

  // The list's right-click menu holds the same command.
  QCOMPARE(windows->contextMenuPolicy(), Qt::ActionsContextMenu);
  QVERIFY(windows->actions().contains(duplicate));
  windows->setCurrentRow(0);
  duplicate->trigger();
  QCOMPARE(windows->currentItem()->text(), QStringLiteral("Kitchen (3)"));
}

// File > Export Settings... on the real widgets: the choice made with OK is used and kept.
void JobMenusTest::exportSettingsChooseOneFolderPerJob() {
  StoreExportLayout(ExportLayout::kExportFolder);
  ModalAnswerer answerer;
  QStringList captions;
  answerer.onDialog = [&captions](QDialog& dialog) {
    for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
      captions << radio->text();
      if (radio->text() == QStringLiteral("One folder per job")) {
        radio->click();
      }
    }
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
      if (button->text() == QStringLiteral("OK")) {
        button->click();
      }
    }
  };
  StartedDesigner run(SmallConfig());
  run.designer.Action("fileExportSettings")->trigger();
  QCOMPARE(captions, (QStringList{"All files in the export folder", "One folder per job"}));
  QCOMPARE(run.designer.Designer().ExportLayoutInUse(), ExportLayout::kFolderPerJob);
  QCOMPARE(StoredExportLayout(), ExportLayout::kFolderPerJob);
  StoreExportLayout(ExportLayout::kExportFolder);
}

void JobMenusTest::saveAsUndoAndTheModifiedMark() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  TemplateDialog& dialog = run.designer.Dialog();
  dialog.show();
  dialog.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Varnel Grill Designer"));
  QVERIFY(!dialog.isWindowModified());

  QtControls& controls = run.designer.Controls();
  CreateDesign(controls, "Kitchen", "1030", "830", "3", "2");
  CreateDesign(controls, "Bath", "1030", "830", "1", "1");
  QCOMPARE(DesignCount(run), std::size_t{2});
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Untitled[*] - Varnel Grill Designer"));
  QVERIFY(dialog.isWindowModified());
  QCOMPARE(run.designer.Action("editUndo")->text(), QStringLiteral("Undo New Bath"));

  const QString path = run.folder.Path("kitchen.grilljob");
  QString suggested;
  bool askedToSave = false;
  QtDialogHost::fileChooser = [&](bool save,
                                  std::string_view offered) -> std::optional<std::string> {
    askedToSave = save;
    suggested = QString::fromUtf8(offered.data(), static_cast<qsizetype>(offered.size()));
    return std::optional<std::string>(path.toStdString());
  };
  run.designer.Action("fileSaveAs")->trigger();
  QVERIFY(askedToSave);
  QCOMPARE(suggested, QStringLiteral("Untitled.grilljob"));
  QVERIFY(QFile::exists(path));
  QCOMPARE(dialog.windowTitle(), QStringLiteral("kitchen[*] - Varnel Grill Designer"));
  QVERIFY(!dialog.isWindowModified());

  // Ctrl+Z away from the text fields, which keep their own undo.
  controls.Widget(kWindowsList)->setFocus();
  QTest::keyClick(&dialog, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(DesignCount(run), std::size_t{1});
  QVERIFY(dialog.isWindowModified());
  QCOMPARE(run.designer.Action("editUndo")->text(), QStringLiteral("Undo New Kitchen"));
  QCOMPARE(run.designer.Action("editRedo")->text(), QStringLiteral("Redo New Bath"));
  run.designer.Action("editRedo")->trigger();
  QCOMPARE(DesignCount(run), std::size_t{2});
  QVERIFY(!dialog.isWindowModified());

  // The master file name is saved with the job: typing it marks the job at
  // once, typing it away again clears the mark.
  QWidget* master = controls.Widget(kMasterFileEdit);
  QTest::keyClicks(master, QStringLiteral("ORDER-9"));
  QVERIFY(dialog.isWindowModified());
  for (int typed = 0; typed < 7; ++typed) {
    QTest::keyClick(master, Qt::Key_Backspace);
  }
  QVERIFY(!dialog.isWindowModified());
  QVERIFY2(answerer.messages.empty(), qPrintable(answerer.Texts().join('|')));
}

void JobMenusTest::screenshotWithMenuBar() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  TemplateDialog& dialog = run.designer.Dialog();
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  CreateDesign(run.designer.Controls(), "Kitchen", "1030", "830", "3", "2");
  const QImage image = dialog.grab().toImage();
  QVERIFY(image.save(ScreenshotPath("main-dialog-menu.png")));
  QCOMPARE(image.height(), dialog.height());
}

GRILL_QT_TEST(JobMenusTest);
#include "job_menus_test.moc"
