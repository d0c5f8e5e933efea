#include "qt/CuttingPlanWindow.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <stop_token>
#include <thread>

#include "app/PlanPictureSelection.h"
#include "app/PlanTable.h"
#include "export/PlanCsv.h"
#include "platform/Files.h"
#include "platform/ReplaceFile.h"
#include "print/PlanPages.h"
#include "print/TitleBlock.h"
#include "qt/Catalogue.h"
#include "qt/LabelPrinting.h"
#include "qt/PagePrinting.h"
#include "qt/PlanPictureWidget.h"
#include "qt/PrintPaper.h"
#include "qt/TakeFromStockControls.h"

namespace grill {
namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

constexpr int kPictureWidth = 420;  // pixels, at first

// Rows that head, close or explain a group run across the whole table.
bool SpansTheTable(PlanRowKind kind) {
  return kind != PlanRowKind::kPiece;
}

QFont FontFor(PlanRowKind kind, QFont font) {
  font.setBold(kind == PlanRowKind::kGroup);
  font.setItalic(kind == PlanRowKind::kTotals || kind == PlanRowKind::kProblem ||
                 kind == PlanRowKind::kLeftOut || kind == PlanRowKind::kStockNote ||
                 kind == PlanRowKind::kBuy);
  return font;
}

}  // namespace

CuttingPlanWindow::CuttingPlanWindow(JobCuttingPlan plan, PlanUnits units,
                                     print::DrawingSettings print, QWidget* parent)
    : QDialog(parent, Qt::Window),
      plan_(std::move(plan)),
      units_(units),
      print_(std::move(print)),
      table_(new QTableWidget(this)),
      picture_(new PlanPictureWidget(plan_, units_, this)) {
  setWindowTitle(Catalogue::tr("Cutting Plan"));
  FillTable();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  const auto addButton = [&](const QString& text, auto run) {
    QPushButton* button = buttons->addButton(text, QDialogButtonBox::ActionRole);
    connect(button, &QPushButton::clicked, this, run);
  };
  const PageMaker pages = [this](print::PaperSize paper) { return Pages(paper); };
  addButton(Catalogue::tr("Export CSV..."), [this] { ExportCsv(); });
  addButton(Catalogue::tr("Print Preview..."), [this, pages] { PreviewPages(*this, pages); });
  addButton(Catalogue::tr("Print..."), [this, pages] { PrintPagesWithDialog(*this, pages); });
  addButton(Catalogue::tr("Export PDF..."), [this, pages] {
    ExportPagesPdf(*this, Catalogue::tr("Export PDF"),
                   print::JobTitle(print_) + " cutting plan.pdf",
                   Catalogue::tr("Cutting plan: %1").arg(Text(print::JobTitle(print_))), pages);
  });
  addButton(Catalogue::tr("Print Labels..."),
            [this] { PrintLabelsWithDialog(*this, plan_, units_, print::JobTitle(print_)); });
  stock_ = new TakeFromStockControls(plan_, *buttons, *this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

  // The picture beside the table; each selects in the other.
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(table_);
  auto* scroll = new QScrollArea(splitter);
  scroll->setWidgetResizable(true);
  scroll->setWidget(picture_);
  splitter->addWidget(scroll);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  picture_->onStripClicked = [this](std::size_t strip) { SelectFirstRowOf(strip); };
  connect(table_, &QTableWidget::itemSelectionChanged, this,
          [this, scroll] { HighlightSelectedBar(*scroll); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter);
  layout->addWidget(&stock_->Status());
  layout->addWidget(buttons);
  // Wide enough for every column as its contents need, lengths in two units
  // included, within the screen.
  int columns = 0;
  for (int c = 0; c < kPlanColumns; ++c) {
    columns += table_->horizontalHeader()->sectionSize(c);
  }
  const int wanted = columns + kPictureWidth + table_->verticalScrollBar()->sizeHint().width() +
                     2 * table_->frameWidth() + layout->contentsMargins().left() +
                     layout->contentsMargins().right();
  const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
  const int room = screen != nullptr ? screen->availableGeometry().width() * 9 / 10 : wanted;
  resize(std::clamp(wanted, 800, std::max(800, room)), 640);
  splitter->setSizes({width() - kPictureWidth, kPictureWidth});
  // The design column takes what the window gives beyond that.
  table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
}

void CuttingPlanWindow::FillTable() {
  const auto header = PlanWindowHeader(units_);
  const std::vector<PlanWindowRow> rows = PlanWindowRows(plan_, units_);
  table_->setColumnCount(kPlanColumns);
  table_->setRowCount(static_cast<int>(rows.size()));
  QStringList labels;
  for (const std::string& label : header) {
    labels << CoreText(label);
  }
  table_->setHorizontalHeaderLabels(labels);
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setFocusPolicy(Qt::NoFocus);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  // Every other bar is shaded, so that a bar's pieces read as one block.
  bool shaded = false;
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const PlanWindowRow& row = rows[static_cast<size_t>(r)];
    const bool startsBar = row.kind == PlanRowKind::kPiece && !row.cells[0].empty();
    shaded = row.kind == PlanRowKind::kPiece ? shaded != startsBar : false;
    for (int c = 0; c < kPlanColumns; ++c) {
      auto* item = new QTableWidgetItem(Text(row.cells[static_cast<size_t>(c)]));
      item->setFont(FontFor(row.kind, table_->font()));
      if (row.kind == PlanRowKind::kGroup) {
        item->setBackground(palette().mid());
      } else if (shaded) {
        item->setBackground(palette().alternateBase());
      }
      // Numbers line up at the right, as in a cut list.
      if (row.kind == PlanRowKind::kPiece && c != 2 && c != 4) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      }
      table_->setItem(r, c, item);
    }
    if (SpansTheTable(row.kind)) {
      table_->setSpan(r, 0, 1, kPlanColumns);
    }
  }
  table_->resizeColumnsToContents();
}

