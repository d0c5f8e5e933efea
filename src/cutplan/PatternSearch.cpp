#include "PatternSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "GreedyPacking.h"
#include "SimpleBounds.h"

namespace grill::cutplan {

namespace {

class Diver {
 public:
  Diver(const BinInstance& instance, Solution start, const SearchLimit& limit)
      : instance_(instance),
        master_(instance),
        fillPricer_(instance),
        limit_(limit),
        best_(std::move(start)),
        bestCost_(Cost(instance, best_)),
        residual_(instance.demands) {
    for (const Pattern& bar : best_) {
      master_.AddPattern(bar);
    }
  }

  SearchResult Run() {
    bound_ = SimpleCostBound(instance_);
    if (bestCost_ > bound_ && pricingFits()) {
      MasterProblem::Relaxation root = master_.Solve(residual_, bestCost_, limit_);
      bound_ = std::max(bound_, root.bound);
      if (root.outcome == MasterProblem::Outcome::Solved) {
        TryRounding(root);
        for (int deviations = 0; !Finished(); ++deviations) {
          deviationsUsed_ = false;
          firstDive_ = deviations == 0;
          Dive(root, deviations);
          if (!deviationsUsed_) {
            break;  // the search was complete: more leeway would repeat it
          }
        }
      }
    }
    return {std::move(best_), std::min(bound_, bestCost_)};
  }

 private:
  bool pricingFits() const { return PatternPricer(instance_).Feasible(); }

  bool Finished() const { return bestCost_ <= bound_ || limit_.Reached(); }

  // Solves the relaxation for the residual demands below the fixed bars.
  std::optional<MasterProblem::Relaxation> Relax() {
    if (std::all_of(residual_.begin(), residual_.end(), [](int d) { return d == 0; })) {
      Record(fixed_);
      return std::nullopt;
    }
    MasterProblem::Relaxation relaxation = master_.Solve(residual_, bestCost_ - fixedCost_, limit_);
    if (relaxation.outcome != MasterProblem::Outcome::Solved) {
      return std::nullopt;
    }
    TryRounding(relaxation);
    return relaxation;
  }

  // Fixes `copies` of the pattern, fewer where the residual demand runs out;
  // returns how many bars it fixed.
  int Fix(const Pattern& pattern, int copies) {
    for (const PatternEntry& entry : pattern.entries) {
      if (residual_[entry.type] < entry.count) {
        copies = 1;
      } else {
        copies = std::min(copies, residual_[entry.type] / entry.count);
      }
    }
    for (int copy = 0; copy < copies; ++copy) {
      Pattern bar{pattern.stock, {}};
      for (const PatternEntry& entry : pattern.entries) {
        int count = std::min(entry.count, residual_[entry.type]);
        if (count > 0) {
          bar.entries.push_back({entry.type, count});
          residual_[entry.type] -= count;
        }
      }
      if (bar.entries.empty()) {
        return copy;
      }
      bar.stock = SmallestStockFor(instance_, Load(instance_, bar));
      fixedCost_ += instance_.costs[bar.stock];
      fixed_.push_back(std::move(bar));
    }
    return copies;
  }

  void Unfix(int bars) {
    for (int bar = 0; bar < bars; ++bar) {
      for (const PatternEntry& entry : fixed_.back().entries) {
        residual_[entry.type] += entry.count;
      }
      fixedCost_ -= instance_.costs[fixed_.back().stock];
      fixed_.pop_back();
    }
  }

  // Rounds the relaxation down and packs the rest greedily.
  void TryRounding(const MasterProblem::Relaxation& relaxation) {
    int fixedBars = 0;
    for (const auto& [index, value] : relaxation.used) {
      int copies = static_cast<int>(std::floor(value + 1e-9));
      if (copies > 0) {
        fixedBars += Fix(master_.PatternAt(index), copies);
      }
    }
    Solution candidate = fixed_;
    Solution rest = BestGreedy(instance_, residual_);
    candidate.insert(candidate.end(), rest.begin(), rest.end());
    Record(candidate);
    // Jobs whose optimum fills every bar exactly need exact fills, which
    // the greedy rules rarely find. Costly, so only on the first dive.
    if (firstDive_) {
      fixedBars += FixFullestBars();
      Record(fixed_);
    }
    Unfix(fixedBars);
  }

  // Fixes, until no demand is left, the fullest bar the residual allows,
  // as many times as it allows; ties go to the longer items.
  int FixFullestBars() {
    int fixedBars = 0;
    std::vector<double> values(instance_.TypeCount());
    const double capacity = static_cast<double>(instance_.capacities.back());
    while (std::any_of(residual_.begin(), residual_.end(), [](int d) { return d > 0; })) {
      for (int type = 0; type < instance_.TypeCount(); ++type) {
        const double size = static_cast<double>(instance_.sizes[type]);
        values[type] = size * (1 + 1e-7 * size / capacity);
      }
      PatternPricer::Priced fullest = fillPricer_.BestPatterns(values, residual_).back();
      fixedBars += Fix(fullest.pattern, std::numeric_limits<int>::max());
    }
    return fixedBars;
  }

  void Record(const Solution& candidate) {
    std::int64_t cost = Cost(instance_, candidate);
    if (cost < bestCost_) {
      best_ = candidate;
      bestCost_ = cost;
      for (const Pattern& bar : candidate) {
        master_.AddPattern(bar);
      }
    }
  }

  // Fixes the relaxation's most used pattern (all its whole copies) and
  // dives on; with deviations left, also tries the next patterns in turn.
  void Dive(const MasterProblem::Relaxation& relaxation, int deviations) {
    const int choices = static_cast<int>(relaxation.used.size());
    for (int choice = 0; choice < choices && choice <= deviations; ++choice) {
      if (Finished()) {
        return;
      }
      if (choice == deviations) {
        deviationsUsed_ = deviationsUsed_ || choice + 1 < choices;
      }
      const auto& [index, value] = relaxation.used[choice];
      int fixedBars = Fix(master_.PatternAt(index), std::max(1, static_cast<int>(value + 1e-9)));
      if (std::optional<MasterProblem::Relaxation> next = Relax()) {
        Dive(*next, deviations - choice);
      }
      Unfix(fixedBars);
    }
  }

  const BinInstance& instance_;
  MasterProblem master_;
  PatternPricer fillPricer_;
  const SearchLimit& limit_;
  Solution best_;
  std::int64_t bestCost_;
  std::int64_t bound_ = 0;
  std::vector<int> residual_;
  Solution fixed_;
  std::int64_t fixedCost_ = 0;
  bool deviationsUsed_ = false;
  bool firstDive_ = true;
};

}  // namespace

SearchResult ImproveSolution(const BinInstance& instance, Solution start,
                             const SearchLimit& limit) {
  return Diver(instance, std::move(start), limit).Run();
}

}  // namespace grill::cutplan
