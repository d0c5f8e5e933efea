#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "BinInstance.h"
#include "PatternPricing.h"
#include "SearchLimit.h"

class ClpSimplex;

namespace grill::cutplan {

// How many bars of one stock kind a solution may use.
struct KindRange {
  int least = 0;
  int most = kAsNeeded;
  bool operator==(const KindRange&) const = default;
};

// The linear relaxation of the cutting problem over a growing set of
// patterns (Gilmore and Gomory): minimise the cost of the bars used, each
// item type covered at least as often as demanded, each limited stock kind
// used at most as often as it has bars left, and within the ranges set on
// the kinds' bars. The rows of the limits and ranges count a kind's bars:
// their duals add to that kind's cost in the pricing, which so stays a
// knapsack per kind, and no pattern ever has to leave the relaxation (idle
// ones do, where they would slow every solve down).
class MasterProblem {
 public:
  explicit MasterProblem(const BinInstance& instance);
  ~MasterProblem();
  MasterProblem(const MasterProblem&) = delete;
  MasterProblem& operator=(const MasterProblem&) = delete;

  void AddPatterns(const std::vector<Pattern>& patterns);
  // Bars priced before the knapsack in the solves with a minimum load,
  // taken in batches while any improves the relaxation: where every bar
  // must be all but full, most of those it needs can be among them, and a
  // look at each costs far less than a knapsack over the capacity.
  void SetCandidates(std::vector<Pattern> candidates);

  enum class Outcome { Solved, CannotBeat, OutOfTime };
  struct Relaxation {
    Outcome outcome = Outcome::Solved;
    // A proven lower bound on the cost of covering the demands, rounded up
    // to a whole cost: the relaxation's optimum when solved, else the best
    // bound seen on the way.
    std::int64_t bound = 0;
    // The patterns of the relaxation's solution and their values, largest
    // first; only when solved. Patterns, not columns: a later solve may
    // drop columns.
    std::vector<std::pair<Pattern, double>> used;
  };
  // Column generation for `demands`: prices new patterns until none improves
  // the relaxation. Stops early once the bound shows no solution costs less
  // than `beat`. With `minLoad`, only patterns of at least that load take
  // part: the bound then holds for the solutions made of such bars.
  Relaxation Solve(const std::vector<int>& demands, std::int64_t beat, const SearchLimit& limit,
                   std::int64_t minLoad = 0);

  // The bars left of each limited kind for the solves that follow; at
  // first, all of them.
  void SetSupply(const Supply& left);

  // The ranges of bars per stock kind for the solves that follow, one per
  // kind; empty: none beyond the supply. With ranges, stand-ins dearer than
  // any plan keep the relaxation feasible, so its bound holds for the
  // solutions within the ranges.
  void SetKindRanges(const std::vector<KindRange>& ranges);

  // A solve ends once its bound and the relaxation's value agree in this
  // unit (by default 1, a whole cost): where only the first objective
  // counts, the columns that settle the ones below it are not worth their
  // time.
  void SetBoundUnit(std::int64_t unit) { boundUnit_ = unit; }
  // Each solve runs on until no pattern improves it, for duals that are
  // the relaxation's own rather than near enough for its bound.
  void SetUntilNoneImproves(bool untilNoneImproves) { untilNoneImproves_ = untilNoneImproves; }

  // How many columns the relaxation holds, those that keep it feasible
  // among them; solves drop idle ones where they far outnumber the rows.
  int ColumnCount() const { return static_cast<int>(patterns_.size()); }

  // Per type, the last solve's dual of its demand, at least 0.
  std::vector<double> ItemValues() const;

  // Exact by default; with Improving, each solve ends once no pattern
  // clearly improves it, its bound a little lower for that.
  void SetPricingAccuracy(PatternPricer::Accuracy accuracy) { accuracy_ = accuracy; }

