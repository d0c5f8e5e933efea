#include "PatternPricing.h"

#include <algorithm>
#include <limits>

#include "WorkCount.h"

namespace grill::cutplan {

namespace {

// Table cells (chunks times capacity) up to which the table is the quicker
// way; beyond, branch and bound goes first.
constexpr std::int64_t kQuickTable = 4 * 1024 * 1024;
// Capacity up to which the table is the quicker way at all. Beyond, even a
// few chunks make a table far larger than the search's coarse bound: long
// bars (100,000 units holding four or five pieces) are priced by branch
// and bound however few lengths are left.
constexpr std::int64_t kQuickTableCapacity = 16 * 1024;
// Memory for the table's cells, one byte each.
constexpr std::int64_t kTableBudget = 64 * 1024 * 1024;
// Branch-and-bound nodes before the table takes over, where it fits.
constexpr std::int64_t kSearchNodes = 200'000;
// Table cells per unit of work.
constexpr std::int64_t kCellsPerWork = 2;

// Good patterns the search met before its best, added with it, per stock
// kind; more where there is one kind: its relaxations then take a third
// fewer rounds (0.75 s instead of 0.9 s on 402 pieces). Among several
// kinds, more columns cost the benchmark's shop jobs proofs and plans.
constexpr std::size_t kRunnersUp = 8;
constexpr std::size_t kRunnersUpOfOneKind = 16;

// Below this an item adds nothing worth a column.
constexpr double kNoValue = 1e-12;

constexpr double kNone = -std::numeric_limits<double>::infinity();

}  // namespace

PatternPricer::PatternPricer(const BinInstance& instance) : instance_(instance) {}

// With a minimum load, items of no value may still be needed to reach it.
bool PatternPricer::Worthwhile(double value, std::int64_t minLoad) const {
  return minLoad > 0 ? value >= 0 : value > kNoValue;
}

void PatternPricer::SplitIntoChunks(const std::vector<double>& values,
                                    const std::vector<int>& demands, std::int64_t minLoad) {
  chunks_.clear();
  const std::int64_t capacity = instance_.capacities.back();
  for (int type = 0; type < instance_.TypeCount(); ++type) {
    if (!Worthwhile(values[type], minLoad) || demands[type] == 0) {
      continue;
    }
    const std::int64_t size = instance_.sizes[type];
    if (demands[type] >= capacity / size) {
      chunks_.push_back({type, 1, size, values[type], true});
      continue;
    }
    int copies = demands[type];
    for (int part = 1; copies > 0; part *= 2) {
      int taken = std::min(part, copies);
      chunks_.push_back({type, taken, size * taken, values[type] * taken, false});
      copies -= taken;
    }
  }
}

std::optional<std::vector<PatternPricer::Priced>> PatternPricer::BestPatterns(
    const std::vector<double>& values, const std::vector<int>& demands, std::int64_t minLoad,
    Accuracy accuracy, const SearchLimit& limit) {
  SplitIntoChunks(values, demands, minLoad);
  const std::int64_t cells =
      static_cast<std::int64_t>(chunks_.size()) * (instance_.capacities.back() + 1);
  if (cells <= kQuickTable && instance_.capacities.back() <= kQuickTableCapacity) {
    if (accuracy == Accuracy::Improving && minLoad == 0 &&
        KnapsackSearch::ExactBoundFits(chunks_.size(), instance_.capacities.back())) {
      // With an exact bound the search costs about what the table does,
      // and the good patterns it meets on the way make several columns
      // per pricing: a relaxation over all bars then takes a fifth of
      // the rounds. Under a minimum load the table stays quicker.
      return FromSearch(values, demands, minLoad, accuracy, kSearchNodes, limit);
    }
    return FromTable(minLoad);
  }
  const bool tableFits = cells <= kTableBudget;
  std::optional<std::vector<Priced>> searched =
      FromSearch(values, demands, minLoad, accuracy,
                 tableFits ? kSearchNodes : std::numeric_limits<std::int64_t>::max(), limit);
  if (searched || !tableFits || limit.Reached()) {
    return searched;
  }
  return FromTable(minLoad);
}

std::optional<std::vector<PatternPricer::Priced>> PatternPricer::FromSearch(
    const std::vector<double>& values, const std::vector<int>& demands, std::int64_t minLoad,
    Accuracy accuracy, std::int64_t nodeBudget, const SearchLimit& limit) {
  std::vector<KnapsackSearch::Item> items;
  std::vector<int> typeOf;
  for (int type = 0; type < instance_.TypeCount(); ++type) {
    if (Worthwhile(values[type], minLoad) && demands[type] > 0) {
      items.push_back({instance_.sizes[type], values[type], demands[type]});
      typeOf.push_back(type);
    }
  }
  const auto toPattern = [&](int stock, const KnapsackSearch::Best& best) {
    Priced priced{Pattern{stock, {}}, best.value, best.value};
    for (std::size_t item = 0; item < items.size(); ++item) {
      if (best.counts[item] > 0) {
        priced.pattern.entries.push_back({typeOf[item], best.counts[item]});
      }
    }
    return priced;
  };
  std::vector<Priced> result;
  std::vector<Priced> runnersUp;
  const std::size_t runnersUpPerKind =
      instance_.StockCount() == 1 ? kRunnersUpOfOneKind : kRunnersUp;
  for (int stock = 0; stock < instance_.StockCount(); ++stock) {
    std::optional<double> worthBeating;
    if (accuracy == Accuracy::Improving) {
      worthBeating = static_cast<double>(instance_.costs[stock]) * (1 + kImproving);
    }
    std::optional<KnapsackSearch::Best> best =
        search_.Solve(items, instance_.capacities[stock], minLoad, worthBeating, nodeBudget, limit);
    // A search cut short by its nodes still gives a pattern and a bound,
    // which is all an improving pricing promises.
    if (!search_.complete() && (accuracy == Accuracy::Exact || limit.Reached())) {
      return std::nullopt;
    }
    result.push_back(best ? toPattern(stock, *best) : Priced{Pattern{stock, {}}, kNone, kNone});
    result.back().bound = search_.upperBound();
    // The search passes good patterns on its way to the best: several
    // columns per pricing save re-solves of the relaxation.
    const std::vector<KnapsackSearch::Best>& met = search_.improvements();
    for (std::size_t index = met.size() > runnersUpPerKind + 1 ? met.size() - runnersUpPerKind - 1
                                                               : 0;
         index + 1 < met.size(); ++index) {
      runnersUp.push_back(toPattern(stock, met[index]));
    }
  }
  result.insert(result.end(), runnersUp.begin(), runnersUp.end());
  return result;
}

std::vector<PatternPricer::Priced> PatternPricer::FromTable(std::int64_t minLoad) {
  const std::int64_t capacity = instance_.capacities.back();
  const std::size_t width = static_cast<std::size_t>(capacity) + 1;
  // Without a minimum load best_[c] is the best within c; with one, the
  // best of load exactly c, so that the loads reached are known.
  AddWork(static_cast<std::int64_t>(chunks_.size() * width) / kCellsPerWork);
  best_.assign(width, minLoad > 0 ? kNone : 0.0);
  best_[0] = 0;
  taken_.assign(chunks_.size() * width, 0);
  for (std::size_t index = 0; index < chunks_.size(); ++index) {
    const Chunk& chunk = chunks_[index];
    std::uint8_t* taken = taken_.data() + index * width;
    // Upwards, best_[c - size] may already hold this chunk: repeated use.
    if (chunk.repeatable) {
      for (std::int64_t c = chunk.size; c <= capacity; ++c) {
        TakeIfBetter(c, chunk, taken);
      }
    } else {
      TakeOnceIfBetter(chunk, taken);
    }
  }
  std::vector<Priced> result;
  for (int stock = 0; stock < instance_.StockCount(); ++stock) {
    const std::int64_t stockCapacity = instance_.capacities[stock];
    std::int64_t load = stockCapacity;
    for (std::int64_t c = std::max<std::int64_t>(minLoad, 1); minLoad > 0 && c < stockCapacity;
         ++c) {
      if (best_[c] > best_[load]) {
        load = c;
      }
    }
    if (best_[load] == kNone) {
      result.push_back({Pattern{stock, {}}, kNone, kNone});
    } else {
      result.push_back({Reconstruct(stock, load), best_[load], best_[load]});
    }
  }
  return result;
}

void PatternPricer::TakeIfBetter(std::int64_t c, const Chunk& chunk, std::uint8_t* taken) {
  double with = best_[c - chunk.size] + chunk.value;
  if (with > best_[c]) {
    best_[c] = with;
    taken[c] = 1;
  }
}

// Each load reads the loads below it as they were before the chunk: from
// one table into the other, so that no branch waits on the comparison.
void PatternPricer::TakeOnceIfBetter(const Chunk& chunk, std::uint8_t* taken) {
  const std::size_t width = best_.size();
  const auto size = static_cast<std::size_t>(chunk.size);
  const double value = chunk.value;
  next_.resize(width);
  const double* from = best_.data();
  double* to = next_.data();
  std::copy_n(from, std::min(size, width), to);
  for (std::size_t c = size; c < width; ++c) {
    const double with = from[c - size] + value;
    const bool better = with > from[c];
    to[c] = better ? with : from[c];
    taken[c] = better;
  }
  best_.swap(next_);
}

Pattern PatternPricer::Reconstruct(int stock, std::int64_t load) const {
  const std::size_t width = static_cast<std::size_t>(instance_.capacities.back()) + 1;
  std::vector<int> counts(instance_.TypeCount(), 0);
  std::int64_t c = load;
  for (std::size_t index = chunks_.size(); index-- > 0;) {
    const Chunk& chunk = chunks_[index];
    do {
      if (!taken_[index * width + c]) {
        break;
      }
      counts[chunk.type] += chunk.copies;
      c -= chunk.size;
    } while (chunk.repeatable);
  }
  Pattern pattern{stock, {}};
  for (int type = 0; type < instance_.TypeCount(); ++type) {
    if (counts[type] > 0) {
      pattern.entries.push_back({type, counts[type]});
    }
  }
  return pattern;
}

}  // namespace grill::cutplan
