#include "cutting/PlanFigures.h"

#include "model/Measurements.h"

namespace grill {

PlanFigures FiguresOf(const cutplan::GroupPlan& plan) {
  PlanFigures figures;
  figures.bars = static_cast<std::int64_t>(plan.bars.size());
  figures.barBound = plan.barBound;
  figures.optimal = plan.optimal;
  figures.barsOverBound = figures.bars > plan.barBound ? figures.bars - plan.barBound : 0;
  figures.lengthOverBound = cutplan::TotalStockLength(plan) - plan.lengthBound;
  double stock = 0.0;
  double used = 0.0;
  for (const cutplan::StockBar& bar : plan.bars) {
    stock += bar.stockLength;
    for (const cutplan::CutPiece& piece : bar.pieces) {
      used += piece.length;
    }
    if (bar.restKind == cutplan::RestKind::Offcut) {
      used += bar.rest;
    }
  }
  figures.wastePercent = stock > 0.0 ? (stock - used) / stock * 100.0 : 0.0;
  return figures;
}

std::string FormatCutLength(double millimetres, CutUnit unit) {
  if (unit == CutUnit::kInches) {
    return FormatFixed(millimetres * kInchesPerMillimetre, 3);
  }
  return FormatFixed(millimetres, 1);
}

std::string CutUnitName(CutUnit unit) {
  return unit == CutUnit::kInches ? "in" : "mm";
}

std::string QualityWords(const PlanFigures& figures, CutUnit unit) {
  if (figures.optimal) {
    return "optimal";
  }
  if (figures.barsOverBound > 0) {
    return FormatInteger(figures.barsOverBound) + (figures.barsOverBound == 1 ? " bar" : " bars") +
           " above the lower bound";
  }
  return "optimal in bars; " + FormatCutLength(figures.lengthOverBound, unit) + " " +
         CutUnitName(unit) + " above the length bound";
}

}  // namespace grill
