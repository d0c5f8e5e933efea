#include "qt/PrintMenu.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <optional>

#include "app/GrillDesignerDlg.h"
#include "app/PrintCommands.h"
#include "qt/DrawingPdf.h"
#include "qt/PagePainter.h"
#include "qt/PrintPaper.h"
#include "qt/QtDialogHost.h"

namespace grill {
namespace {

constexpr double kMillimetresPerInch = 25.4;

// The scope the user picks; nullopt when there is nothing to print or the
// user cancelled.
std::optional<PrintScope> ChooseScope(QWidget& parent, const CGrillDesignerDlg& designer,
                                      const QString& title) {
  const DesignDocument& document = designer.State().document;
  const std::vector<PrintScope> scopes = PrintScopes(document.Designs(), document.Current());
  if (scopes.empty()) {
    QMessageBox::information(&parent, title,
                             QString::fromUtf8(kNoDesignToPrint.data(), kNoDesignToPrint.size()));
    return std::nullopt;
  }
  if (scopes.size() == 1) {
    return scopes.front();
  }
  QMessageBox question(QMessageBox::Question, title, QStringLiteral("What do you want to print?"),
                       QMessageBox::Cancel, &parent);
  QPushButton* current =
      question.addButton(QStringLiteral("Current design"), QMessageBox::AcceptRole);
  QPushButton* whole = question.addButton(QStringLiteral("Whole job"), QMessageBox::AcceptRole);
  question.setDefaultButton(current);
  question.exec();
  if (question.clickedButton() == current) {
    return PrintScope::CurrentDesign;
  }
  if (question.clickedButton() == whole) {
    return PrintScope::WholeJob;
  }
  return std::nullopt;
}

// The PDF to write, suggested under the job's name; the tests' stand-in for
// the designer's file dialogs answers when set.
std::optional<QString> ChoosePdfPath(QWidget& parent, const QString& title,
                                     const std::string& jobName) {
  const std::string suggested = jobName + ".pdf";
  if (QtDialogHost::fileChooser) {
    const std::optional<std::string> chosen = QtDialogHost::fileChooser(true, suggested);
    return chosen ? std::optional(QFile::decodeName(QByteArray::fromStdString(*chosen)))
                  : std::nullopt;
  }
  const QString path = QFileDialog::getSaveFileName(
      &parent, title, QString::fromStdString(suggested), QStringLiteral("PDF files (*.pdf)"));
  return path.isEmpty() ? std::nullopt : std::optional(path);
}

std::vector<print::Page> PagesFor(const CGrillDesignerDlg& designer, PrintScope scope,
                                  print::PaperSize paper) {
  const DesignDocument& document = designer.State().document;
  print::DrawingSettings settings;
  settings.paper = paper;
  settings.unit = document.DisplayUnit();
  settings.jobName = designer.Job().Path().empty() ? std::string() : designer.Job().DisplayName();
  settings.date = DrawingDate();
  return BuildPrintPages(document.Designs(), document.Current(), scope, settings);
}

QPageLayout::Orientation OrientationOf(const print::Page& page) {
  return page.width > page.height ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// Paints the pages on the printer, each turned as it asks, on the printer's
// paper from its very corner (the pages keep their own margins).
void PrintPages(const CGrillDesignerDlg& designer, PrintScope scope, QPrinter& printer) {
  printer.setFullPage(true);
  const std::vector<print::Page> pages = PagesFor(designer, scope, PrinterPaper(printer));
  if (pages.empty()) {
    return;
  }
  printer.setPageOrientation(OrientationOf(pages.front()));
  QPainter painter;
  if (!painter.begin(&printer)) {
    return;
  }
  const double pixelsPerMillimetre = printer.resolution() / kMillimetresPerInch;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) {
      printer.setPageOrientation(OrientationOf(pages[i]));
      printer.newPage();
    }
    PaintPage(painter, pages[i], pixelsPerMillimetre);
  }
  painter.end();
}

void PreviewPrint(QWidget& parent, const CGrillDesignerDlg& designer) {
  const QString title = QStringLiteral("Print Preview");
  if (const std::optional<PrintScope> scope = ChooseScope(parent, designer, title)) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, &parent);
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested, &preview,
        [&designer, scope](QPrinter* target) { PrintPages(designer, *scope, *target); });
    preview.exec();
  }
}

void Print(QWidget& parent, const CGrillDesignerDlg& designer) {
  const QString title = QStringLiteral("Print");
  if (const std::optional<PrintScope> scope = ChooseScope(parent, designer, title)) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &parent);
    if (dialog.exec() == QDialog::Accepted) {
      PrintPages(designer, *scope, printer);
    }
  }
}

void ExportPdf(QWidget& parent, const CGrillDesignerDlg& designer) {
  const QString title = QStringLiteral("Export PDF");
  const std::optional<PrintScope> scope = ChooseScope(parent, designer, title);
  if (!scope) {
    return;
  }
  const std::optional<QString> path = ChoosePdfPath(parent, title, designer.Job().DisplayName());
  if (!path) {
    return;
  }
  QString error;
  if (!WriteDrawingPdf(PagesFor(designer, *scope, LocalePaper()), *path, error)) {
    QMessageBox::warning(&parent, title, error);
  }
}

}  // namespace

void AddPrintActions(QMenu& menu, QWidget& parent, CGrillDesignerDlg& designer) {
  const auto add = [&](const char* name, const QString& text, QKeySequence shortcut, auto run) {
    QAction* action = menu.addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, &parent,
                     [&parent, &designer, run] { run(parent, designer); });
  };
  add("filePrintPreview", QStringLiteral("Print Pre&view..."), QKeySequence(), PreviewPrint);
  add("filePrint", QStringLiteral("&Print..."), QKeySequence::Print, Print);
  add("fileExportPdf", QStringLiteral("&Export PDF..."), QKeySequence(), ExportPdf);
}

}  // namespace grill
