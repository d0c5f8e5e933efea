#include "qt/LabelPrinting.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

#include "cutting/PieceLabels.h"
#include "print/LabelPages.h"
#include "qt/Catalogue.h"
#include "qt/PagePainter.h"
#include "qt/PrintPaper.h"

namespace grill {
namespace {

constexpr double kMillimetresPerInch = 25.4;

// The page's own sheet, turned as the page stands.
QPageLayout LayoutOf(const print::Page& page) {
  const QSizeF portrait(std::min(page.width, page.height), std::max(page.width, page.height));
  return QPageLayout(QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                     page.width > page.height ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF());
}

print::LabelSheet LocaleSheet() {
  return LocalePaper().width == print::kLetter.width ? print::LabelSheet::kLetterSheet
                                                     : print::LabelSheet::kA4Sheet;
}

// The dialog's "Labels" tab: the sheets by name, the locale's chosen.
QComboBox* AddSheetChoice(QPrintDialog& dialog) {
  auto* tab = new QWidget(&dialog);
  tab->setWindowTitle(Catalogue::tr("Labels"));
  auto* sheets = new QComboBox(tab);
  for (const print::LabelSheet sheet : print::AllLabelSheets()) {
    sheets->addItem(CoreText(print::LabelSheetTitle(sheet)), static_cast<int>(sheet));
  }
  sheets->setCurrentIndex(sheets->findData(static_cast<int>(LocaleSheet())));
  auto* layout = new QFormLayout(tab);
  layout->addRow(Catalogue::tr("Label sheet:"), sheets);
  dialog.setOptionTabs({tab});
  return sheets;
}

}  // namespace

void PrintLabelPages(QPrinter& printer, const std::vector<print::Page>& pages) {
  if (pages.empty()) {
    return;
  }
  printer.setFullPage(true);
  printer.setPageLayout(LayoutOf(pages.front()));
  QPainter painter;
  if (!painter.begin(&printer)) {
    return;
  }
  const double pixelsPerMillimetre = printer.resolution() / kMillimetresPerInch;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) {
      printer.setPageLayout(LayoutOf(pages[i]));
      printer.newPage();
    }
    PaintPage(painter, pages[i], pixelsPerMillimetre);
  }
  painter.end();
}

void PrintLabelsWithDialog(QWidget& parent, const JobCuttingPlan& plan, PlanUnits units,
                           const std::string& jobName) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, &parent);
  dialog.setWindowTitle(Catalogue::tr("Print Labels"));
  const QComboBox* sheets = AddSheetChoice(dialog);
  if (dialog.exec() != QDialog::Accepted) {
    return;
  }
  const auto sheet = static_cast<print::LabelSheet>(sheets->currentData().toInt());
  PrintLabelPages(printer, print::BuildLabelPages(PieceLabels(plan, units, jobName), sheet));
}

}  // namespace grill
