#include "qt/PrintMenu.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <optional>

#include "app/GrillDesignerDlg.h"
#include "app/PrintCommands.h"
#include "qt/Catalogue.h"
#include "qt/DrawingPdf.h"
#include "qt/PagePrinting.h"
#include "qt/PrintPaper.h"

namespace grill {
namespace {

// The scope the user picks; nullopt when there is nothing to print or the
// user cancelled.
std::optional<PrintScope> ChooseScope(QWidget& parent, const CGrillDesignerDlg& designer,
                                      const QString& title) {
  const DesignDocument& document = designer.State().document;
  const std::vector<PrintScope> scopes = PrintScopes(document.Designs(), document.Current());
  if (scopes.empty()) {
    QMessageBox::information(&parent, title, CoreText(kNoDesignToPrint));
    return std::nullopt;
  }
  if (scopes.size() == 1) {
    return scopes.front();
  }
  QMessageBox question(QMessageBox::Question, title, Catalogue::tr("What do you want to print?"),
                       QMessageBox::Cancel, &parent);
  QPushButton* current =
      question.addButton(Catalogue::tr("Current design"), QMessageBox::AcceptRole);
  QPushButton* whole = question.addButton(Catalogue::tr("Whole job"), QMessageBox::AcceptRole);
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

std::vector<print::Page> PagesFor(const CGrillDesignerDlg& designer, PrintScope scope,
                                  print::PaperSize paper) {
  const DesignDocument& document = designer.State().document;
  print::DrawingSettings settings;
  settings.paper = paper;
  settings.unit = document.DisplayUnit();
  settings.jobName = designer.Job().Path().empty() ? std::string() : designer.Job().DisplayName();
  settings.date = DrawingDate();
  settings.details = document.Details();
  return BuildPrintPages(document.Designs(), document.Current(), scope, settings);
}

PageMaker PagesOf(const CGrillDesignerDlg& designer, PrintScope scope) {
  return [&designer, scope](print::PaperSize paper) { return PagesFor(designer, scope, paper); };
}

void PreviewPrint(QWidget& parent, const CGrillDesignerDlg& designer) {
  if (const std::optional<PrintScope> scope =
          ChooseScope(parent, designer, Catalogue::tr("Print Preview"))) {
    PreviewPages(parent, PagesOf(designer, *scope));
  }
}

void Print(QWidget& parent, const CGrillDesignerDlg& designer) {
  if (const std::optional<PrintScope> scope =
          ChooseScope(parent, designer, Catalogue::tr("Print"))) {
    PrintPagesWithDialog(parent, PagesOf(designer, *scope));
  }
}

void ExportPdf(QWidget& parent, const CGrillDesignerDlg& designer) {
  const QString title = Catalogue::tr("Export PDF");
  if (const std::optional<PrintScope> scope = ChooseScope(parent, designer, title)) {
    ExportPagesPdf(parent, title, designer.Job().DisplayName() + ".pdf", kDrawingsTitle,
                   PagesOf(designer, *scope));
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
  add("filePrintPreview", Catalogue::tr("Print Pre&view..."), QKeySequence(), PreviewPrint);
  add("filePrint", Catalogue::tr("&Print..."), QKeySequence::Print, Print);
  add("fileExportPdf", Catalogue::tr("&Export PDF..."), QKeySequence(), ExportPdf);
}

}  // namespace grill
