#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "QtTestRegistry.h"
#include "QtTestSupport.h"
#include "app/MainDialogTemplate.h"
#include "qt/AboutBox.h"
#include "qt/ApplicationIcon.h"
#include "qt/QtDialogHost.h"

using namespace grill;
using namespace grill::testing;

namespace {

// Counts the times a widget is shown.
struct ShowCounter : QObject {
  int shows = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    shows += event->type() == QEvent::Show ? 1 : 0;
    return false;
  }
};

template <typename W>
W* Child(QWidget& parent, int id) {
  return parent.findChild<W*>(QString::number(id));
}

// The texts of the labels of a dialog.
QStringList LabelTexts(QWidget& dialog) {
  QStringList texts;
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    texts << label->text();
  }
  return texts;
}

// A modal dialog of one edit field whose OK accepts only "yes".
class AskYes final : public ModalDialog {
 public:
  AskYes() {
    template_.title = "Ask";
    template_.width = 120;
    template_.height = 40;
    template_.controls = {{kEditorNameEdit, ControlKind::Edit, "", 5, 5, 60, 14},
                          {kIdOk, ControlKind::DefaultPushButton, "OK", 70, 5, 45, 14},
                          {kIdCancel, ControlKind::PushButton, "Cancel", 70, 22, 45, 14}};
  }
  const DialogTemplate& Template() const override { return template_; }
  void OnInitDialog(Controls& controls) override { controls.SetText(kEditorNameEdit, "start"); }
  bool OnOK(Controls& controls) override {
    ++okCalls;
    return controls.Text(kEditorNameEdit) == "yes";
  }
  int okCalls = 0;

 private:
  DialogTemplate template_;
};

}  // namespace

class DesignerTest : public QObject {
  Q_OBJECT

 private slots:
  void startUpWithoutConfigurationShowsTheMessagesAndNeverTheDialog();
  void startUpShowsTheDefaults();
  void escapeEndsTheRun();
  void closeBoxEndsTheProgramWithoutAQuestion();
  void enterOutsideAButtonDoesNothing();
  void contextMenuOffersAboutTheEditorTheExportFolderAndThePlan();
  void rightClickOnTheCanvasOpensNoMenu();
  void f1OpensTheAboutBox();
  void ctrlEOpensTheEditorOnlyOnADesign();
  void processAllWritesTheFilesAndSaysWhere();
  void runModalClosesOnlyWhenOkAccepts();
  void runModalEndsOnEscapeAndCancel();
  void aboutBoxShowsIconTextAndOk();
  void applicationIconIsAGrilledWindow();
  void progressAppearsForLongRunsAndCancels();
  void progressStaysHiddenForShortRuns();

 private:
  static std::unique_ptr<StartedDesigner> ShownDesigner(const QByteArray& config) {
    auto run = std::make_unique<StartedDesigner>(config);
    TemplateDialog& dialog = run->designer.Dialog();
    dialog.show();
    dialog.activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(&dialog)); }();
    return run;
  }
};

void DesignerTest::startUpWithoutConfigurationShowsTheMessagesAndNeverTheDialog() {
  ModalAnswerer answerer;
  StartedDesigner run{QByteArray()};
  QCOMPARE(answerer.Texts(), (QStringList{"Cannot Find Config File", "No Edge Types Found",
                                          "No Bar Types Found", "No Colors Found"}));
  for (const SeenMessage& message : answerer.messages) {
    QCOMPARE(message.title, QStringLiteral("Varnel Grill Designer"));
    QVERIFY(message.okOnly);
  }
  ShowCounter counter;
  run.designer.Dialog().installEventFilter(&counter);
  run.designer.Run();
  QCOMPARE(counter.shows, 0);
  QVERIFY(run.designer.Controls().EndRequested());
}

void DesignerTest::startUpShowsTheDefaults() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  QVERIFY(answerer.messages.empty());
  QtControls& controls = run.designer.Controls();
  QCOMPARE(run.designer.Dialog().windowTitle(), QStringLiteral("Varnel Grill Designer"));
  QVERIFY(!run.designer.Dialog().windowIcon().isNull());
  QCOMPARE(WidgetOf<QComboBox>(controls, kPreDesignCombo)->currentText(),
           QStringLiteral("Standard"));
  for (int id : {kEdgeTypeCombo, kBarTypeCombo, kInsideColorCombo, kOutsideColorCombo}) {
    QCOMPARE(WidgetOf<QComboBox>(controls, id)->currentText(),
             QString::fromStdString(controls.EntryText(id, 0)));
  }
  QCOMPARE(WidgetOf<QComboBox>(controls, kInsideColorCombo)->currentText(),
           QStringLiteral("White"));
  QCOMPARE(WidgetOf<QComboBox>(controls, kOutsideColorCombo)->itemText(1), QStringLiteral("Weiß"));
  QVERIFY(WidgetOf<QRadioButton>(controls, kMillimetresRadio)->isChecked());
  QVERIFY(!WidgetOf<QRadioButton>(controls, kInchesRadio)->isChecked());
  QVERIFY(WidgetOf<QRadioButton>(controls, kEqualSpaceRadio)->isChecked());
}

