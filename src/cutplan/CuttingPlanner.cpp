#include "CuttingPlanner.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "BinInstance.h"
#include "GreedyPacking.h"
#include "Hundredths.h"
#include "LengthText.h"
#include "PatternSearch.h"
#include "SimpleBounds.h"
#include "StockKinds.h"
#include "WideInt.h"

namespace grill::cutplan {

namespace {

std::string Describe(const Piece& piece) {
  std::string text = "piece " + ShortestText(piece.length);
  if (!piece.label.empty()) {
    text += " (" + piece.label + ")";
  }
  return text;
}

std::int64_t Require(std::optional<std::int64_t> hundredths, const std::string& what) {
  if (!hundredths) {
    throw PlanInputError(what + ": not a length between 0 and 10 km");
  }
  return *hundredths;
}

// The group as a packing problem: sizes and capacities in hundredths with
// one kerf added to each (a bar of usable length U holds pieces with
// sum(p + kerf) <= U + kerf), then divided by their common divisor.
struct Translation {
  BinInstance instance;
  std::vector<StockKind> kinds;                // per stock kind
  std::vector<std::vector<int>> piecesOfType;  // indices into group.pieces, one per copy
  bool byLength = true;                        // see PlannedByLength
  bool byPrice = false;                        // see PricedByBar
  std::int64_t costUnit = 1;                   // by length: hundredths of stock length per cost
  std::int64_t divisor = 1;                    // hundredths per unit of size
};

void AddItems(const PieceGroup& group, std::int64_t kerf, std::int64_t largest,
              Translation& result) {
  std::vector<std::pair<std::int64_t, int>> copies;  // size, piece index
  std::int64_t total = 0;
  for (int index = 0; index < static_cast<int>(group.pieces.size()); ++index) {
    const Piece& piece = group.pieces[index];
    std::optional<std::int64_t> length = HundredthsAtLeast(piece.length);
    if (!length || *length == 0) {
      throw PlanInputError(Describe(piece) + ": not a length between 0 and 10 km");
    }
    if (piece.count < 1 || (total += piece.count) > kMaxPieces) {
      throw PlanInputError(Describe(piece) + ": count must be 1 to " + std::to_string(kMaxPieces) +
                           " in all");
    }
    if (*length + kerf > largest) {
      throw PlanInputError(Describe(piece) + ": longer than every usable stock length");
    }
    for (int copy = 0; copy < piece.count; ++copy) {
      copies.emplace_back(*length + kerf, index);
    }
  }
  std::stable_sort(copies.begin(), copies.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });

