#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "CuttingJob.h"

namespace grill::cutplan {

// One kind of bar a group may be cut from: a stock length bought as needed,
// a stock length on hand or a remnant length, or the stand-in for bars the
// group does not have.
struct StockKind {
  double length = 0;
  std::int64_t hundredths = 0;  // the length, rounded down
  std::int64_t capacity = 0;    // usable hundredths plus one kerf
  StockSource source = StockSource::Bought;
  std::optional<int> limit;     // bars there are of a remnant or stock on hand
  std::optional<double> price;  // per bar bought
  bool lastResort = false;
  std::int64_t cost = 0;
};

// The group's usable stock kinds (remnants and lengths on hand of the same
// length taken together, as many bars as listed); throws PlanInputError for
// a length, count or price that is none, and when no kind is longer than
// the trims. `kerf` and `trims` are in hundredths.
std::vector<StockKind> GatherKinds(const PieceGroup& group, std::int64_t kerf, std::int64_t trims);

// Neither counts nor prices nor remnants: the group is planned for the least
// total stock length, as bars bought as needed.
bool PlannedByLength(const PieceGroup& group);

// Every bought length has a price, and some length has one: the plan's
// first objective is then the price of the bars bought, to the cent.
bool PricedByBar(const std::vector<StockKind>& kinds);

// The weights of the first objective and of the number of bars: a plan's
// cost divided by one, rounded down, is its first objective, by the other
// its objectives down to the bars.
struct ObjectiveWeights {
  std::int64_t first = 1;
  std::int64_t bars = 1;
};

// Sets each kind's cost for the plan's order of objectives (see
// CuttingJob.h). `pieces` bounds the number of bars of any plan.
ObjectiveWeights WeighKinds(std::vector<StockKind>& kinds, std::int64_t pieces);

// Same pieces, lower cost: drops each kind that a kind bought as needed at
// no higher cost and no smaller capacity (in `capacities`, per kind) makes
// needless, of two alike the later one.
std::vector<StockKind> WithoutNeedless(std::vector<StockKind> kinds,
                                       const std::vector<std::int64_t>& capacities);

// A plan's bars cover the pieces from the kinds, or from the last resort
// that stands for the bars the group does not have; it outweighs every plan
// without it, and comes in when the largest kind is limited.
void AddLastResort(std::vector<StockKind>& kinds, std::int64_t pieces);

}  // namespace grill::cutplan
