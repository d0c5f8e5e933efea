#include "print/DesignPages.h"

#include <string>

#include "cutting/Cuttability.h"
#include "model/Measurements.h"
#include "print/GrillDrawing.h"
#include "print/PageFlow.h"
#include "print/PageText.h"
#include "print/Table.h"
#include "print/TitleBlock.h"

namespace grill::print {
namespace {

constexpr double kNoteSize = 2.4;
constexpr double kNoteLine = kNoteSize * 1.25;
constexpr double kDesignGap = 3.0;
// The share of the room below the notes a cut list may take on the first page.
constexpr double kCutListShare = 0.4;
constexpr double kDesignHeadingSize = 3.2;

const std::vector<TableColumn>& CutColumns() {
  static const std::vector<TableColumn> columns{
      {"Group", 2.6, Align::Left},
      {"Pieces", 1.0, Align::Right},
      {"Total", 1.0, Align::Right},
      {"Length", 1.6, Align::Right},
      {"Notches (tool @ position)", 6.0, Align::Left},
  };
  return columns;
}

// "Pieces" are those of one window, "Total" those of the design's quantity:
// what the saw cuts for the order.
std::vector<TableRow> CutRows(const CutTable& cuts, std::int32_t quantity, Unit unit) {
  std::vector<TableRow> rows;
  rows.reserve(cuts.size());
  for (const CutRow& cut : cuts) {
    TableCell notches;
    for (const CutNotch& notch : cut.notches) {
      notches.push_back(notch.toolCode + " @ " + FormatPageLength(notch.position, unit));
    }
    rows.push_back({{cut.group},
                    {FormatInteger(cut.count)},
                    {FormatInteger(std::int64_t{cut.count} * quantity)},
                    {FormatPageLength(cut.length, unit)},
                    notches.empty() ? TableCell{"-"} : notches});
  }
  return rows;
}

// A design whose pieces cannot be cut says why in place of its pieces, so that nobody
// cuts from its drawing what the export refuses to write.
std::vector<TableRow> CutListRows(const GrillWindow& window, const CutTable& cuts, Unit unit) {
  if (const auto problem = FindCuttingProblem(window)) {
    return {{{"Cannot be cut"}, {"-"}, {"-"}, {"-"}, {DescribeCuttingProblem(*problem, unit)}}};
  }
  return CutRows(cuts, window.quantity, unit);
}

Page BlankPage(PaperSize size) {
  return Page{size.width, size.height, {}};
}

double ContentBottom(PaperSize size) {
  return size.height - kPageMargin - kFooterHeight;
}

void AddNotes(const Box& box, Unit unit, Page& page) {
  const char* measuring =
      "Bar centres measured from the inner left edge (vertical bars) and from the inner top edge "
      "(horizontal bars).";
  const std::string lines[] = {std::string(RoundingNote(unit)), measuring};
  double top = box.top;
  for (const std::string& line : lines) {
    page.items.push_back(Text{{box.left, top, box.width, kNoteLine},
                              line,
                              kNoteSize,
                              Align::Left,
                              false,
                              false,
                              Role::Label});
    top += kNoteLine;
  }
}

}  // namespace

DesignLayout LayOutDesign(const GrillWindow& window, const CutTable& cuts,
                          const DrawingSettings& settings, Orientation orientation) {
  DesignLayout layout;
  layout.page = Turned(settings.paper, orientation);
  const double width = layout.page.width - 2 * kPageMargin;
  layout.titleBlock = {kPageMargin, kPageMargin, width, TitleBlockHeight(settings)};
  const double drawingTop = layout.titleBlock.Bottom() + 2 * kNoteLine + kDesignGap;
  const double bottom = ContentBottom(layout.page);
  const double cutListHeight =
      TableHeight(width, CutColumns(), CutListRows(window, cuts, settings.unit)) + kDesignGap;
  layout.cutListOnFirstPage = cutListHeight <= kCutListShare * (bottom - drawingTop);
  const double drawingBottom = layout.cutListOnFirstPage ? bottom - cutListHeight : bottom;
  layout.drawingArea = {kPageMargin, drawingTop, width, drawingBottom - drawingTop};
  return layout;
}

Orientation BestOrientation(const GrillWindow& window, const CutTable& cuts,
                            const DrawingSettings& settings) {
  const auto scale = [&](Orientation orientation) {
    const DesignLayout layout = LayOutDesign(window, cuts, settings, orientation);
    return PlanDrawing(window, layout.drawingArea, settings.unit).scale;
  };
  return scale(Orientation::Landscape) > scale(Orientation::Portrait) ? Orientation::Landscape
                                                                      : Orientation::Portrait;
}

std::vector<Page> BuildDesignPages(const GrillWindow& window, const CutTable& cuts,
                                   const DrawingSettings& settings) {
  const DesignLayout layout =
      LayOutDesign(window, cuts, settings, BestOrientation(window, cuts, settings));
  std::vector<Page> pages{BlankPage(layout.page)};
  const DrawingPlan plan = PlanDrawing(window, layout.drawingArea, settings.unit);
  AddTitleBlock(window, settings, plan.scale, layout.titleBlock, pages.back());
  AddNotes({kPageMargin, layout.titleBlock.Bottom() + 1.0, layout.titleBlock.width, 0.0},
           settings.unit, pages.back());
  AddGrill(window, plan, pages.back());
  AddDimensions(window, plan, settings.unit, pages.back());

  const std::string heading = JobTitle(settings) + " - " + window.name;
  PageFlow flow{pages,
                kPageMargin,
                layout.page.width - kPageMargin,
                ContentBottom(layout.page),
                layout.drawingArea.Bottom() + kDesignGap,
                [&] {
                  pages.push_back(BlankPage(layout.page));
                  pages.back().items.push_back(
                      Text{{kPageMargin, kPageMargin, layout.page.width - 2 * kPageMargin,
                            kDesignHeadingSize * 1.25},
                           heading,
                           kDesignHeadingSize,
                           Align::Left,
                           false,
                           true,
                           Role::Label});
                  return kPageMargin + kDesignHeadingSize * 1.25 + kDesignGap;
                }};
  if (!layout.cutListOnFirstPage) {
    flow.y = flow.continuePage();
    flow.pageTop = flow.y;
  }
  AddTable(flow, "Cut list", CutColumns(), CutListRows(window, cuts, settings.unit));
  return pages;
}

void NumberPages(std::vector<Page>& pages, const DrawingSettings& settings) {
  const std::string total = FormatInteger(static_cast<std::int64_t>(pages.size()));
  for (std::size_t i = 0; i < pages.size(); ++i) {
    Page& page = pages[i];
    const double top = page.height - kPageMargin - kFooterHeight + 1.5;
    const double width = (page.width - 2 * kPageMargin) / 2;
    page.items.push_back(Text{{kPageMargin, top, width, kNoteLine},
                              JobTitle(settings),
                              kNoteSize,
                              Align::Left,
                              false,
                              false,
                              Role::Label});
    page.items.push_back(
        Text{{kPageMargin + width, top, width, kNoteLine},
             "Page " + FormatInteger(static_cast<std::int64_t>(i + 1)) + " of " + total,
             kNoteSize,
             Align::Right,
             false,
             false,
             Role::Label});
  }
}

}  // namespace grill::print
