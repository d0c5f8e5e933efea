#include "cutting/PlanFigures.h"

#include <cmath>

#include "model/InchFraction.h"
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

bool SawUnitDiffers(PlanUnits units) {
  return (units.job == Unit::Inches) != (units.saw == CutUnit::kInches);
}

std::string FormatJobLength(double millimetres, Unit unit) {
  if (unit == Unit::Inches) {
    return FormatInchFraction(millimetres);
  }
  if (!std::isfinite(millimetres)) {
    return "?";
  }
  // Below a twentieth a length shows as 0.0 and must not read "-0.0".
  return FormatFixed(std::fabs(millimetres) < 0.05 ? 0.0 : millimetres, 1);
}

std::string FormatPlanLength(double millimetres, PlanUnits units) {
  std::string text = FormatJobLength(millimetres, units.job);
  if (SawUnitDiffers(units)) {
    text += " (" + FormatCutLength(millimetres, units.saw) + ")";
  }
  return text;
}

std::string PlanUnitName(PlanUnits units) {
  const std::string job = units.job == Unit::Inches ? "in" : "mm";
  return SawUnitDiffers(units) ? job + "; saw " + CutUnitName(units.saw) : job;
}

std::string QualityWords(const PlanFigures& figures, PlanUnits units) {
  if (figures.optimal || figures.barsOverBound > 0) {
    return QualityWords(figures, units.saw);
  }
  // Each length with its unit: "59 1/16\" (1499.5 mm)", "1499.5 mm (59.035 in)".
  const double length = figures.lengthOverBound;
  std::string text = FormatJobLength(length, units.job);
  if (units.job == Unit::Millimetres) {
    text += " mm";
  }
  if (SawUnitDiffers(units)) {
    text += " (" + FormatCutLength(length, units.saw) + " " + CutUnitName(units.saw) + ")";
  }
  return "optimal in bars; " + text + " above the length bound";
}

}  // namespace grill
