#include "app/PlanTable.h"

#include <cstdint>

#include "cutting/PlanFigures.h"
#include "cutting/PlanPurchases.h"
#include "model/Measurements.h"

namespace grill {
namespace {

std::string Heading(const PlannedGroup& group) {
  return group.key + " " + group.colors + (group.kind == StockKind::kBar ? " (bar)" : " (edge)");
}

std::string Totals(const cutplan::GroupPlan& plan, PlanUnits units) {
  const PlanFigures figures = FiguresOf(plan);
  return "bars " + FormatInteger(figures.bars) + ", lower bound " +
         FormatInteger(figures.barBound) + ", " + QualityWords(figures, units) + ", waste " +
         FormatFixed(figures.wastePercent, 1) + " %";
}

std::string Rest(const cutplan::StockBar& bar, PlanUnits units) {
  return FormatPlanLength(bar.rest, units) +
         (bar.restKind == cutplan::RestKind::Offcut ? " offcut" : " waste");
}

// A bar from the racks says so; a bought one, the plan's usual, does not.
std::string StockCell(const cutplan::StockBar& bar, PlanUnits units) {
  std::string cell = FormatPlanLength(bar.stockLength, units);
  if (bar.source != cutplan::StockSource::Bought) {
    cell += " (" + SourceWord(bar.source) + ")";
  }
  return cell;
}

void AddPurchaseRows(const cutplan::GroupPlan& plan, PlanUnits units,
                     std::vector<PlanWindowRow>& rows) {
  for (const cutplan::Purchase& purchase : plan.toBuy) {
    rows.push_back({PlanRowKind::kBuy, {PurchaseWords(purchase, units)}});
  }
  if (const std::optional<std::string> cost = CostWords(plan)) {
    rows.push_back({PlanRowKind::kBuy, {*cost}});
  }
}

// "Hall: Top edge", so that pieces of one length tell their place.
std::string DesignAndPiece(const cutplan::CutPiece& piece) {
  return piece.name.empty() ? piece.label : piece.label + ": " + piece.name;
}

void AddBarRows(const cutplan::GroupPlan& plan, std::size_t group, PlanUnits units,
                std::vector<PlanWindowRow>& rows) {
  std::int64_t number = 0;
  for (std::size_t b = 0; b < plan.bars.size(); ++b) {
    const cutplan::StockBar& bar = plan.bars[b];
    bool first = true;
    for (const cutplan::CutPiece& piece : bar.pieces) {
      PlanWindowRow row{
          PlanRowKind::kPiece,
          {"", "", DesignAndPiece(piece), FormatPlanLength(piece.length, units), piece.tag, ""},
          PlanBarPlace{group, b}};
      if (first) {
        row.cells[0] = FormatInteger(++number);
        row.cells[1] = StockCell(bar, units);
        row.cells[5] = Rest(bar, units);
        first = false;
      }
      rows.push_back(std::move(row));
    }
  }
}

}  // namespace

std::array<std::string, kPlanColumns> PlanWindowHeader(PlanUnits units) {
  const std::string name = PlanUnitName(units);
  return {"Bar", "Stock (" + name + ")", "Design", "Piece (" + name + ")",
          "Tag", "Rest (" + name + ")"};
}

std::vector<PlanWindowRow> PlanWindowRows(const JobCuttingPlan& plan, PlanUnits units) {
  std::vector<PlanWindowRow> rows;
  for (const std::string& note : plan.stockNotes) {
    rows.push_back({PlanRowKind::kStockNote, {"Stock.txt: " + note}});
  }
  for (const std::string& note : plan.inventoryNotes) {
    rows.push_back({PlanRowKind::kStockNote, {std::string(kInventoryFileName) + ": " + note}});
  }
  for (const LeftOutDesign& design : plan.leftOut) {
    rows.push_back({PlanRowKind::kLeftOut, {"Left out: " + design.name + ": " + design.reason}});
  }
  for (std::size_t g = 0; g < plan.groups.size(); ++g) {
    const PlannedGroup& group = plan.groups[g];
    rows.push_back({PlanRowKind::kGroup, {Heading(group)}});
    if (!group.plan) {
      rows.push_back({PlanRowKind::kProblem, {group.problem}});
      continue;
    }
    AddBarRows(*group.plan, g, units, rows);
    rows.push_back({PlanRowKind::kTotals, {Totals(*group.plan, units)}});
    AddPurchaseRows(*group.plan, units, rows);
  }
  return rows;
}

}  // namespace grill
