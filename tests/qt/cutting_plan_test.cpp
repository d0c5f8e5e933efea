#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>

#include "QtTestRegistry.h"
#include "QtTestSupport.h"
#include "app/PlanPictureSelection.h"
#include "app/PlanTable.h"
#include "cutting/PlanFigures.h"
#include "export/PlanCsv.h"
#include "model/Measurements.h"
#include "print/PlanPages.h"
#include "qt/CuttingPlanWindow.h"
#include "qt/PagePainter.h"
#include "qt/PlanPictureWidget.h"
#include "qt/QtDialogHost.h"

using namespace grill;
using namespace grill::testing;

// The cutting plan window on the designer's real start-up: opened from the
// context menu's action, filled from the core's rows, grabbed into the build's screenshots folder.
class CuttingPlanTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QtDialogHost::fileChooser = nullptr; }
  void windowShowsThePlanAndWritesCsv();
  void exportPdfHoldsEveryPieceAndTotal();
  void unwritablePdfTellsWhyAndLeavesNoFile();
  void withoutStockFileTellsWhy();
  void stockNotesHeadTheTable();
  void pictureAndTableSelectEachOther();
  void planPagePaintsThePicture();
  void takeFromStockOnceAndUndoIt();
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

void ClickButton(QWidget& window, const QString& text) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == text) {
      button->click();
      return;
    }
  }
  QFAIL(qPrintable(QStringLiteral("no button ") + text));
}

// Two designs planned from the stock above.
void MakeJob(StartedDesigner& run) {
  WriteFile(run.folder.Path("Stock.txt"), kStock);
  QtControls& controls = run.designer.Controls();
  TypeInto(controls, kQuantityEdit, QStringLiteral("2"));
  CreateDesign(controls, QStringLiteral("Kitchen"), QStringLiteral("1030"), QStringLiteral("830"),
               QStringLiteral("3"), QStringLiteral("2"));
  TypeInto(controls, kQuantityEdit, QStringLiteral("1"));
  CreateDesign(controls, QStringLiteral("Hall"), QStringLiteral("630"), QStringLiteral("1430"),
               QStringLiteral("1"), QStringLiteral("4"));
}

// The text pdftotext reads from `path`, runs of blanks made one space; empty
// when pdftotext is not installed.
// What a poppler tool prints for `arguments`, or empty without the tool.
QByteArray PopplerOutput(const char* tool, const QStringList& arguments) {
  const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
  if (program.isEmpty()) {
    return {};
  }
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(30000);
  return process.readAllStandardOutput();
}

QString PdfText(const QString& path) {
  // The PDF's font sets "ff" as one glyph, which reads back as a ligature.
  QString text = QString::fromUtf8(PopplerOutput("pdftotext", {QStringLiteral("-layout"), path,
                                                               QStringLiteral("-")}))
                     .normalized(QString::NormalizationForm_KC);
  return text.replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
}

}  // namespace

void CuttingPlanTest::windowShowsThePlanAndWritesCsv() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  MakeJob(run);
  QVERIFY2(answerer.messages.empty(), qPrintable(answerer.Texts().join('|')));

  CuttingPlanWindow* window = OpenPlanWindow(run.designer);
  QVERIFY2(window != nullptr, qPrintable(answerer.Texts().join('|')));
  QVERIFY(QTest::qWaitForWindowExposed(window));
  window->resize(1000, 700);

  // Every row the core made is in the table, in its order.
  const CuttingPlanOutcome outcome = run.designer.Designer().CuttingPlan();
  QVERIFY(outcome.plan.has_value());
  const std::vector<PlanWindowRow> rows = PlanWindowRows(*outcome.plan, outcome.units);
  QTableWidget& table = window->Table();
  QCOMPARE(table.rowCount(), static_cast<int>(rows.size()));
  QCOMPARE(table.item(0, 0)->text(), QString::fromStdString(rows[0].cells[0]));
  QCOMPARE(table.columnSpan(0, 0), kPlanColumns);
  QCOMPARE(table.item(1, 3)->text(), QString::fromStdString(rows[1].cells[3]));

  table.selectRow(2);  // the first bar's first piece, its strip highlighted
  QVERIFY(window->grab().toImage().save(ScreenshotPath("cutting-plan.png")));

  const QString csvPath = run.folder.Path("plan.csv");
  QCOMPARE(window->WriteCsv(csvPath), QString());
  QFile csv(csvPath);
  QVERIFY(csv.open(QIODevice::ReadOnly));
  QCOMPARE(csv.readAll().toStdString(), PlanCsv(*outcome.plan, outcome.units));
  // A folder that is not there: the reason comes back and no file is made.
  const QString nowhere = run.folder.Path("missing/plan.csv");
  QVERIFY(!window->WriteCsv(nowhere).isEmpty());
  QVERIFY(!QFile::exists(nowhere));
  window->close();
}

