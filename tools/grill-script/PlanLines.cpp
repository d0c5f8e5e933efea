#include "PlanLines.h"

#include <cstdint>

#include "cutting/PlanFigures.h"
#include "cutting/PlanPurchases.h"
#include "model/Measurements.h"

namespace grill {
namespace {

std::string Title(const PlannedGroup& group) {
  return group.key + " " + group.colors;
}

// "optimal", or how far the plan may be from it: "gap 2 bars" over the bound
// on bars, else "gap 1499.5" over the bound on length.
std::string Gap(const PlanFigures& figures, CutUnit unit) {
  if (figures.optimal) {
    return "optimal";
  }
  if (figures.barsOverBound > 0) {
    return "gap " + FormatInteger(figures.barsOverBound) +
           (figures.barsOverBound == 1 ? " bar" : " bars");
  }
  return "gap " + FormatCutLength(figures.lengthOverBound, unit);
}

std::string BarLine(int number, const cutplan::StockBar& bar, CutUnit unit) {
  std::string line = "bar " + FormatInteger(number) + " " + FormatCutLength(bar.stockLength, unit);
  for (const cutplan::CutPiece& piece : bar.pieces) {
    line += " | " + FormatCutLength(piece.length, unit) + " " + piece.tag + " " + piece.label;
  }
  return line + " | rest " + FormatCutLength(bar.rest, unit) + " " +
         (bar.restKind == cutplan::RestKind::Offcut ? "offcut" : "waste");
}

void AddGroupLines(const PlannedGroup& group, CutUnit unit, std::vector<std::string>& lines) {
  lines.push_back("plan " + std::string(group.kind == StockKind::kBar ? "bar " : "edge ") +
                  Title(group));
  if (!group.plan) {
    lines.push_back("none: " + group.problem);
    return;
  }
  int number = 0;
  for (const cutplan::StockBar& bar : group.plan->bars) {
    lines.push_back(BarLine(++number, bar, unit));
  }
  for (const cutplan::Purchase& purchase : group.plan->toBuy) {
    lines.push_back("buy " + FormatCutLength(purchase.length, unit) + " " +
                    FormatInteger(purchase.count) +
                    (purchase.price ? " " + FormatPrice(*purchase.price) : ""));
  }
  const PlanFigures figures = FiguresOf(*group.plan);
  lines.push_back("totals " + Gap(figures, unit) +
                  " waste=" + FormatFixed(figures.wastePercent, 1) + "%");
  if (group.plan->cost) {
    lines.push_back("cost " + FormatPrice(*group.plan->cost) +
                    (group.plan->costBound ? " bound " + FormatPrice(*group.plan->costBound) : ""));
  }
}

std::string GroupLine(const PlannedGroup& group) {
  std::string line = "group " + Title(group);
  if (!group.plan) {
    return line + " none";
  }
  return line + " bars=" + FormatInteger(static_cast<std::int64_t>(group.plan->bars.size())) +
         " bound=" + FormatInteger(group.plan->barBound);
}

}  // namespace

std::vector<std::string> PlanScriptLines(const JobCuttingPlan& plan, CutUnit unit) {
  std::vector<std::string> lines{"unit " + CutUnitName(unit)};
  for (const LeftOutDesign& design : plan.leftOut) {
    lines.push_back("left out " + design.name + ": " + design.reason);
  }
  for (const PlannedGroup& group : plan.groups) {
    AddGroupLines(group, unit, lines);
  }
  for (const PlannedGroup& group : plan.groups) {
    lines.push_back(GroupLine(group));
  }
  for (const std::string& note : plan.stockNotes) {
    lines.push_back("note Stock.txt: " + note);
  }
  for (const std::string& note : plan.inventoryNotes) {
    lines.push_back("note " + std::string(kInventoryFileName) + ": " + note);
  }
  return lines;
}

}  // namespace grill
