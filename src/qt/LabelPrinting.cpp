#include "qt/LabelPrinting.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QTabWidget>
#include <QWidget>
#include <algorithm>

#include "cutting/PieceLabels.h"
#include "print/LabelPages.h"
#include "qt/Catalogue.h"
#include "qt/PagePrinting.h"
#include "qt/PrintPaper.h"

namespace grill {
namespace {

// The dialog's "Labels" tab: the sheets by name, the locale's chosen.
QComboBox* AddSheetChoice(QPrintDialog& dialog) {
  auto* tab = new QWidget(&dialog);
  tab->setWindowTitle(Catalogue::tr("Labels"));
  auto* sheets = new QComboBox(tab);
  for (const print::LabelSheet sheet : print::AllLabelSheets()) {
    sheets->addItem(CoreText(print::LabelSheetTitle(sheet)), static_cast<int>(sheet));
  }
  sheets->setCurrentIndex(sheets->findData(static_cast<int>(LocaleLabelSheet())));
  auto* layout = new QFormLayout(tab);
  layout->addRow(Catalogue::tr("Label sheet:"), sheets);
  dialog.setOptionTabs({tab});
  return sheets;
}

// The dialog keeps its option tabs folded away behind a button of the reset
// role; unfolded on the Labels tab, the sheet is chosen where the printer is.
void ShowTab(QPrintDialog& dialog, QWidget* tab) {
  for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>()) {
    for (QAbstractButton* button : box->buttons()) {
      if (box->buttonRole(button) == QDialogButtonBox::ResetRole) {
        button->click();
      }
    }
  }
  for (QTabWidget* tabs : dialog.findChildren<QTabWidget*>()) {
    if (tabs->indexOf(tab) >= 0) {
      tabs->setCurrentWidget(tab);
    }
  }
}

}  // namespace

print::LabelSheet LocaleLabelSheet() {
  return LocalePaper().width == print::kLetter.width ? print::LabelSheet::kLetterSheet
                                                     : print::LabelSheet::kA4Sheet;
}

void PrintLabelPages(QPrinter& printer, const std::vector<print::Page>& pages) {
  PaintPages(printer, pages, [](QPrinter& target, const print::Page& page) {
    target.setPageLayout(PageLayoutOf(page));
  });
}

void PrintLabelsWithDialog(QWidget& parent, const JobCuttingPlan& plan, PlanUnits units,
                           const std::string& jobName) {
  const std::vector<PieceLabel> labels = PieceLabels(plan, units, jobName);
  if (labels.empty()) {
    QMessageBox::information(&parent, Catalogue::tr("Print Labels"),
                             Catalogue::tr("The cutting plan has no pieces to label."));
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, &parent);
  dialog.setWindowTitle(Catalogue::tr("Print Labels"));
  const QComboBox* sheets = AddSheetChoice(dialog);
  ShowTab(dialog, sheets->parentWidget());
  if (dialog.exec() != QDialog::Accepted) {
    return;
  }
  const auto sheet = static_cast<print::LabelSheet>(sheets->currentData().toInt());
  PrintLabelPages(printer, print::BuildLabelPages(labels, sheet));
}

}  // namespace grill
