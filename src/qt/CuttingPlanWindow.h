#pragma once

#include <QDialog>
#include <QString>
#include <cstddef>

#include "app/GrillDesignerDlg.h"
#include "cutting/JobCuttingPlan.h"
#include "cutting/PlanFigures.h"
#include "print/DrawingSettings.h"
#include "print/PageItems.h"

class QAction;
class QObject;
class QScrollArea;
class QTableWidget;
class QWidget;

namespace grill {

class PlanPictureWidget;
class TakeFromStockControls;

// The cutting plan of the job: per group its stock bars with their pieces in
// cutting order, each bar's rest, and the group's totals, with the bars'
// picture beside it (a row selected highlights its bar's strip, a strip
// clicked selects its first row); Export CSV...
// writes one line per stock bar, Print Preview..., Print... and Export PDF...
// put the plan on paper under the job's name and date, Print Labels... a
// label for every piece; Take from Stock... takes it out of the inventory,
// once, and Undo Take puts that back. Lengths in `unit`, the
// cut files' unit. Only shows rows, text and pages the core made.
class CuttingPlanWindow : public QDialog {
 public:
  // `print` gives the job's name, date and details; the paper is chosen per
  // print.
  CuttingPlanWindow(JobCuttingPlan plan, PlanUnits units, print::DrawingSettings print,
                    QWidget* parent);

  // Writes the plan's CSV text to `path`; the error text, or empty.
  QString WriteCsv(const QString& path) const;
  QTableWidget& Table() { return *table_; }
  PlanPictureWidget& Picture() { return *picture_; }

 private:
  void FillTable();
  // The table and the picture select each other.
  void SelectFirstRowOf(std::size_t strip);
  void HighlightSelectedBar(QScrollArea& scroll);
  void ExportCsv();
  // The plan's pages on `paper`.
  std::vector<print::Page> Pages(print::PaperSize paper) const;

  JobCuttingPlan plan_;
  PlanUnits units_;
  print::DrawingSettings print_;
  QTableWidget* table_;           // owned by the window
  PlanPictureWidget* picture_;    // owned by the window
  TakeFromStockControls* stock_;  // owned by the window
};

// Plans the job and opens its window beside `parent`; without Stock.txt tells
// why there is none in a message box and returns null. The window deletes
// itself when closed.
CuttingPlanWindow* ShowCuttingPlan(CGrillDesignerDlg& designer, QWidget* parent);

// "Cutting Plan...": the action that calls ShowCuttingPlan, owned by `owner`
// (a menu, or the menu bar's menu).
QAction* CreateCuttingPlanAction(QObject* owner, CGrillDesignerDlg& designer, QWidget* parent);

}  // namespace grill
