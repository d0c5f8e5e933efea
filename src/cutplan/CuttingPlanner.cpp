#include "CuttingPlanner.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "BinInstance.h"
#include "GreedyPacking.h"
#include "Hundredths.h"
#include "LengthText.h"
#include "PatternSearch.h"
#include "SimpleBounds.h"

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

struct Stock {
  double length;
  std::int64_t capacity;  // usable hundredths plus one kerf
};

// The group as a packing problem: sizes and capacities in hundredths with
// one kerf added to each (a bar of usable length U holds pieces with
// sum(p + kerf) <= U + kerf), then divided by their common divisor.
struct Translation {
  BinInstance instance;
  std::vector<double> stockLengths;            // per stock kind
  std::vector<std::vector<int>> piecesOfType;  // indices into group.pieces, one per copy
  std::int64_t costUnit = 1;                   // hundredths of stock length per cost
};

std::vector<Stock> UsableStocks(const PieceGroup& group, const SawSettings& saw,
                                std::int64_t kerf) {
  const std::int64_t trims = Require(HundredthsAtLeast(saw.trimHead), "head trim") +
                             Require(HundredthsAtLeast(saw.trimTail), "tail trim");
  std::vector<Stock> stocks;
  for (const StockLength& offered : group.stock) {
    const double length = offered.length;
    std::int64_t usable = Require(HundredthsAtMost(length), "stock length") - trims;
    if (usable > 0) {
      stocks.push_back({length, usable + kerf});
    }
  }
  if (stocks.empty()) {
    throw PlanInputError("no stock length longer than the trims");
  }
  std::sort(stocks.begin(), stocks.end(),
            [](const Stock& a, const Stock& b) { return a.length < b.length; });
  return stocks;
}

Translation Translate(const PieceGroup& group, const SawSettings& saw) {
  const std::int64_t kerf = Require(HundredthsAtLeast(saw.kerf), "kerf");
  std::vector<Stock> stocks = UsableStocks(group, saw, kerf);
  const std::int64_t largest = stocks.back().capacity;

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
  divisor = std::max<std::int64_t>(divisor, 1);

  Translation result;
  BinInstance& instance = result.instance;
  for (const auto& [size, index] : copies) {
    if (instance.sizes.empty() || instance.sizes.back() != size / divisor) {
      instance.sizes.push_back(size / divisor);
      instance.demands.push_back(0);
      result.piecesOfType.emplace_back();
    }
    ++instance.demands.back();
    result.piecesOfType.back().push_back(index);
  }

  std::int64_t lengthDivisor = 0;
  for (const Stock& stock : stocks) {
    lengthDivisor = std::gcd(lengthDivisor, *HundredthsAtMost(stock.length));
  }
  result.costUnit = stocks.size() == 1 ? *HundredthsAtMost(stocks.front().length) : lengthDivisor;
  for (const Stock& stock : stocks) {
    // After rounding to the divisor a longer stock may hold no more than a
    // shorter one; it could never be the better choice.
    std::int64_t capacity = stock.capacity / divisor;
    if (!instance.capacities.empty() && instance.capacities.back() >= capacity) {
      continue;
    }
    instance.capacities.push_back(capacity);
    instance.costs.push_back(*HundredthsAtMost(stock.length) / result.costUnit);
    result.stockLengths.push_back(stock.length);
  }
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
  bar.stockLength = translation.stockLengths[pattern.stock];
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

}  // namespace

double TotalStockLength(const GroupPlan& plan) {
  double total = 0;
  for (const StockBar& bar : plan.bars) {
    total += bar.stockLength;
  }
  return total;
}

GroupPlan PlanGroup(const PieceGroup& group, const PlanOptions& options) {
  const SearchLimit limit{
      Clock::now() + std::chrono::duration_cast<Clock::duration>(options.timeLimit), options.stop};
  GroupPlan plan;
  plan.key = group.key;
  Translation translation = Translate(group, options.saw);
  const BinInstance& instance = translation.instance;
  if (instance.TypeCount() == 0) {
    plan.optimal = true;
    return plan;
  }

  SearchResult found = ImproveSolution(instance, BestGreedy(instance, instance.demands), limit);
  SortBars(found.solution);
  std::vector<int> nextOfType(instance.TypeCount(), 0);
  for (const Pattern& pattern : found.solution) {
    plan.bars.push_back(MakeBar(pattern, translation, group, options.saw, nextOfType));
  }

  const double unit = static_cast<double>(translation.costUnit) / 100;
  plan.lengthBound = static_cast<double>(found.bound) * unit;
  const std::int64_t largestCost = instance.costs.back();
  plan.barBound = static_cast<int>(
      std::max(BoundL2(instance, instance.capacities.back()), CeilDiv(found.bound, largestCost)));
  plan.optimal = Cost(instance, found.solution) == found.bound;
  return plan;
}

}  // namespace grill::cutplan
