#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "cutting/CutBar.h"
#include "cutting/JobCuttingPlan.h"
#include "cutting/PlanFigures.h"

namespace grill {

// The cutting plan window's table: one row per piece, the bar's number,
// stock and rest on its first piece's row; a row heads each group, and one
// after it gives its totals or its problem, then one per length to buy and
// one for the cost of the bars bought, when the plan gives them; a bar from
// a remnant or the stock on hand says so after its stock length. The
// Stock.txt and inventory notes come first, then the designs left out. A piece's design cell names
// what it is for too. Lengths in the job's unit and, where the saw counts in another, in the saw's
// too (FormatPlanLength).
enum class PlanRowKind { kStockNote, kLeftOut, kGroup, kPiece, kTotals, kProblem, kBuy };
inline constexpr int kPlanColumns = 6;  // bar, stock, design, piece, tag, rest
// A piece row's stock bar: its group's index in the plan and its index in
// the group's cutting order.
struct PlanBarPlace {
  std::size_t group = 0;
  std::size_t bar = 0;
};
struct PlanWindowRow {
  PlanRowKind kind;
  std::array<std::string, kPlanColumns> cells;
  std::optional<PlanBarPlace> place = {};
};
std::array<std::string, kPlanColumns> PlanWindowHeader(PlanUnits units);
std::vector<PlanWindowRow> PlanWindowRows(const JobCuttingPlan& plan, PlanUnits units);

}  // namespace grill
