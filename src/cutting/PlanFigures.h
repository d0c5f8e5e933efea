#pragma once

#include <cstdint>
#include <string>

#include "cutplan/CuttingJob.h"
#include "cutting/CutBar.h"

namespace grill {

// What one group's plan comes to, for each output to word in its own way.
struct PlanFigures {
  std::int64_t bars = 0;
  int barBound = 0;
  // The plan meets the bound on what it minimises.
  bool optimal = false;
  // Bars the plan may use too many; 0 when it uses as few as the bound.
  std::int64_t barsOverBound = 0;
  // With as few bars as can be, the stock length (mm) by which the plan may
  // still be longer than needed: with several stock lengths only their mix
  // can still improve.
  double lengthOverBound = 0.0;
  // Stock that ends neither in a piece nor in a kept offcut (trims, kerfs
  // and waste), in percent of the stock used.
  double wastePercent = 0.0;
};

PlanFigures FiguresOf(const cutplan::GroupPlan& plan);

// A length as the cut files write it: one decimal in millimetres, three in
// inches, '.' whatever the locale.
std::string FormatCutLength(double millimetres, CutUnit unit);

// The unit's short name: "mm" or "in".
std::string CutUnitName(CutUnit unit);

// How good the plan is, for people: "optimal", "2 bars above the lower bound",
// or "optimal in bars; 1499.5 mm above the length bound".
std::string QualityWords(const PlanFigures& figures, CutUnit unit);

}  // namespace grill