void DesignerTest::escapeEndsTheRun() {
  StartedDesigner run(SmallConfig());
  TemplateDialog& dialog = run.designer.Dialog();
  QTimer::singleShot(50, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
  run.designer.Run();
  QVERIFY(!dialog.isVisible());
  QVERIFY(run.designer.Controls().EndRequested());
}

void DesignerTest::closeBoxEndsTheProgramWithoutAQuestion() {
  ModalAnswerer answerer;
  auto run = ShownDesigner(SmallConfig());
  QVERIFY(run->designer.Dialog().close());
  QVERIFY(!run->designer.Dialog().isVisible());
  QVERIFY(run->designer.Controls().EndRequested());
  QVERIFY(answerer.messages.empty());
}

void DesignerTest::enterOutsideAButtonDoesNothing() {
  ModalAnswerer answerer;
  auto run = ShownDesigner(SmallConfig());
  QtControls& controls = run->designer.Controls();
  TypeInto(controls, kNameEdit, QStringLiteral("Hall"));
  TypeInto(controls, kWidthEdit, QStringLiteral("900"));
  TypeInto(controls, kHeightEdit, QStringLiteral("900"));
  TypeInto(controls, kVertBarsEdit, QStringLiteral("1"));
  TypeInto(controls, kHorzBarsEdit, QStringLiteral("1"));
  for (int id : {kHeightEdit, kWindowsList, kBarTypeCombo, kInchesRadio}) {
    controls.Widget(id)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  QVERIFY(run->designer.Dialog().isVisible());
  QVERIFY(run->designer.Designer().State().document.Designs().empty());
  QVERIFY(answerer.messages.empty());

  // On the focused New button, Enter is a click.
  controls.Widget(kNewButton)->setFocus();
  QTest::keyClick(controls.Widget(kNewButton), Qt::Key_Return);
  QVERIFY(run->designer.Designer().State().document.Current() != nullptr);
  QCOMPARE(controls.EntryText(kWindowsList, 0), std::string("Hall"));
}

void DesignerTest::contextMenuOffersAboutTheEditorTheExportFolderAndThePlan() {
  ModalAnswerer answerer;
  auto run = ShownDesigner(SmallConfig());
  QStringList aboutLabels;
  answerer.onDialog = [&aboutLabels](QDialog& dialog) {
    aboutLabels = LabelTexts(dialog);
    aboutLabels.prepend(dialog.windowTitle());
    Child<QPushButton>(dialog, kIdOk)->click();
  };

  std::unique_ptr<QMenu> menu = run->designer.CreateContextMenu();
  const QList<QAction*> actions = menu->actions();
  QCOMPARE(actions.size(), 4);
  QCOMPARE(actions[0]->text(), QStringLiteral("&About Varnel Grill Designer..."));
  QCOMPARE(actions[1]->text(), QStringLiteral("Window Editor..."));
  QCOMPARE(actions[2]->text(), QStringLiteral("Export Folder..."));
  QCOMPARE(actions[3]->text(), QStringLiteral("Cutting Plan..."));
  QVERIFY(actions[0]->isEnabled());
  QVERIFY(!actions[1]->isEnabled());

  actions[0]->trigger();
  QVERIFY(aboutLabels.contains(QStringLiteral("About Varnel Grill Designer")));
  QVERIFY(aboutLabels.contains(QStringLiteral("Varnel Grill Designer Version 1.0")));

  CreateDesign(run->designer.Controls(), QStringLiteral("Den"), QStringLiteral("600"),
               QStringLiteral("600"), QStringLiteral("1"), QStringLiteral("1"));
  QVERIFY(run->designer.CreateContextMenu()->actions()[1]->isEnabled());

  // A right click on the dialog's background pops the same menu up.
  QStringList popped;
  QTimer::singleShot(50, [&popped] {
    if (auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      for (QAction* action : shown->actions()) {
        popped << action->text();
      }
      shown->close();
    }
  });
  TemplateDialog& dialog = run->designer.Dialog();
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(700, 340),
                          dialog.mapToGlobal(QPoint(700, 340)));
  QApplication::sendEvent(&dialog, &click);
  QCOMPARE(popped, (QStringList{"&About Varnel Grill Designer...", "Window Editor...",
                                "Export Folder...", "Cutting Plan..."}));
}

void DesignerTest::rightClickOnTheCanvasOpensNoMenu() {
  ModalAnswerer answerer;
  auto run = ShownDesigner(SmallConfig());
  bool popped = false;
  QTimer::singleShot(50, [&popped] {
    if (QWidget* shown = QApplication::activePopupWidget()) {
      popped = true;
      shown->close();
    }
  });
  CanvasWidget& canvas = run->designer.Canvas();
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(100, 100),
                          canvas.mapToGlobal(QPoint(100, 100)));
  QApplication::sendEvent(&canvas, &click);
  QTest::qWait(100);
  QVERIFY(!popped);
}