void CuttingPlanTest::exportPdfHoldsEveryPieceAndTotal() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  MakeJob(run);
  CuttingPlanWindow* window = OpenPlanWindow(run.designer);
  QVERIFY2(window != nullptr, qPrintable(answerer.Texts().join('|')));
  const QString path = run.folder.Path("plan.pdf");
  std::string suggested;
  QtDialogHost::fileChooser = [&](bool save, std::string_view offered) {
    suggested = offered;
    return save ? std::optional<std::string>(path.toStdString()) : std::nullopt;
  };
  ClickButton(*window, QStringLiteral("Export PDF..."));
  QVERIFY2(answerer.messages.empty(), qPrintable(answerer.Texts().join('|')));
  QCOMPARE(suggested, std::string("Untitled cutting plan.pdf"));
  QVERIFY(QFile::exists(path));
  // Kept beside the screenshots, to be looked at.
  QFile::remove(ScreenshotPath("cutting-plan.pdf"));
  QVERIFY(QFile::copy(path, ScreenshotPath("cutting-plan.pdf")));

  const QString text = PdfText(path);
  if (text.isEmpty()) {
    QSKIP("pdftotext is not installed");
  }
  const CuttingPlanOutcome outcome = run.designer.Designer().CuttingPlan();
  QVERIFY(outcome.plan.has_value());
  QVERIFY(text.contains(QStringLiteral("Cutting Plan")));
  QVERIFY(text.contains(QStringLiteral("Page 1 of 1")));
  // Viewers show the document's title: this is no drawing.
  QVERIFY(PopplerOutput("pdfinfo", {path}).contains("Cutting plan: Untitled"));
  const PlanUnits units = outcome.units;
  for (const PlannedGroup& group : outcome.plan->groups) {
    QVERIFY2(group.plan.has_value(), group.problem.c_str());
    for (const cutplan::StockBar& bar : group.plan->bars) {
      const std::string rest = FormatPlanLength(bar.rest, units) +
                               (bar.restKind == cutplan::RestKind::Offcut ? " offcut" : " waste");
      QVERIFY2(text.contains(QString::fromStdString(rest)), qPrintable(text));
      for (const cutplan::CutPiece& piece : bar.pieces) {
        const std::string words = piece.label + " (" + piece.name + ") " +
                                  FormatPlanLength(piece.length, units) + " " + piece.tag;
        QVERIFY2(text.contains(QString::fromStdString(words)), words.c_str());
      }
    }
    const PlanFigures figures = FiguresOf(*group.plan);
    const std::string totals = "Bars used " + std::to_string(figures.bars) + ", lower bound " +
                               std::to_string(figures.barBound) + ", " +
                               QualityWords(figures, units) + ", waste " +
                               FormatFixed(figures.wastePercent, 1) + " %";
    QVERIFY2(text.contains(QString::fromStdString(totals)), totals.c_str());
  }
  window->close();
}

void CuttingPlanTest::unwritablePdfTellsWhyAndLeavesNoFile() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  MakeJob(run);
  CuttingPlanWindow* window = OpenPlanWindow(run.designer);
  QVERIFY(window != nullptr);
  const QString path = run.folder.Path("missing/plan.pdf");
  QtDialogHost::fileChooser = [&](bool, std::string_view) {
    return std::optional<std::string>(path.toStdString());
  };
  ClickButton(*window, QStringLiteral("Export PDF..."));
  QCOMPARE(answerer.messages.size(), size_t{1});
  QVERIFY2(answerer.messages[0].text.startsWith(QStringLiteral("Cannot write ")),
           qPrintable(answerer.messages[0].text));
  QVERIFY(!QFile::exists(path));
  QVERIFY(!QDir(run.folder.Path("missing")).exists());
  window->close();
}