  std::int64_t divisor = 0;
  for (const auto& copy : copies) {
    divisor = std::gcd(divisor, copy.first);
  }
  result.divisor = std::max<std::int64_t>(divisor, 1);
  BinInstance& instance = result.instance;
  for (const auto& [size, index] : copies) {
    if (instance.sizes.empty() || instance.sizes.back() != size / result.divisor) {
      instance.sizes.push_back(size / result.divisor);
      instance.demands.push_back(0);
      result.piecesOfType.emplace_back();
    }
    ++instance.demands.back();
    result.piecesOfType.back().push_back(index);
  }
}

// Bars bought as needed cost their stock length, in the largest unit the
// lengths are whole in (one stock length: a bar).
void CostByLength(std::vector<StockKind>& kinds, Translation& result) {
  std::int64_t lengthDivisor = 0;
  for (const StockKind& kind : kinds) {
    lengthDivisor = std::gcd(lengthDivisor, kind.hundredths);
  }
  result.costUnit = kinds.size() == 1 ? kinds.front().hundredths : lengthDivisor;
  for (StockKind& kind : kinds) {
    kind.cost = kind.hundredths / result.costUnit;
  }
}

// Stocks by increasing capacity after rounding to the divisor, the cheaper
// first among equal ones; a longer stock that holds no more than a cheaper
// one could never be the better choice.
void AddStocks(std::vector<StockKind> kinds, std::int64_t pieces, Translation& result) {
  const auto units = [&](const StockKind& kind) { return kind.capacity / result.divisor; };
  // A stock that rounds to no capacity at all holds no piece, and would
  // divide by zero in the bounds.
  std::erase_if(kinds, [&](const StockKind& kind) { return units(kind) == 0; });
  std::stable_sort(kinds.begin(), kinds.end(), [&](const StockKind& a, const StockKind& b) {
    return units(a) != units(b) ? units(a) < units(b) : a.cost < b.cost;
  });
  std::vector<std::int64_t> capacities;
  for (const StockKind& kind : kinds) {
    capacities.push_back(units(kind));
  }
  kinds = WithoutNeedless(std::move(kinds), capacities);
  AddLastResort(kinds, pieces);

  BinInstance& instance = result.instance;
  for (const StockKind& kind : kinds) {
    instance.capacities.push_back(units(kind));
    instance.costs.push_back(kind.cost);
  }
  result.kinds = std::move(kinds);
  if (std::none_of(result.kinds.begin(), result.kinds.end(),
                   [](const StockKind& kind) { return kind.limit.has_value(); })) {
    return;
  }
  // A greedy start takes remnants first, then stock on hand, longest first
  // each, then buys the largest length, and last the stand-in for the bars
  // the group does not have.
  for (int stock = 0; stock < instance.StockCount(); ++stock) {
    instance.limits.push_back(result.kinds[stock].limit);
  }
  for (StockSource source : {StockSource::Remnant, StockSource::OnHand}) {
    for (int stock = instance.StockCount(); stock-- > 0;) {
      if (result.kinds[stock].limit && result.kinds[stock].source == source) {
        instance.preference.push_back(stock);
      }
    }
  }
  for (int stock = instance.StockCount(); stock-- > 0;) {
    if (!result.kinds[stock].limit && !result.kinds[stock].lastResort) {
      instance.preference.push_back(stock);
      break;
    }
  }
  if (result.kinds.back().lastResort) {
    instance.preference.push_back(instance.StockCount() - 1);
  }
}

Translation Translate(const PieceGroup& group, const SawSettings& saw) {
  const std::int64_t kerf = Require(HundredthsAtLeast(saw.kerf), "kerf");
  const std::int64_t trims = Require(HundredthsAtLeast(saw.trimHead), "head trim") +
                             Require(HundredthsAtLeast(saw.trimTail), "tail trim");
  std::vector<StockKind> kinds = GatherKinds(group, kerf, trims);
  std::int64_t largest = 0;
  for (const StockKind& kind : kinds) {
    largest = std::max(largest, kind.capacity);
  }
  Translation result;
  AddItems(group, kerf, largest, result);
  std::int64_t pieces = 0;
  for (int demand : result.instance.demands) {
    pieces += demand;
  }
  result.byLength = PlannedByLength(group);
  if (result.byLength) {
    CostByLength(kinds, result);
  } else {
    result.byPrice = PricedByBar(kinds);
    const ObjectiveWeights weights = WeighKinds(kinds, std::max<std::int64_t>(pieces, 1));
    result.instance.firstUnit = weights.first;
    result.instance.decisiveUnit = weights.bars;
  }
  AddStocks(std::move(kinds), pieces, result);
  return result;
}

// The subtractions leave binary noise (1000.3 - 700.1 is 300.19999999999993):
// rounded to a millionth of a millimetre, a rest is the decimal length the
// shop expects, and a rest of exactly the minimum offcut is kept.
double ToNanometres(double millimetres) {
  return std::round(millimetres * 1e6) / 1e6;
}

// Bars ordered for the saw: longer stock first, then by their pieces.
void SortBars(Solution& solution) {
  std::sort(solution.begin(), solution.end(), [](const Pattern& a, const Pattern& b) {
    if (a.stock != b.stock) {
      return a.stock > b.stock;
    }
    return std::lexicographical_compare(
        a.entries.begin(), a.entries.end(), b.entries.begin(), b.entries.end(),
        [](const PatternEntry& x, const PatternEntry& y) {
          return x.type != y.type ? x.type < y.type : x.count > y.count;
        });
  });
}

StockBar MakeBar(const Pattern& pattern, const Translation& translation, const PieceGroup& group,
                 const SawSettings& saw, std::vector<int>& nextOfType) {
  StockBar bar;
  bar.stockLength = translation.kinds[pattern.stock].length;
  bar.source = translation.kinds[pattern.stock].source;
  double used = 0;
  for (const PatternEntry& entry : pattern.entries) {
    for (int copy = 0; copy < entry.count; ++copy) {
      const Piece& piece =
          group.pieces[translation.piecesOfType[entry.type][nextOfType[entry.type]++]];
      bar.pieces.push_back({piece.length, piece.label, piece.tag, piece.name});
      used += piece.length;
    }
  }
  const double kerfs = saw.kerf * static_cast<double>(bar.pieces.size() - 1);
  bar.rest = ToNanometres(bar.stockLength - saw.trimHead - saw.trimTail - used - kerfs);
  bar.restKind = bar.rest > 0 && bar.rest >= saw.minOffcut ? RestKind::Offcut : RestKind::Waste;
  return bar;
}

void SetBoundsByLength(const Translation& translation, const SearchResult& found, GroupPlan& plan) {
  const BinInstance& instance = translation.instance;
  const double unit = static_cast<double>(translation.costUnit) / 100;
  plan.lengthBound = static_cast<double>(found.bound) * unit;
  const std::int64_t largestCost = instance.costs.back();
  plan.barBound = static_cast<int>(
      std::max(BoundL2(instance, instance.capacities.back()), CeilDiv(found.bound, largestCost)));
  plan.optimal = Cost(instance, found.solution) == found.bound;
}

// Each bar's stock length is at least its load times the least length per
// unit of capacity of any kind: in whole hundredths, rounded down.
double FluidLengthBound(const Translation& translation) {
  const BinInstance& instance = translation.instance;
  WideInt load = 0;
  for (int type = 0; type < instance.TypeCount(); ++type) {
    load += static_cast<WideInt>(instance.sizes[type]) * instance.demands[type];
  }
  WideInt bound = -1;
  for (int stock = 0; stock < instance.StockCount(); ++stock) {
    const WideInt length = load * translation.kinds[stock].hundredths / instance.capacities[stock];
    bound = bound < 0 ? length : std::min(bound, length);
  }
  return static_cast<double>(static_cast<std::int64_t>(bound)) / 100;
}

// The bound on the first objective is the search's bound divided by its
// weight: the objectives below it add up to less than that.
void SetBoundsByObjectives(const Translation& translation, const SearchResult& found,
                           GroupPlan& plan) {
  const BinInstance& instance = translation.instance;
  const std::int64_t firstBound = found.bound / instance.firstUnit;
  std::int64_t dearest = 1;
  for (int stock = 0; stock < instance.StockCount(); ++stock) {
    if (!translation.kinds[stock].lastResort) {
      dearest = std::max(dearest, instance.costs[stock]);
    }
  }
  plan.lengthBound = FluidLengthBound(translation);
  plan.barBound = static_cast<int>(
      std::max(BoundL2(instance, instance.capacities.back()), CeilDiv(found.bound, dearest)));
  plan.optimal = Cost(instance, found.solution) / instance.firstUnit == firstBound;

  std::int64_t cents = 0;
  for (const Pattern& bar : found.solution) {
    const StockKind& kind = translation.kinds[bar.stock];
    if (kind.source != StockSource::Bought) {
      continue;
    }
    if (kind.price) {
      cents += std::llround(*kind.price * 100);
    }
    auto bought = std::find_if(plan.toBuy.begin(), plan.toBuy.end(), [&](const Purchase& purchase) {
      return purchase.length == kind.length;
    });
    if (bought == plan.toBuy.end()) {
      plan.toBuy.push_back({kind.length, 0, kind.price});
      bought = plan.toBuy.end() - 1;
    }
    ++bought->count;
  }
  std::sort(plan.toBuy.begin(), plan.toBuy.end(),
            [](const Purchase& a, const Purchase& b) { return a.length < b.length; });
  if (translation.byPrice) {
    plan.cost = static_cast<double>(cents) / 100;
    plan.costBound = static_cast<double>(firstBound) / 100;
  }
}

}  // namespace

