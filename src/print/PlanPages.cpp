#include "print/PlanPages.h"

#include <cstdint>
#include <iterator>
#include <string>

#include "cutting/PlanFigures.h"
#include "cutting/PlanPurchases.h"
#include "model/Measurements.h"
#include "print/DesignPages.h"
#include "print/PageFlow.h"
#include "print/PageText.h"
#include "print/PlanPicture.h"
#include "print/Table.h"
#include "print/TextWrap.h"
#include "print/TitleBlock.h"

namespace grill::print {
namespace {

constexpr double kTitleHeight = 14.0;
constexpr double kPlanHeadingSize = 5.0;
constexpr double kLineSize = 2.8;
constexpr double kPlanPadding = 1.0;
constexpr double kPlanGap = 4.0;

// "inches", or "inches (saw: millimetres)" where the saw counts in another unit.
std::string LengthsIn(PlanUnits units) {
  std::string words = units.job == Unit::Inches ? "inches" : "millimetres";
  if (SawUnitDiffers(units)) {
    words += units.saw == CutUnit::kInches ? " (saw: inches)" : " (saw: millimetres)";
  }
  return words;
}

// The heading cell takes the first half of the block; the fields share the
// rest. The job's details, when shown, take a row below both.
void AddPlanTitle(PlanUnits units, const DrawingSettings& settings, Page& page) {
  const Box block = PlanTitleBlock({page.width, page.height}, settings);
  const Box box{block.left, block.top, block.width, kTitleHeight};
  const double headingWidth = box.width / 2;
  page.items.push_back(
      Rect{{box.left, box.top, headingWidth, box.height}, false, Stroke::Thin, Role::Frame});
  page.items.push_back(
      Text{{box.left + kPlanPadding, box.top + (box.height - kPlanHeadingSize * 1.25) / 2,
            headingWidth - 2 * kPlanPadding, kPlanHeadingSize * 1.25},
           "Cutting Plan",
           kPlanHeadingSize,
           Align::Left,
           false,
           true,
           Role::Label});
  const TitleField fields[] = {{"Job", JobTitle(settings)},
                               {"Date", settings.date.empty() ? "-" : settings.date},
                               {"Lengths in", LengthsIn(units)}};
  const double cellWidth = (box.width - headingWidth) / static_cast<double>(std::size(fields));
  double left = box.left + headingWidth;
  for (const TitleField& field : fields) {
    AddFieldCell(field, {left, box.top, cellWidth, box.height}, page);
    left += cellWidth;
  }
  if (ShowsJobDetails(settings)) {
    AddDetailsRow(settings.details, {box.left, box.Bottom(), box.width, kDetailsRowHeight}, page);
  }
  page.items.push_back(Rect{block, false, Stroke::Thick, Role::Frame});
}

// A paragraph set line by line down the flow, running on to the next page
// when it must.
void AddParagraph(PageFlow& flow, const std::string& text, bool bold, Role role) {
  const double lineHeight = kLineSize * kLineSpacing;
  for (const std::string& line : WrapWords(text, flow.Width(), kLineSize)) {
    flow.MakeRoom(lineHeight);
    flow.Add(Text{{flow.left, flow.y, flow.Width(), lineHeight},
                  line,
                  kLineSize,
                  Align::Left,
                  false,
                  bold,
                  role});
    flow.y += lineHeight;
  }
}

std::string PieceText(const cutplan::CutPiece& piece, PlanUnits units) {
  return piece.label + (piece.name.empty() ? "" : " (" + piece.name + ")") + " " +
         FormatPlanLength(piece.length, units) + (piece.tag.empty() ? "" : " " + piece.tag);
}

std::string TotalsText(const cutplan::GroupPlan& plan, PlanUnits units) {
  const PlanFigures figures = FiguresOf(plan);
  return "Bars used " + FormatInteger(figures.bars) + ", lower bound " +
         FormatInteger(figures.barBound) + ", " + QualityWords(figures, units) + ", waste " +
         FormatFixed(figures.wastePercent, 1) + " %";
}

// A bar from the racks says so under its length; a bought one, the plan's
// usual, does not.
TableCell StockText(const cutplan::StockBar& bar, PlanUnits units) {
  TableCell cell{FormatPlanLength(bar.stockLength, units)};
  if (bar.source != cutplan::StockSource::Bought) {
    cell.push_back(SourceWord(bar.source));
  }
  return cell;
}

std::vector<TableColumn> BarColumns(PlanUnits units) {
  const std::string name = PlanUnitName(units);
  return {{"Bar", 0.7, Align::Right},
          {"Stock (" + name + ")", 1.3, Align::Right},
          {"Pieces in cutting order: design (piece), length (" + name + "), tag", 6.0, Align::Left},
          {"Rest (" + name + ")", 1.8, Align::Right}};
}

std::vector<TableRow> BarRows(const cutplan::GroupPlan& plan, PlanUnits units) {
  std::vector<TableRow> rows;
  std::int64_t number = 0;
  for (const cutplan::StockBar& bar : plan.bars) {
    TableCell pieces;
    for (const cutplan::CutPiece& piece : bar.pieces) {
      pieces.push_back(PieceText(piece, units));
    }
    const char* restKind = bar.restKind == cutplan::RestKind::Offcut ? " offcut" : " waste";
    rows.push_back({{FormatInteger(++number)},
                    {StockText(bar, units)},
                    pieces,
                    {FormatPlanLength(bar.rest, units) + restKind}});
  }
  return rows;
}

void AddLeftOut(PageFlow& flow, const std::vector<LeftOutDesign>& leftOut) {
  if (leftOut.empty()) {
    return;
  }
  AddParagraph(flow, "Left out of the plan", true, Role::Label);
  for (const LeftOutDesign& design : leftOut) {
    AddParagraph(flow, design.name + ": " + design.reason, false, Role::Value);
  }
  flow.y += kPlanGap;
}

void AddGroup(PageFlow& flow, const PlannedGroup& group, PlanUnits units) {
  if (!group.plan) {
    AddParagraph(flow, PlanGroupTitle(group), true, Role::Label);
    AddParagraph(flow, "No plan: " + group.problem, false, Role::Value);
  } else {
    AddTable(flow, PlanGroupTitle(group), BarColumns(units), BarRows(*group.plan, units));
    flow.y += kPlanGap;
    AddPlanPicture(flow, *group.plan, group.saw, units, PlanGroupTitle(group));
    // Totals pushed past the table's last page still say whose they are.
    if (flow.MakeRoom(kLineSize * kLineSpacing)) {
      AddParagraph(flow, PlanGroupTitle(group) + " (continued)", true, Role::Label);
    }
    AddParagraph(flow, TotalsText(*group.plan, units), false, Role::Value);
    for (const cutplan::Purchase& purchase : group.plan->toBuy) {
      AddParagraph(flow, PurchaseWords(purchase, units), false, Role::Value);
    }
    if (const std::optional<std::string> cost = CostWords(*group.plan)) {
      AddParagraph(flow, *cost, false, Role::Value);
    }
  }
  flow.y += kPlanGap;
}

}  // namespace

std::string PlanGroupTitle(const PlannedGroup& group) {
  return (group.kind == StockKind::kEdge ? "Edge " : "Bar ") + group.key +
         (group.colors.empty() ? "" : ", colours " + group.colors);
}

Box PlanTitleBlock(const PaperSize& page, const DrawingSettings& settings) {
  return {kPageMargin, kPageMargin, page.width - 2 * kPageMargin,
          kTitleHeight + (ShowsJobDetails(settings) ? kDetailsRowHeight : 0.0)};
}

std::vector<Page> BuildCuttingPlanPages(const JobCuttingPlan& plan, PlanUnits units,
                                        const DrawingSettings& settings) {
  const PaperSize size = Turned(settings.paper, Orientation::Portrait);
  std::vector<Page> pages;
  const auto newPage = [&] {
    pages.push_back(Page{size.width, size.height, {}});
    AddPlanTitle(units, settings, pages.back());
    return PlanTitleBlock(size, settings).Bottom() + kPlanGap;
  };
  PageFlow flow{
      pages,     kPageMargin, size.width - kPageMargin, size.height - kPageMargin - kFooterHeight,
      newPage(), newPage};
  flow.pageTop = flow.y;
  AddLeftOut(flow, plan.leftOut);
  for (const PlannedGroup& group : plan.groups) {
    AddGroup(flow, group, units);
  }
  if (plan.groups.empty()) {
    AddParagraph(flow, "There are no pieces to cut.", false, Role::Value);
  }
  NumberPages(pages, settings);
  return pages;
}

}  // namespace grill::print
