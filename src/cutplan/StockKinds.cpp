#include "StockKinds.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "CuttingPlanner.h"
#include "Hundredths.h"
#include "LengthText.h"
#include "WideInt.h"

namespace grill::cutplan {

namespace {

// Prices up to this per bar; in cents, weighed above the bars and the
// waste, they stay within 64 bits for the most pieces a group may have.
constexpr double kMaxPrice = 1'000'000;

// Costs up to this, times the bars of a plan, are exact in a double: the
// relaxation then tells every objective apart.
constexpr WideInt kExactInDouble = WideInt{1} << 53;

std::int64_t Hundredths(double length, const std::string& what) {
  std::optional<std::int64_t> hundredths = HundredthsAtMost(length);
  if (!hundredths) {
    throw PlanInputError(what + ": not a length between 0 and 10 km");
  }
  return *hundredths;
}

std::optional<int> Count(std::optional<int> count, const std::string& what) {
  if (count && *count < 0) {
    throw PlanInputError(what + ": count below 0");
  }
  return count;
}

std::optional<double> Price(std::optional<double> price, const std::string& what) {
  if (price && !(*price >= 0 && *price <= kMaxPrice)) {
    throw PlanInputError(what + ": price not between 0 and 1000000");
  }
  return price;
}

// Kinds of the same source and length as one, their bars added up.
void AddKind(std::vector<StockKind>& kinds, StockKind kind) {
  if (kind.limit) {
    for (StockKind& known : kinds) {
      if (known.limit && known.source == kind.source && known.hundredths == kind.hundredths) {
        *known.limit += *kind.limit;
        return;
      }
    }
  }
  kinds.push_back(kind);
}

std::int64_t Cents(double price) {
  return static_cast<std::int64_t>(std::llround(price * 100));
}

// The objectives' weights from the last up: each exceeds what the ones
// below it can add up to over `pieces` bars, the waste counting up to
// `longest` per bar.
struct Weights {
  WideInt bar = 1;
  WideInt onHand = 1;
  WideInt price = 1;
};

Weights Lexicographic(std::int64_t pieces, std::int64_t longest, bool barsBeforeOnHand) {
  Weights weights;
  weights.bar = static_cast<WideInt>(pieces) * longest + 1;
  weights.onHand = barsBeforeOnHand ? pieces * (weights.bar + longest) + 1 : weights.bar;
  weights.price = pieces * (weights.onHand + weights.bar + longest) + 1;
  return weights;
}

}  // namespace

std::vector<StockKind> GatherKinds(const PieceGroup& group, std::int64_t kerf, std::int64_t trims) {
  std::vector<StockKind> kinds;
  const auto add = [&](double length, StockSource source, std::optional<int> limit,
                       std::optional<double> price, const std::string& what) {
    const std::int64_t hundredths = Hundredths(length, what);
    if (hundredths - trims > 0 && limit != 0) {
      AddKind(kinds, {length, hundredths, hundredths - trims + kerf, source, limit, price});
    }
  };
  for (const StockLength& stock : group.stock) {
    const std::string what = "stock length " + ShortestText(stock.length);
    std::optional<int> onHand = Count(stock.onHand, what);
    add(stock.length, onHand ? StockSource::OnHand : StockSource::Bought, onHand,
        Price(stock.price, what), "stock length");
  }
  for (const Remnant& remnant : group.remnants) {
    const std::string what = "remnant " + ShortestText(remnant.length);
    add(remnant.length, StockSource::Remnant, Count(remnant.count, what), std::nullopt,
        "remnant length");
  }
  if (kinds.empty()) {
    throw PlanInputError("no stock length longer than the trims");
  }
  return kinds;
}

bool PlannedByLength(const PieceGroup& group) {
  return group.remnants.empty() &&
         std::none_of(group.stock.begin(), group.stock.end(), [](const StockLength& stock) {
           return stock.onHand.has_value() || stock.price.has_value();
         });
}

bool PricedByBar(const std::vector<StockKind>& kinds) {
  bool anyPrice = false;
  for (const StockKind& kind : kinds) {
    anyPrice = anyPrice || kind.price.has_value();
    if (kind.source == StockSource::Bought && !kind.price) {
      return false;
    }
  }
  return anyPrice;
}

ObjectiveWeights WeighKinds(std::vector<StockKind>& kinds, std::int64_t pieces) {
  // Without prices a bar bought costs its stock length, in the largest unit
  // all bought lengths are whole in (a single one: one bar).
  std::int64_t boughtUnit = 0;
  std::int64_t lengthUnit = 0;
  std::int64_t longest = 0;
  int boughtLengths = 0;
  for (const StockKind& kind : kinds) {
    lengthUnit = std::gcd(lengthUnit, kind.hundredths);
    longest = std::max(longest, kind.hundredths);
    if (kind.source == StockSource::Bought) {
      boughtUnit = std::gcd(boughtUnit, kind.hundredths);
      ++boughtLengths;
    }
  }
  const bool priced = PricedByBar(kinds);
  const auto first = [&](const StockKind& kind) -> std::int64_t {
    if (kind.source != StockSource::Bought) {
      return 0;
    }
    if (priced) {
      return Cents(*kind.price);
    }
    return boughtLengths == 1 ? 1 : kind.hundredths / boughtUnit;
  };
  // The waste in the lengths' common unit where the costs stay exact in
  // the relaxation, else in hundredths of the longest length, else not at
  // all; last, the stock on hand and the bars are counted together.
  const std::int64_t coarse = 100;
  struct Scheme {
    std::int64_t unit;  // 0: waste not counted
    bool barsBeforeOnHand;
  };
  const Scheme schemes[] = {{lengthUnit, true},
                            {std::max<std::int64_t>(1, (longest + coarse - 1) / coarse), true},
                            {0, true},
                            {0, false}};
  for (const Scheme& scheme : schemes) {
    const std::int64_t wasteOf = scheme.unit == 0 ? 0 : (longest + scheme.unit - 1) / scheme.unit;
    const Weights weights = Lexicographic(pieces, wasteOf, scheme.barsBeforeOnHand);
    WideInt highest = 0;
    std::vector<WideInt> costs;
    for (const StockKind& kind : kinds) {
      const std::int64_t waste =
          scheme.unit == 0 ? 0 : (kind.hundredths + scheme.unit - 1) / scheme.unit;
      costs.push_back(weights.price * first(kind) +
                      (kind.source == StockSource::OnHand ? weights.onHand : 0) + weights.bar +
                      waste);
      highest = std::max(highest, costs.back());
    }
    if (highest * pieces <= kExactInDouble || !scheme.barsBeforeOnHand) {
      for (std::size_t index = 0; index < kinds.size(); ++index) {
        kinds[index].cost = static_cast<std::int64_t>(costs[index]);
      }
      return {static_cast<std::int64_t>(weights.price), static_cast<std::int64_t>(weights.bar)};
    }
  }
  return {};  // not reached: the last scheme always serves
}

std::vector<StockKind> WithoutNeedless(std::vector<StockKind> kinds,
                                       const std::vector<std::int64_t>& capacities) {
  std::vector<StockKind> kept;
  for (std::size_t index = 0; index < kinds.size(); ++index) {
    bool needless = false;
    for (std::size_t other = 0; other < kinds.size() && !needless; ++other) {
      const bool alike =
          capacities[other] == capacities[index] && kinds[other].cost == kinds[index].cost;
      needless = other != index && !kinds[other].limit && capacities[other] >= capacities[index] &&
                 kinds[other].cost <= kinds[index].cost &&
                 (!alike || other < index || kinds[index].limit);
    }
    if (!needless) {
      kept.push_back(kinds[index]);
    }
  }
  return kept;
}

void AddLastResort(std::vector<StockKind>& kinds, std::int64_t pieces) {
  // Kinds are sorted by capacity, the dearest last among equal ones.
  const StockKind& largest = kinds.back();
  if (!largest.limit) {
    return;
  }
  std::int64_t highest = 0;
  for (const StockKind& kind : kinds) {
    highest = std::max(highest, kind.cost);
  }
  const WideInt outweighing = static_cast<WideInt>(highest) * pieces + 1;
  const WideInt ceiling = (WideInt{1} << 62) / std::max<std::int64_t>(pieces, 1);
  StockKind resort = largest;
  resort.limit.reset();
  resort.price.reset();
  resort.source = StockSource::Bought;
  resort.lastResort = true;
  resort.cost = static_cast<std::int64_t>(std::min(outweighing, ceiling));
  kinds.push_back(resort);
}

}  // namespace grill::cutplan
