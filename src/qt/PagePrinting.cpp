#include "qt/PagePrinting.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "model/Measurements.h"
#include "qt/Catalogue.h"
#include "qt/DrawingPdf.h"
#include "qt/PagePainter.h"
#include "qt/PrintPaper.h"
#include "qt/QtDialogHost.h"

namespace grill {
namespace {

QPageLayout::Orientation OrientationOf(const print::Page& page) {
  return page.width > page.height ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// The PDF to write; the tests' stand-in for the designer's file dialogs
// answers when set.
std::optional<QString> ChoosePdfPath(QWidget& parent, const QString& title,
                                     const std::string& suggestedName) {
  if (QtDialogHost::fileChooser) {
    const std::optional<std::string> chosen = QtDialogHost::fileChooser(true, suggestedName);
    return chosen ? std::optional(QFile::decodeName(QByteArray::fromStdString(*chosen)))
                  : std::nullopt;
  }
  const QString path = QFileDialog::getSaveFileName(
      &parent, title, QString::fromStdString(suggestedName), Catalogue::tr("PDF files (*.pdf)"));
  return path.isEmpty() ? std::nullopt : std::optional(path);
}

}  // namespace

void PaintPages(QPrinter& printer, const std::vector<print::Page>& pages, const SheetSetUp& setUp) {
  if (pages.empty()) {
    return;
  }
  printer.setFullPage(true);
  setUp(printer, pages.front());
  QPainter painter;
  if (!painter.begin(&printer)) {
    return;
  }
  const double pixelsPerMillimetre = printer.resolution() / kMillimetresPerInch;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) {
      setUp(printer, pages[i]);
      printer.newPage();
    }
    PaintPage(painter, pages[i], pixelsPerMillimetre);
  }
  painter.end();
}

void PrintPages(QPrinter& printer, const PageMaker& makePages) {
  printer.setFullPage(true);
  PaintPages(printer, makePages(PrinterPaper(printer)),
             [](QPrinter& target, const print::Page& page) {
               target.setPageOrientation(OrientationOf(page));
             });
}

void PreviewPages(QWidget& parent, const PageMaker& makePages) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, &parent);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&makePages](QPrinter* target) { PrintPages(*target, makePages); });
  preview.exec();
}

void PrintPagesWithDialog(QWidget& parent, const PageMaker& makePages) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, &parent);
  if (dialog.exec() == QDialog::Accepted) {
    PrintPages(printer, makePages);
  }
}

void ExportPagesPdf(QWidget& parent, const QString& title, const std::string& suggestedName,
                    const QString& documentTitle, const PageMaker& makePages) {
  const std::optional<QString> path = ChoosePdfPath(parent, title, suggestedName);
  if (!path) {
    return;
  }
  QString error;
  if (!WriteDrawingPdf(makePages(LocalePaper()), *path, documentTitle, error)) {
    QMessageBox::warning(&parent, title, error);
  }
}

}  // namespace grill