void DesignerTest::f1OpensTheAboutBox() {
  ModalAnswerer answerer;
  auto run = ShownDesigner(SmallConfig());
  QString opened;
  answerer.onDialog = [&opened](QDialog& dialog) {
    opened = dialog.windowTitle();
    dialog.accept();
  };
  QTest::keyClick(&run->designer.Dialog(), Qt::Key_F1);
  QCOMPARE(opened, QStringLiteral("About Varnel Grill Designer"));
}

void DesignerTest::ctrlEOpensTheEditorOnlyOnADesign() {
  ModalAnswerer answerer;
  auto run = ShownDesigner(SmallConfig());
  TemplateDialog& main = run->designer.Dialog();
  int opened = 0;
  answerer.onDialog = [&opened](QDialog& dialog) {
    ++opened;
    dialog.reject();
  };
  QTest::keyClick(&main, Qt::Key_E, Qt::ControlModifier);
  QTest::qWait(50);
  QCOMPARE(opened, 0);

  QtControls& controls = run->designer.Controls();
  CreateDesign(controls, QStringLiteral("Den"), QStringLiteral("600"), QStringLiteral("600"),
               QStringLiteral("1"), QStringLiteral("1"));
  QVERIFY(answerer.messages.empty());
  bool stayedOpenOnRefusal = false;
  answerer.onDialog = [&](QDialog& editor) {
    ++opened;
    auto type = [&editor](int id, const char* text) {
      Child<QLineEdit>(editor, id)->setText(QString::fromUtf8(text));
    };
    // The fields open with the design as it is; without a name it is refused.
    QCOMPARE(Child<QLineEdit>(editor, kEditorNameEdit)->text(), QStringLiteral("Den"));
    type(kEditorNameEdit, "");
    Child<QPushButton>(editor, kIdOk)->click();
    stayedOpenOnRefusal = editor.isVisible();
    type(kEditorNameEdit, "Study");
    type(kEditorWidthEdit, "1000");
    type(kEditorHeightEdit, "600");
    type(kEditorVertBarsEdit, "3");
    type(kEditorHorzBarsEdit, "2");
    Child<QPushButton>(editor, kIdOk)->click();
  };
  main.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&main));
  QTest::keyClick(&main, Qt::Key_E, Qt::ControlModifier);
  QCOMPARE(opened, 1);
  QVERIFY(stayedOpenOnRefusal);
  QCOMPARE(answerer.Texts(), QStringList{"Input Name"});
  const GrillWindow& design = *run->designer.Designer().State().document.Current();
  QCOMPARE(design.name, std::string("Study"));
  QCOMPARE(design.vertPos[2], 500.0);
  QCOMPARE(design.horzPos[3], 600.0);
  QCOMPARE(controls.EntryText(kWindowsList, 0), std::string("Study"));
}

void DesignerTest::processAllWritesTheFilesAndSaysWhere() {
  ModalAnswerer answerer;
  auto run = ShownDesigner(SmallConfig());
  QtControls& controls = run->designer.Controls();
  CreateDesign(controls, QStringLiteral("Den"), QStringLiteral("600"), QStringLiteral("600"),
               QStringLiteral("1"), QStringLiteral("1"));
  TypeInto(controls, kMasterFileEdit, QStringLiteral("Run"));
  ClickButton(controls, kProcessAllButton);
  const QString folder = QString::fromStdString(run->folder.Exports());
  QCOMPARE(answerer.Texts(), QStringList{QStringLiteral("Files Exported to ") + folder});
  const QStringList written = QDir(folder).entryList(QDir::Files);
  QVERIFY2(written.filter(QStringLiteral("Run_EdgeMaster")).size() == 1,
           qPrintable(written.join(' ')));
  QVERIFY2(written.filter(QStringLiteral("Run_BarMaster")).size() == 1,
           qPrintable(written.join(' ')));
}