double TotalStockLength(const GroupPlan& plan) {
  double total = 0;
  for (const StockBar& bar : plan.bars) {
    total += bar.stockLength;
  }
  return total;
}

GroupPlan PlanGroup(const PieceGroup& group, const PlanOptions& options) {
  const auto time = std::chrono::duration_cast<Clock::duration>(options.timeLimit);
  const SearchLimit limit{
      Clock::now() + time, options.stop, SearchLimit::kNoEnd,
      WorkDone() + std::min<std::int64_t>(time.count(), SearchLimit::kNoEnd / 4)};
  GroupPlan plan;
  plan.key = group.key;
  Translation translation = Translate(group, options.saw);
  const BinInstance& instance = translation.instance;
  if (instance.TypeCount() == 0) {
    plan.optimal = true;
    if (translation.byPrice) {
      plan.cost = plan.costBound = 0.0;
    }
    return plan;
  }

  SearchResult found = ImproveSolution(instance, BestGreedy(instance, instance.demands), limit);
  SortBars(found.solution);
  std::vector<int> nextOfType(instance.TypeCount(), 0);
  for (const Pattern& pattern : found.solution) {
    if (translation.kinds[pattern.stock].lastResort) {
      throw PlanInputError(
          "not enough remnants and stock on hand: no stock length bought as needed holds the "
          "pieces left");
    }
    plan.bars.push_back(MakeBar(pattern, translation, group, options.saw, nextOfType));
  }
  if (translation.byLength) {
    SetBoundsByLength(translation, found, plan);
  } else {
    SetBoundsByObjectives(translation, found, plan);
  }
  return plan;
}

}  // namespace grill::cutplan
