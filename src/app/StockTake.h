#pragma once

#include <optional>
#include <string>

#include "config/StockFile.h"
#include "cutting/JobCuttingPlan.h"
#include "model/Inventory.h"

namespace grill {

// What taking a plan from stock moves.
struct TakeCounts {
  int remnantsUsed = 0;
  int barsOnHandUsed = 0;
  int offcutsKept = 0;
};

// The inventory after the take, or why the plan cannot be taken.
struct TakeResult {
  std::optional<Inventory> inventory;
  TakeCounts counts;
  std::string refusal;
};

// The inventory once the plan's bars are cut: `before` less the remnants the
// plan uses, the bars on hand it uses taken from their count (the
// inventory's, or Stock.txt's the first time: from then on the inventory
// holds it), and every offcut of the plan added as a remnant of its group,
// its length rounded down to 0.1 mm so that no remnant is thought longer
// than it is. Refused, changing nothing, when the inventory no longer holds
// what the plan uses: it was planned from another inventory.
TakeResult TakeFromStock(const JobCuttingPlan& plan, const StockFile& stock,
                         const Inventory& before);

}  // namespace grill