void DesignerTest::runModalClosesOnlyWhenOkAccepts() {
  ModalAnswerer answerer;
  QtDialogHost host(nullptr);
  AskYes ask;
  QString initialText;
  bool openAfterRefusals = false;
  answerer.onDialog = [&](QDialog& dialog) {
    auto* edit = Child<QLineEdit>(dialog, kEditorNameEdit);
    initialText = edit->text();
    Child<QPushButton>(dialog, kIdOk)->click();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);  // Enter in the field is the default button
    openAfterRefusals = dialog.isVisible();
    edit->setText(QStringLiteral("yes"));
    QTest::keyClick(edit, Qt::Key_Enter);
  };
  int closes = 0;
  host.RunModal(ask, [&closes] { ++closes; });
  QCOMPARE(initialText, QStringLiteral("start"));
  QVERIFY(openAfterRefusals);
  QCOMPARE(ask.okCalls, 3);
  QCOMPARE(closes, 1);
}

void DesignerTest::runModalEndsOnEscapeAndCancel() {
  ModalAnswerer answerer;
  QtDialogHost host(nullptr);
  AskYes ask;
  int closes = 0;
  answerer.onDialog = [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); };
  host.RunModal(ask, [&closes] { ++closes; });
  answerer.onDialog = [](QDialog& dialog) { Child<QPushButton>(dialog, kIdCancel)->click(); };
  host.RunModal(ask, [&closes] { ++closes; });
  QCOMPARE(closes, 2);
  QCOMPARE(ask.okCalls, 0);
}

void DesignerTest::aboutBoxShowsIconTextAndOk() {
  std::unique_ptr<QDialog> box = CreateAboutBox(nullptr);
  QCOMPARE(box->windowTitle(), QStringLiteral("About Varnel Grill Designer"));
  QVERIFY(LabelTexts(*box).contains(QStringLiteral("Varnel Grill Designer Version 1.0")));
  bool hasIcon = false;
  for (QLabel* label : box->findChildren<QLabel*>()) {
    hasIcon = hasIcon || !label->pixmap().isNull();
  }
  QVERIFY(hasIcon);
  auto* ok = Child<QPushButton>(*box, kIdOk);
  QCOMPARE(ok->text(), QStringLiteral("OK"));
  box->show();
  ok->click();
  QCOMPARE(box->result(), int(QDialog::Accepted));
}

void DesignerTest::applicationIconIsAGrilledWindow() {
  const QIcon icon = ApplicationIcon();
  QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
  QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
  const QImage image = icon.pixmap(32, 32).toImage();
  QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
  QCOMPARE(qAlpha(image.pixel(16, 16)), 255);
  // A bar crosses the pale blue glass halfway down.
  const QColor bar = image.pixelColor(8, 16);
  const QColor glass = image.pixelColor(8, 10);
  QVERIFY(bar != glass);
  QVERIFY(glass.blue() > glass.red());
}

void DesignerTest::progressAppearsForLongRunsAndCancels() {
  QtDialogHost host(nullptr);
  std::unique_ptr<ProgressMonitor> progress = host.StartProgress("Processing designs");
  QElapsedTimer clock;
  clock.start();
  QProgressDialog* shown = nullptr;
  for (int step = 0; shown == nullptr && clock.elapsed() < 5000; ++step) {
    QVERIFY(progress->Update(step, 1000000));
    QTest::qSleep(10);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<QProgressDialog*>(widget); dialog && dialog->isVisible()) {
        shown = dialog;
      }
    }
  }
  QVERIFY(shown != nullptr);
  QVERIFY(clock.elapsed() >= 450);
  QCOMPARE(shown->labelText(), QStringLiteral("Processing designs"));
  QCOMPARE(shown->windowTitle(), QStringLiteral("Varnel Grill Designer"));
  shown->findChild<QPushButton*>()->click();
  QVERIFY(!progress->Update(10, 1000000));
}

void DesignerTest::progressStaysHiddenForShortRuns() {
  QtDialogHost host(nullptr);
  {
    std::unique_ptr<ProgressMonitor> progress = host.StartProgress("Processing designs");
    for (int step = 0; step <= 100; ++step) {
      QVERIFY(progress->Update(step, 100));
    }
  }
  QTest::qWait(600);
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    QVERIFY(!(qobject_cast<QProgressDialog*>(widget) && widget->isVisible()));
  }
}

GRILL_QT_TEST(DesignerTest);
#include "designer_test.moc"