void CuttingPlanTest::withoutStockFileTellsWhy() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  QCOMPARE(OpenPlanWindow(run.designer), nullptr);
  QCOMPARE(answerer.messages.size(), size_t{1});
  QVERIFY(answerer.messages[0].text.startsWith(QStringLiteral("No Stock.txt: ")));
}

GRILL_QT_TEST(CuttingPlanTest);
// A slip in Stock.txt is said where the plan is read, not only on standard
// error.
void CuttingPlanTest::stockNotesHeadTheTable() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  MakeJob(run);
  WriteFile(run.folder.Path("Stock.txt"),
            "<stock>\nGB, 6000;\nE1, 5800;\n<\\stock>\n<saw>\nKERF=-3, TRIMHEAD=10;\n<\\saw>\n");
  CuttingPlanWindow* window = OpenPlanWindow(run.designer);
  QVERIFY2(window != nullptr, qPrintable(answerer.Texts().join('|')));
  QTableWidget& table = window->Table();
  QCOMPARE(table.item(0, 0)->text(),
           QStringLiteral("Stock.txt: Config Error:?Err Line 6: negative measurement KERF=-3"));
  QCOMPARE(table.columnSpan(0, 0), kPlanColumns);
  QVERIFY(table.item(0, 0)->font().italic());
  window->close();
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Take from Stock... asks, takes the plan's offcuts into Inventory.txt and
// says the plan is taken; a second take is refused; Undo Take puts the file
// back byte for byte.
void CuttingPlanTest::takeFromStockOnceAndUndoIt() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  MakeJob(run);
  const QString inventoryPath = run.folder.Path("Inventory.txt");
  const QByteArray before = "# the racks\nremnant GB 01 450 2\n";
  WriteFile(inventoryPath, before);
  CuttingPlanWindow* window = OpenPlanWindow(run.designer);
  QVERIFY2(window != nullptr, qPrintable(answerer.Texts().join('|')));
  QLabel* status = nullptr;
  for (QLabel* label : window->findChildren<QLabel*>()) {
    status = label;
  }
  QVERIFY(status != nullptr);

  ClickButton(*window, QStringLiteral("Take from Stock..."));  // No, the default answer
  QCOMPARE(answerer.messages.size(), size_t{1});
  QVERIFY(answerer.messages[0].text.startsWith(QStringLiteral("Take this plan from stock?")));
  QCOMPARE(ReadFile(inventoryPath), before);

  answerer.answerYes = true;
  ClickButton(*window, QStringLiteral("Take from Stock..."));
  QCOMPARE(answerer.messages.size(), size_t{3});
  QVERIFY2(answerer.messages[2].text.startsWith(QStringLiteral("Taken from stock: ")),
           qPrintable(answerer.messages[2].text));
  const QByteArray after = ReadFile(inventoryPath);
  QVERIFY(after.contains("remnant GB 01 450 2\n"));
  QVERIFY(after != before);
  QCOMPARE(status->text(), QStringLiteral("This plan was taken from stock."));

  ClickButton(*window, QStringLiteral("Take from Stock..."));
  QCOMPARE(answerer.messages.back().text,
           QStringLiteral("This plan was already taken from stock."));
  QCOMPARE(ReadFile(inventoryPath), after);

  ClickButton(*window, QStringLiteral("Undo Take"));
  QCOMPARE(ReadFile(inventoryPath), before);
  QCOMPARE(status->text(), QString());
  window->close();
}

#include "cutting_plan_test.moc"