void CuttingPlanWindow::SelectFirstRowOf(std::size_t strip) {
  if (const auto row = FirstRowOfStrip(picture_->Sheet(), PlanWindowRows(plan_, units_), strip)) {
    table_->selectRow(static_cast<int>(*row));
    table_->scrollToItem(table_->item(static_cast<int>(*row), 0));
  }
}

void CuttingPlanWindow::HighlightSelectedBar(QScrollArea& scroll) {
  const QList<QTableWidgetItem*> selected = table_->selectedItems();
  const std::optional<std::size_t> strip =
      selected.isEmpty() ? std::nullopt
                         : StripOfRow(picture_->Sheet(), PlanWindowRows(plan_, units_),
                                      static_cast<std::size_t>(selected.front()->row()));
  picture_->Highlight(strip);
  if (strip) {
    const QRect area = picture_->StripArea(*strip).toAlignedRect();
    scroll.ensureVisible(area.center().x(), area.center().y(), 0, area.height());
  }
}

QString CuttingPlanWindow::WriteCsv(const QString& path) const {
  // Through a temporary file renamed into place: a failed write leaves an earlier plan
  // whole, and a link planted under the name is replaced, never written through.
  StdFiles files;
  if (const auto error =
          ReplaceFile(files, QFile::encodeName(path).toStdString(), PlanCsv(plan_, units_))) {
    return QString::fromStdString(*error);
  }
  return {};
}

std::vector<print::Page> CuttingPlanWindow::Pages(print::PaperSize paper) const {
  print::DrawingSettings settings = print_;
  settings.paper = paper;
  return print::BuildCuttingPlanPages(plan_, units_, settings);
}

void CuttingPlanWindow::ExportCsv() {
  const QString path = QFileDialog::getSaveFileName(this, Catalogue::tr("Export CSV"),
                                                    QStringLiteral("cutting-plan.csv"),
                                                    Catalogue::tr("CSV (*.csv)"));
  if (path.isEmpty()) {
    return;  // cancelled
  }
  if (const QString error = WriteCsv(path); !error.isEmpty()) {
    QMessageBox::warning(this, Catalogue::tr("Export CSV"),
                         Catalogue::tr("Cannot write %1: %2").arg(path, error));
  }
}

namespace {

// Plans on a worker thread while a progress dialog keeps the designer
// painted; its button stops the search and takes the plans found so far.
JobCuttingPlan PlanWithProgress(const CuttingPlanRequest& request, QWidget* parent) {
  QProgressDialog progress(Catalogue::tr("Looking for the plan with the fewest stock bars..."),
                           Catalogue::tr("Use Best So Far"), 0, 1, parent);
  progress.setWindowTitle(Catalogue::tr("Cutting Plan"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(400);  // quick plans show no dialog
  progress.setAutoReset(false);
  progress.setAutoClose(false);
  progress.setValue(0);  // starts the clock of the minimum duration
  QEventLoop planned;
  JobCuttingPlan plan;
  std::exception_ptr failure;
  std::jthread worker([&](std::stop_token stop) {
    JobPlanOptions options;
    options.stop = std::move(stop);
    options.progress = [&progress](std::size_t done, std::size_t groups) {
      QMetaObject::invokeMethod(&progress, [&progress, done, groups] {
        progress.setMaximum(static_cast<int>(groups));
        progress.setValue(static_cast<int>(done));
      });
    };
    try {
      plan = PlanRequest(request, options);
    } catch (...) {
      failure = std::current_exception();  // rethrown on the designer's thread
    }
    QMetaObject::invokeMethod(&planned, &QEventLoop::quit, Qt::QueuedConnection);
  });
  QObject::connect(&progress, &QProgressDialog::canceled, &progress,
                   [&worker] { worker.request_stop(); });
  QApplication::setOverrideCursor(Qt::BusyCursor);
  planned.exec();
  QApplication::restoreOverrideCursor();
  worker.join();
  if (failure) {
    std::rethrow_exception(failure);
  }
  return plan;
}

}  // namespace

CuttingPlanWindow* ShowCuttingPlan(CGrillDesignerDlg& designer, QWidget* parent) {
  PreparedCuttingPlan prepared = designer.PrepareCuttingPlan();
  if (!prepared.request) {
    QMessageBox::information(parent, Catalogue::tr("Cutting Plan"), CoreText(prepared.message));
    return nullptr;
  }
  JobCuttingPlan plan = PlanWithProgress(*prepared.request, parent);
  const JobSession& job = designer.Job();
  print::DrawingSettings print{print::kA4, Unit::Millimetres,
                               job.Path().empty() ? std::string() : job.DisplayName(),
                               DrawingDate(), designer.State().document.Details()};
  auto* window =
      new CuttingPlanWindow(std::move(plan), prepared.request->units, std::move(print), parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}

QAction* CreateCuttingPlanAction(QObject* owner, CGrillDesignerDlg& designer, QWidget* parent) {
  auto* action = new QAction(Catalogue::tr("Cutting Plan..."), owner);
  QObject::connect(action, &QAction::triggered, owner,
                   [&designer, parent] { ShowCuttingPlan(designer, parent); });
  return action;
}

}  // namespace grill
