#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "BinInstance.h"
#include "PatternPricing.h"
#include "SearchLimit.h"

class ClpSimplex;

namespace grill::cutplan {

// The linear relaxation of the cutting problem over a growing set of
// patterns (Gilmore and Gomory): minimise the cost of the bars used, each
// item type covered at least as often as demanded, each limited stock kind
// used at most as often as it has bars left. The limit rows' duals add to
// their kind's cost in the pricing.
class MasterProblem {
 public:
  explicit MasterProblem(const BinInstance& instance);
  ~MasterProblem();
  MasterProblem(const MasterProblem&) = delete;
  MasterProblem& operator=(const MasterProblem&) = delete;

  void AddPatterns(const std::vector<Pattern>& patterns);

  enum class Outcome { Solved, CannotBeat, OutOfTime };
  struct Relaxation {
    Outcome outcome = Outcome::Solved;
    // A proven lower bound on the cost of covering the demands, rounded up
    // to a whole cost: the relaxation's optimum when solved, else the best
    // bound seen on the way.
    std::int64_t bound = 0;
    // Pattern index and its value in the relaxation's solution, largest
    // first; only when solved.
    std::vector<std::pair<int, double>> used;
  };
  // Column generation for `demands`: prices new patterns until none improves
  // the relaxation. Stops early once the bound shows no solution costs less
  // than `beat`. With `minLoad`, only patterns of at least that load take
  // part: the bound then holds for the solutions made of such bars.
  Relaxation Solve(const std::vector<int>& demands, std::int64_t beat, const SearchLimit& limit,
                   std::int64_t minLoad = 0);

  const Pattern& PatternAt(int index) const { return patterns_[index]; }

  // The bars left of each limited kind for the solves that follow; at
  // first, all of them.
  void SetSupply(const Supply& left);

  // Exact by default; with Improving, each solve ends once no pattern
  // clearly improves it, its bound a little lower for that.
  void SetPricingAccuracy(PatternPricer::Accuracy accuracy) { accuracy_ = accuracy; }

 private:
  void SetDemands(const std::vector<int>& demands);
  void SetMinimumLoad(std::int64_t minLoad);
  void AddColumns(const std::vector<Pattern>& patterns, const std::vector<double>& costs,
                  const std::vector<bool>& usable, bool standIns);
  // The limit rows' duals, at most 0, per stock kind; 0 for the others.
  std::vector<double> LimitDuals() const;
  // Sets the pricing's costs to the kinds' costs less their limit duals;
  // returns the duals times the bars left, summed.
  double PriceLimits(const std::vector<double>& limitDuals);
  bool Reoptimise();
  // The values with a small bonus per unit of length, so that pricing
  // prefers the fuller of two nearly equal patterns.
  std::vector<double> FullerFirst(std::vector<double> values) const;
  // Prices with `priceValues` (each at least its entry in `values`) and adds
  // the patterns that improve the relaxation at `values`, setting `added`.
  // Returns the best priced value per cost, at least 1: an upper bound on
  // the true one, so Farley's bound stays proven.
  // Nullopt when the limit ends the pricing first.
  std::optional<double> PriceAndAdd(const std::vector<double>& priceValues,
                                    const std::vector<double>& values,
                                    const std::vector<double>& limitDuals,
                                    const std::vector<int>& demands, const SearchLimit& limit,
                                    bool& added);

  const BinInstance& instance_;
  std::unique_ptr<ClpSimplex> lp_;
  // The instance with the costs the pricing sees.
  BinInstance pricing_;
  PatternPricer pricer_;
  // Row of each limited stock kind, -1 for the others.
  std::vector<int> limitRow_;
  Supply left_;
  // The limit of the solve under way, which ends a simplex run early.
  const SearchLimit* limit_ = nullptr;
  void AddStandIns();
  bool IsStandIn(int column) const {
    return column < static_cast<int>(standIn_.size()) && standIn_[column];
  }

  // Per column: its pattern and load, and whether it is one of the
  // stand-ins that keep the relaxation feasible under any minimum load.
  std::vector<Pattern> patterns_;
  std::vector<std::int64_t> loads_;
  std::vector<bool> standIn_;
  std::int64_t minLoad_ = 0;
  PatternPricer::Accuracy accuracy_ = PatternPricer::Accuracy::Exact;
  bool demandsChanged_ = true;
};

// The relaxation's value rounded up to a whole cost, allowing for the
// solver's tolerance.
std::int64_t RoundUpCost(double value);
// How far below the relaxation's value that allowance may take a bound.
std::int64_t RoundingSlack(std::int64_t bound);

}  // namespace grill::cutplan
