#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QTableWidget>
#include <QtTest>

#include "QtTestSupport.h"
#include "qt/CuttingPlanWindow.h"

using namespace grill;
using namespace grill::testing;

// The cutting plan window on the designer's real start-up: opened from the
// context menu's action, filled from the core's rows, grabbed into docs/.
class CuttingPlanTest : public QObject {
  Q_OBJECT

 private slots:
  void windowShowsThePlanAndWritesCsv();
  void withoutStockFileTellsWhy();
};

namespace {

// 6 m bars, 3 mm kerf, 10 mm trimmed at the head.
const QByteArray kStock =
    "<stock>\nGB, 6000;\nE1, 5800;\n<\\stock>\n"
    "<saw>\nKERF=3, TRIMHEAD=10, TRIMTAIL=0, MINOFFCUT=500;\n<\\saw>\n";

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QAction* CuttingPlanAction(QMenu& menu) {
  for (QAction* action : menu.actions()) {
    if (action->text() == QStringLiteral("Cutting Plan...")) {
      return action;
    }
  }
  return nullptr;
}

CuttingPlanWindow* OpenPlanWindow(QtDesigner& designer) {
  const std::unique_ptr<QMenu> menu = designer.CreateContextMenu();
  QAction* action = CuttingPlanAction(*menu);
  if (action == nullptr) {
    return nullptr;
  }
  action->trigger();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = dynamic_cast<CuttingPlanWindow*>(widget); window && window->isVisible()) {
      return window;
    }
  }
  return nullptr;
}

}  // namespace

void CuttingPlanTest::windowShowsThePlanAndWritesCsv() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  WriteFile(run.folder.Path("Stock.txt"), kStock);
  QtControls& controls = run.designer.Controls();
  TypeInto(controls, kQuantityEdit, QStringLiteral("2"));
  CreateDesign(controls, QStringLiteral("Kitchen"), QStringLiteral("1030"), QStringLiteral("830"),
               QStringLiteral("3"), QStringLiteral("2"));
  TypeInto(controls, kQuantityEdit, QStringLiteral("1"));
  CreateDesign(controls, QStringLiteral("Hall"), QStringLiteral("630"), QStringLiteral("1430"),
               QStringLiteral("1"), QStringLiteral("4"));
  QVERIFY2(answerer.messages.empty(), qPrintable(answerer.Texts().join('|')));

  CuttingPlanWindow* window = OpenPlanWindow(run.designer);
  QVERIFY2(window != nullptr, qPrintable(answerer.Texts().join('|')));
  QVERIFY(QTest::qWaitForWindowExposed(window));
  window->resize(600, 700);

  // Every row the core made is in the table, in its order.
  const CuttingPlanOutcome outcome = run.designer.Designer().CuttingPlan();
  QVERIFY(outcome.plan.has_value());
  const std::vector<PlanWindowRow> rows = PlanWindowRows(*outcome.plan);
  QTableWidget& table = window->Table();
  QCOMPARE(table.rowCount(), static_cast<int>(rows.size()));
  QCOMPARE(table.item(0, 0)->text(), QString::fromStdString(rows[0].cells[0]));
  QCOMPARE(table.columnSpan(0, 0), kPlanColumns);
  QCOMPARE(table.item(1, 3)->text(), QString::fromStdString(rows[1].cells[3]));

  QDir docs(QStringLiteral(GRILL_SOURCE_DIR "/docs"));
  QVERIFY(window->grab().toImage().save(docs.filePath(QStringLiteral("cutting-plan.png"))));

  const QString csvPath = run.folder.Path("plan.csv");
  QCOMPARE(window->WriteCsv(csvPath), QString());
  QFile csv(csvPath);
  QVERIFY(csv.open(QIODevice::ReadOnly));
  QCOMPARE(csv.readAll().toStdString(), PlanCsv(*outcome.plan));
  window->close();
}

void CuttingPlanTest::withoutStockFileTellsWhy() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  QCOMPARE(OpenPlanWindow(run.designer), nullptr);
  QCOMPARE(answerer.messages.size(), size_t{1});
  QVERIFY(answerer.messages[0].text.startsWith(QStringLiteral("No Stock.txt: ")));
}

QTEST_MAIN(CuttingPlanTest)
#include "cutting_plan_test.moc"
