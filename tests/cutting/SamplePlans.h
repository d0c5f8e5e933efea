#pragma once

#include <optional>
#include <vector>

#include "cutting/JobCuttingPlan.h"
#include "cutting/PlanFigures.h"

namespace grill::test {

// A plan shown in millimetres, its cut files written in millimetres.
inline constexpr PlanUnits kMillimetres{Unit::Millimetres, CutUnit::kMillimetres};

inline cutplan::StockBar PlanBar(double stock, std::vector<double> pieces, double rest,
                                 cutplan::RestKind kind, const char* design = "Hall",
                                 const char* tag = "H", const char* name = "") {
  cutplan::StockBar bar{stock, {}, rest, kind};
  for (double length : pieces) {
    bar.pieces.push_back({length, design, tag, name});
  }
  return bar;
}

// `bars` stock bars of 6000, each with one piece of 5000 and 1000 of waste,
// planned against the bounds given.
inline cutplan::GroupPlan PlanOfBars(int bars, int barBound, double lengthBound, bool optimal) {
  cutplan::GroupPlan plan;
  for (int i = 0; i < bars; ++i) {
    plan.bars.push_back(PlanBar(6000, {5000}, 1000, cutplan::RestKind::Waste));
  }
  plan.barBound = barBound;
  plan.lengthBound = lengthBound;
  plan.optimal = optimal;
  return plan;
}

// A bar group of two stock bars, 6000 with 10 trimmed in all and kerf 5: two
// pieces of 2500 leave 985; an edge group without stock; a design left out.
inline JobCuttingPlan TwoGroups() {
  cutplan::GroupPlan bars;
  bars.bars = {PlanBar(6000, {2500, 2500}, 985, cutplan::RestKind::Offcut),
               PlanBar(6000, {2500}, 3490, cutplan::RestKind::Offcut)};
  bars.barBound = 2;
  bars.lengthBound = 12000;
  bars.optimal = true;
  JobCuttingPlan plan;
  plan.leftOut = {{"Attic", "Invalid quantity: Attic"}};
  plan.groups.push_back({StockKind::kBar, "GB", "01_07", bars, {}, {}});
  plan.groups.push_back(
      {StockKind::kEdge, "E1", "01", std::nullopt, "No stock in Stock.txt for E1", {}});
  return plan;
}

// A bar group cut from the racks and beyond: a remnant of 2600, a bar of
// 6000 on hand and one bought at 12.50, so the plan buys one bar of 6000.
inline JobCuttingPlan FromTheRacks() {
  cutplan::GroupPlan bars;
  bars.bars = {PlanBar(6000, {2500, 2500}, 985, cutplan::RestKind::Offcut),
               PlanBar(6000, {2500}, 3490, cutplan::RestKind::Offcut),
               PlanBar(2600, {2500}, 95, cutplan::RestKind::Waste)};
  bars.bars[0].source = cutplan::StockSource::OnHand;
  bars.bars[2].source = cutplan::StockSource::Remnant;
  bars.barBound = 3;
  bars.lengthBound = 14600;
  bars.optimal = true;
  bars.cost = 12.5;
  bars.costBound = 12.5;
  bars.toBuy = {{6000, 1, 12.5}};
  JobCuttingPlan plan;
  plan.groups.push_back({StockKind::kBar, "GB", "01_07", bars, {}, {}});
  return plan;
}

}  // namespace grill::test