 private:
  void SetDemands(const std::vector<int>& demands);
  // Where the columns far outnumber the rows, drops those the duals of a
  // solve just ended price out most clearly: each simplex iteration looks
  // at every column, and a search's many solves each add some. The basis
  // stays, as only nonbasic columns go.
  void DropIdleColumns(const std::vector<double>& values);
  // The columns to drop, in order: of those beyond the ones kept, the
  // nonbasic ones priced out most clearly; none where rows count a kind's
  // bars, so the demands' duals alone price the bars.
  std::vector<int> IdleColumns(const std::vector<double>& values) const;
  // Only the load: SetDemands, which follows, bounds the columns by both.
  void SetMinimumLoad(std::int64_t minLoad);
  void AddColumns(const std::vector<Pattern>& patterns, const std::vector<double>& costs,
                  const std::vector<bool>& usable, bool standIns);
  // Rows that count the bars of the kinds without one yet.
  void AddKindRows();
  // The kind rows' bounds from the supply and the ranges.
  void BoundKindRows();
  // The kind rows' duals per stock kind, each of the sign its row's bound
  // allows (at most 0 for an upper bound, at least 0 for a lower one, and
  // then less than the kind's cost); 0 for a kind without a row.
  std::vector<double> KindDuals() const;
  // The demands times their values.
  double CoveredValue(const std::vector<double>& values, const std::vector<int>& demands) const;
  // Sets the pricing's costs to the kinds' costs less their duals; returns
  // the duals times the bounds they belong to, summed.
  double PriceLimits(const std::vector<double>& limitDuals);
  bool Reoptimise();
  // The values with a small bonus per unit of length, so that pricing
  // prefers the fuller of two nearly equal patterns.
  std::vector<double> FullerFirst(std::vector<double> values) const;
  static double ValueOf(const Pattern& pattern, const std::vector<double>& values);
  // Whether the pattern, new to the relaxation, improves it at `values`.
  bool Improves(const Pattern& pattern, const std::vector<double>& values,
                const std::vector<double>& limitDuals) const;
  // Adds the candidates within the demands and the minimum load that
  // improve the relaxation at `values`, the best at `priceValues` first;
  // false when none does.
  bool AddImprovingCandidates(const std::vector<double>& priceValues,
                              const std::vector<double>& values,
                              const std::vector<double>& limitDuals,
                              const std::vector<int>& demands);
  // Prices with `priceValues` (each at least its entry in `values`) and adds
  // the patterns that improve the relaxation at `values`, setting `added`.
  // Returns the best priced value per cost, at least 1: an upper bound on
  // the true one, so Farley's bound stays proven; infinite when improving
  // candidates took the knapsack's place.
  // Nullopt when the limit ends the pricing first.
  std::optional<double> PriceAndAdd(const std::vector<double>& priceValues,
                                    const std::vector<double>& values,
                                    const std::vector<double>& limitDuals,
                                    const std::vector<int>& demands, const SearchLimit& limit,
                                    bool& added);

  // A bar is usable where it is loaded at least to the minimum and holds
  // no more of a type than is left of it: no plan of the rest has one that
  // holds more, and with it the relaxation would cover what is not there.
  // The bars of one type each stay, whatever the demand: they keep the
  // relaxation feasible. Where kind rows count the bars, every bar loaded
  // enough stays: there leaving them out made a shop job's plan dearer.
  bool Usable(const Pattern& pattern, std::int64_t load, int column) const;
  // Every column's upper bound as Usable has it, the stand-ins' and the
  // exchanges' aside.
  void BoundColumns();
  void AddStandIns();
  void AddExchanges();
  void EnableExchanges(bool enabled);
  bool IsExchange(int column) const {
    return column >= firstExchange_ && column < firstExchange_ + exchanges_;
  }
  bool IsStandIn(int column) const {
    return column < static_cast<int>(standIn_.size()) && standIn_[column];
  }
  static std::size_t HashOf(const Pattern& pattern);
  // Whether the relaxation has a column of that pattern, stand-ins aside.
  bool Known(const Pattern& pattern) const;
  // Without kind rows the duals of the demands alone price the bars, and
  // a mix of two such duals is one too.
  bool Smoothable() const;

  const BinInstance& instance_;
  std::unique_ptr<ClpSimplex> lp_;
  // The instance with the costs the pricing sees.
  BinInstance pricing_;
  PatternPricer pricer_;
  // Row that counts the bars of each stock kind, -1 for a kind without
  // one: at first only the limited kinds have one.
  std::vector<int> kindRow_;
  // Per kind row, its bounds.
  std::vector<double> rowLower_;
  std::vector<double> rowUpper_;
  Supply left_;
  // The demands of the solve under way.
  std::vector<int> demands_;
  std::vector<KindRange> ranges_;
  // The limit of the solve under way, which ends a simplex run early.
  const SearchLimit* limit_ = nullptr;
  // The exchange columns, an item standing in for the next shorter one:
  // from the first, how many.
  int firstExchange_ = 0;
  int exchanges_ = 0;
  // The columns before it, of one type each and the exchanges, stay: they
  // keep the relaxation feasible for any demand.
  int firstDroppable_ = 0;
  // Per column: its pattern and load, and whether it is one of the
  // stand-ins that keep the relaxation feasible under any minimum load.
  std::vector<Pattern> patterns_;
  std::vector<std::int64_t> loads_;
  // The candidates (see SetCandidates) and their loads.
  std::vector<Pattern> candidates_;
  std::vector<std::int64_t> candidateLoads_;
  std::vector<bool> standIn_;
  // The columns but the stand-ins by their patterns' hash.
  std::unordered_multimap<std::size_t, int> columnsByHash_;
  std::int64_t minLoad_ = 0;
  PatternPricer::Accuracy accuracy_ = PatternPricer::Accuracy::Exact;
  bool demandsChanged_ = true;
  std::int64_t boundUnit_ = 1;
  bool untilNoneImproves_ = false;
};

// The relaxation's value rounded up to a whole cost, allowing for the
// solver's tolerance.
std::int64_t RoundUpCost(double value);
// How far below the relaxation's value that allowance may take a bound.
std::int64_t RoundingSlack(std::int64_t bound);

}  // namespace grill::cutplan
