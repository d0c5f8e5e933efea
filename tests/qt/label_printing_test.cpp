#include <QComboBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "QtTestRegistry.h"
#include "QtTestSupport.h"
#include "cutting/PieceLabels.h"
#include "print/LabelPages.h"
#include "qt/CuttingPlanWindow.h"
#include "qt/LabelPrinting.h"

using namespace grill;

// Print Labels... in the cutting plan window, and the labels as a printer
// gets them: each page on a sheet of its own size.
class LabelPrintingTest : public QObject {
  Q_OBJECT

 private slots:
  void windowOffersPrintLabels();
  void printDialogChoosesTheSheet();
  void planWithoutPiecesSaysSo();
  void printerTakesEachSheetsSize_data();
  void printerTakesEachSheetsSize();
};

namespace {

// One group of three pieces on two bars.
JobCuttingPlan ThreePieces() {
  cutplan::GroupPlan bars;
  bars.bars = {
      {6000,
       {{2500, "Kitchen", "H", "Vertical bar 1"}, {2500, "Kitchen", "H", "Vertical bar 2"}},
       985,
       cutplan::RestKind::Offcut},
      {6000, {{1200, "Hall", "W", "Top edge"}}, 4795, cutplan::RestKind::Offcut}};
  JobCuttingPlan plan;
  plan.groups.push_back({StockKind::kBar, "GB", "01", bars, {}, {}});
  return plan;
}

constexpr PlanUnits kMillimetres{Unit::Millimetres, CutUnit::kMillimetres};

QString PdfInfo(const QString& path) {
  const QString program = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
  if (program.isEmpty()) {
    return {};
  }
  QProcess process;
  process.start(program, {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                          QStringLiteral("9"), path});
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

void LabelPrintingTest::windowOffersPrintLabels() {
  CuttingPlanWindow window(ThreePieces(), kMillimetres, {}, nullptr);
  QStringList buttons;
  for (const QPushButton* button : window.findChildren<QPushButton*>()) {
    buttons << button->text();
  }
  QVERIFY2(buttons.contains(QStringLiteral("Print Labels...")), qPrintable(buttons.join('|')));
}

// The dialog is answered from inside its own event loop: its Labels tab
// lists every sheet, and Cancel prints nothing.
void LabelPrintingTest::printDialogChoosesTheSheet() {
  QWidget parent;
  QStringList sheets;
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      return;
    }
    seen = true;
    for (const QComboBox* combo : dialog->findChildren<QComboBox*>()) {
      if (combo->itemText(0) ==
          QString::fromStdString(print::LabelSheetTitle(print::AllLabelSheets().front()))) {
        for (int i = 0; i < combo->count(); ++i) {
          sheets << combo->itemText(i);
        }
      }
    }
    dialog->grab().save(testing::ScreenshotPath("print-labels-dialog.png"));
    dialog->reject();
  });
  PrintLabelsWithDialog(parent, ThreePieces(), kMillimetres, "Shop");
  QVERIFY(seen);
  QCOMPARE(sheets.size(), 3);
  QVERIFY2(sheets.last().startsWith(QStringLiteral("Roll, 62 mm")), qPrintable(sheets.join('|')));
}

void LabelPrintingTest::planWithoutPiecesSaysSo() {
  testing::ModalAnswerer answerer;
  QWidget parent;
  JobCuttingPlan plan;
  plan.groups.push_back({StockKind::kBar, "GB", "01", std::nullopt, "No stock", {}});
  PrintLabelsWithDialog(parent, plan, kMillimetres, "Shop");
  QCOMPARE(answerer.Texts(),
           QStringList{QStringLiteral("The cutting plan has no pieces to label.")});
}

void LabelPrintingTest::printerTakesEachSheetsSize_data() {
  QTest::addColumn<int>("sheet");
  QTest::addColumn<int>("pages");
  QTest::addColumn<QString>("size");
  QTest::newRow("A4") << static_cast<int>(print::LabelSheet::kA4Sheet) << 1
                      << QStringLiteral("595 x 842 pts");
  QTest::newRow("Letter") << static_cast<int>(print::LabelSheet::kLetterSheet) << 1
                          << QStringLiteral("612 x 792 pts");
  // 62 mm wide, as long as the label: 37 mm, whole points in the PDF.
  QTest::newRow("roll") << static_cast<int>(print::LabelSheet::kRoll62) << 3
                        << QStringLiteral("176 x 105 pts");
}

void LabelPrintingTest::printerTakesEachSheetsSize() {
  QFETCH(int, sheet);
  QFETCH(int, pages);
  QFETCH(QString, size);
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("labels.pdf"));
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    PrintLabelPages(printer,
                    print::BuildLabelPages(PieceLabels(ThreePieces(), kMillimetres, "Shop"),
                                           static_cast<print::LabelSheet>(sheet)));
  }
  QVERIFY(QFile::exists(path));
  const QString info = PdfInfo(path);
  if (info.isEmpty()) {
    QSKIP("pdfinfo is not installed");
  }
  QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +%1\n").arg(pages))),
           qPrintable(info));
  for (int page = 1; page <= pages; ++page) {
    const QString line = QStringLiteral("Page %1 size:  %2").arg(page, 4).arg(size);
    QVERIFY2(info.contains(line), qPrintable(line + " in " + info));
  }
}

GRILL_QT_TEST(LabelPrintingTest);
#include "label_printing_test.moc"