// A strip clicked selects the first row of its first bar; a row selected
// highlights the strip that draws its bar, or none for a row of no bar.
void CuttingPlanTest::pictureAndTableSelectEachOther() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  MakeJob(run);
  CuttingPlanWindow* window = OpenPlanWindow(run.designer);
  QVERIFY2(window != nullptr, qPrintable(answerer.Texts().join('|')));
  QVERIFY(QTest::qWaitForWindowExposed(window));
  PlanPictureWidget& picture = window->Picture();
  QTableWidget& table = window->Table();
  const CuttingPlanOutcome outcome = run.designer.Designer().CuttingPlan();
  QVERIFY(outcome.plan.has_value());
  const std::vector<PlanWindowRow> rows = PlanWindowRows(*outcome.plan, outcome.units);
  QVERIFY(picture.width() > 100);
  const print::PictureSheet& sheet = picture.Sheet();
  QVERIFY(!sheet.bars.empty());
  const auto selectedRow = [&table]() -> int {
    const QList<QTableWidgetItem*> selected = table.selectedItems();
    return selected.isEmpty() ? -1 : selected.front()->row();
  };
  for (std::size_t strip = 0; strip < sheet.bars.size(); ++strip) {
    QTest::mouseClick(&picture, Qt::LeftButton, {}, picture.StripArea(strip).center().toPoint());
    const std::optional<std::size_t> row = FirstRowOfStrip(sheet, rows, strip);
    QVERIFY(row.has_value());
    QCOMPARE(selectedRow(), static_cast<int>(*row));
    QCOMPARE(picture.Highlighted(), std::optional<std::size_t>(strip));
  }
  for (std::size_t row = 0; row < rows.size(); ++row) {
    table.selectRow(static_cast<int>(row));
    QCOMPARE(picture.Highlighted(), StripOfRow(sheet, rows, row));
    QCOMPARE(picture.Highlighted().has_value(), rows[row].kind == PlanRowKind::kPiece);
  }
  // A click beside every strip changes nothing.
  table.selectRow(static_cast<int>(*FirstRowOfStrip(sheet, rows, 0)));
  QTest::mouseClick(&picture, Qt::LeftButton, {}, QPoint(picture.width() - 2, 2));
  QCOMPARE(picture.Highlighted(), std::optional<std::size_t>(0));
  window->close();
}

namespace {

// The mean grey (0 black, 255 white) of the pixels inside `box`, its edges
// left out.
double MeanGrey(const QImage& image, const print::Box& box, double pixelsPerMillimetre) {
  const QRect area = QRectF(box.left * pixelsPerMillimetre, box.top * pixelsPerMillimetre,
                            box.width * pixelsPerMillimetre, box.height * pixelsPerMillimetre)
                         .toAlignedRect()
                         .adjusted(2, 2, -2, -2);
  double sum = 0.0;
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      sum += qGray(image.pixel(x, y));
      ++count;
    }
  }
  return count > 0 ? sum / count : 255.0;
}

}  // namespace

// The plan's first page as the printer gets it: pieces light, waste shaded
// darker, an offcut's hatching dark on white. Saved for the README.
void CuttingPlanTest::planPagePaintsThePicture() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  MakeJob(run);
  const CuttingPlanOutcome outcome = run.designer.Designer().CuttingPlan();
  QVERIFY(outcome.plan.has_value());
  const std::vector<print::Page> pages = print::BuildCuttingPlanPages(
      *outcome.plan, outcome.units, {print::kA4, Unit::Millimetres, "Shop", "2026-12-09"});
  QVERIFY(!pages.empty());
  const print::Page& page = pages.front();
  constexpr double kPixelsPerMillimetre = 744.0 / 210.0;
  QImage image(static_cast<int>(page.width * kPixelsPerMillimetre),
               static_cast<int>(page.height * kPixelsPerMillimetre), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    PaintPage(painter, page, kPixelsPerMillimetre);
  }
  std::optional<double> piece;
  std::optional<double> waste;
  std::optional<double> offcut;
  for (const print::Item& item : page.items) {
    const auto* rect = std::get_if<print::Rect>(&item);
    if (rect == nullptr || rect->box.width * kPixelsPerMillimetre < 8.0) {
      continue;  // too narrow to tell its inside from its edges
    }
    const double grey = MeanGrey(image, rect->box, kPixelsPerMillimetre);
    if (rect->role == print::Role::PlanPiece && !piece) {
      piece = grey;
    } else if (rect->role == print::Role::PlanWaste && !waste) {
      waste = grey;
    } else if (rect->role == print::Role::PlanOffcut && !offcut) {
      offcut = grey;
    }
  }
  QVERIFY(piece && waste && offcut);
  QVERIFY2(*waste < *piece - 30, qPrintable(QStringLiteral("%1 %2").arg(*waste).arg(*piece)));
  QVERIFY2(*offcut < 245 && *offcut > 150, qPrintable(QString::number(*offcut)));
  QVERIFY(image.save(ScreenshotPath("cutting-plan-page.png")));
}
