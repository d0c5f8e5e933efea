#pragma once

#include <cstdint>
#include <string>

#include "cutplan/CuttingJob.h"
#include "cutting/CutBar.h"
#include "model/Units.h"

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

// The units a plan is read in: the job's, which the shop measures in, and the
// cut files', which the saw's operator reads off the saw.
struct PlanUnits {
  Unit job = Unit::Millimetres;
  CutUnit saw = CutUnit::kMillimetres;
};

// Whether the saw counts in another unit than the job.
bool SawUnitDiffers(PlanUnits units);

// A length as the drawings give it: inches to the nearest 1/16 with the inch
// mark ("34 3/4\""), millimetres with one decimal; '.' whatever the locale.
std::string FormatJobLength(double millimetres, Unit unit);

// A length for the people who read the plan: in the job's unit and, where the
// saw counts in another, in the saw's as the cut files write it, so that one
// can be matched to the other: "34 3/4\" (883.0)".
std::string FormatPlanLength(double millimetres, PlanUnits units);

// The units' names for a column heading: "in", "mm", or "in; saw mm".
std::string PlanUnitName(PlanUnits units);

// QualityWords with the length above the bound as FormatPlanLength gives it.
std::string QualityWords(const PlanFigures& figures, PlanUnits units);

}  // namespace grill
