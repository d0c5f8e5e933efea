#include "MasterProblem.h"

#include <ClpEventHandler.hpp>
#include <ClpSimplex.hpp>
#include <algorithm>
#include <cmath>
#include <limits>

#include "WorkCount.h"

namespace grill::cutplan {

namespace {

// Pricing favours fuller bars by this share of a full bar's cost. The
// relaxation has many optimal solutions on tight jobs; built from fuller
// bars, its solutions round to plans with less waste, which such jobs need.
constexpr double kFullerBias = 1e-4;
// The share of the best bound's duals in the duals a round prices at.
constexpr double kSmoothing = 0.8;
// Candidates taken into the relaxation per round.
constexpr std::size_t kCandidateBatch = 50;
// Columns per row beyond which idle ones are dropped, and per row kept
// then, but never fewer than these: on small jobs a simplex iteration is
// cheap, and the columns spare the pricing. Only those priced out by more
// than this share of their cost go, and none where rows count the bars of
// a kind: the branching on kinds moves between ranges that need the
// columns the last duals priced out.
constexpr int kMostColumnsPerRow = 6;
constexpr int kKeptColumnsPerRow = 3;
constexpr int kMostColumnsAlways = 2000;
constexpr int kKeptColumnsAlways = 1000;
constexpr double kIdleReducedCost = 1e-3;

}  // namespace

namespace {

// Work per simplex iteration and row or column, and per solve besides.
constexpr std::int64_t kSimplexWork = 13;
constexpr std::int64_t kSolveWork = 20'000;

// The relative tolerance of the relaxation's value.
constexpr double kValueTolerance = 1e-6;

// A lower bound's dual takes at most this share of its kind's cost, so
// that Farley's scaling, which divides by what is left, stays finite.
constexpr double kMostDualShare = 1 - 1e-6;

// Ends a simplex run once the search's limit is reached: on weighted costs
// one run may take many times the search's time. The run then counts as
// not solved.
class StopAtLimit : public ClpEventHandler {
 public:
  explicit StopAtLimit(const SearchLimit* const* limit) : limit_(limit) {}
  ClpEventHandler* clone() const override { return new StopAtLimit(*this); }
  int event(Event whichEvent) override {
    if (whichEvent != endOfIteration) {
      return -1;
    }
    AddWork(kSimplexWork * (model_->numberRows() + model_->numberColumns()));
    return *limit_ != nullptr && (*limit_)->Reached() ? 0 : -1;
  }

 private:
  const SearchLimit* const* limit_;
};

}  // namespace

std::int64_t RoundUpCost(double value) {
  return static_cast<std::int64_t>(
      std::ceil(value - kValueTolerance * std::max(1.0, std::abs(value))));
}

std::int64_t RoundingSlack(std::int64_t bound) {
  return static_cast<std::int64_t>(
             std::ceil(kValueTolerance * std::max(1.0, static_cast<double>(bound)))) +
         1;
}

MasterProblem::MasterProblem(const BinInstance& instance)
    : instance_(instance),
      lp_(std::make_unique<ClpSimplex>()),
      pricing_(instance),
      pricer_(pricing_),
      kindRow_(instance.StockCount(), -1),
      rowLower_(instance.StockCount(), -COIN_DBL_MAX),
      rowUpper_(instance.StockCount(), COIN_DBL_MAX),
      left_(FullSupply(instance)),
      demands_(instance.demands) {
  int rows = instance.TypeCount();
  for (int stock = 0; stock < instance.StockCount(); ++stock) {
    if (instance.Limited(stock)) {
      kindRow_[stock] = rows++;
    }
  }
  lp_->setLogLevel(0);
  const StopAtLimit stopAtLimit(&limit_);
  lp_->passInEventHandler(&stopAtLimit);
  lp_->resize(rows, 0);
  lp_->setOptimizationDirection(1);
  SetSupply(left_);
  // Every type alone in a bar bought as needed keeps the relaxation
  // feasible for any demand and any supply.
  std::vector<Pattern> alone;
  for (int type = 0; type < instance.TypeCount(); ++type) {
    const std::int64_t capacity = instance.capacities.back();
    int copies = static_cast<int>(std::min<std::int64_t>(capacity / instance.sizes[type],
                                                         std::max(instance.demands[type], 1)));
    Pattern& bar = alone.emplace_back(Pattern{instance.StockCount() - 1, {{type, copies}}});
    bar.stock = SmallestStockFor(instance, Load(instance, bar));
  }
  AddPatterns(alone);
  if (instance.StockCount() == 1 && !instance.AnyLimited()) {
    AddExchanges();
  }
  firstDroppable_ = static_cast<int>(patterns_.size());
}

void MasterProblem::EnableExchanges(bool enabled) {
  for (int column = firstExchange_; column < firstExchange_ + exchanges_; ++column) {
    lp_->setColumnUpper(column, enabled ? COIN_DBL_MAX : 0.0);
  }
  demandsChanged_ = true;  // the basis stays dual feasible
}

void MasterProblem::AddExchanges() {
  // An item may stand in for a shorter one: any bar holds the shorter in
  // its place. So some optimal duals grow with the length, and the
  // relaxation, kept to such duals, needs far fewer rounds on jobs of many
  // lengths. Its solution then covers some items by longer ones, which no
  // plan rounds from, so each solve ends without them (see Solve); a bar
  // filled to a minimum load may not shrink, so they also go while one is
  // set.
  const int types = instance_.TypeCount();
  std::vector<int> starts{0};
  std::vector<int> rows;
  std::vector<double> counts;
  for (int type = 0; type + 1 < types; ++type) {
    rows.insert(rows.end(), {type, type + 1});
    counts.insert(counts.end(), {-1.0, 1.0});
    starts.push_back(static_cast<int>(rows.size()));
  }
  const int added = types - 1;
  if (added <= 0) {
    return;
  }
  firstExchange_ = static_cast<int>(patterns_.size());
  exchanges_ = added;
  const std::vector<double> lower(added, 0.0);
  const std::vector<double> upper(added, COIN_DBL_MAX);
  const std::vector<double> costs(added, 0.0);
  lp_->addColumns(added, lower.data(), upper.data(), costs.data(), starts.data(), rows.data(),
                  counts.data());
  patterns_.resize(patterns_.size() + added, Pattern{instance_.StockCount() - 1, {}});
  loads_.resize(loads_.size() + added, 0);
}

MasterProblem::~MasterProblem() = default;

void MasterProblem::AddPatterns(const std::vector<Pattern>& patterns) {
  std::vector<double> costs;
  std::vector<bool> usable;
  for (const Pattern& pattern : patterns) {
    const auto column = static_cast<int>(patterns_.size() + costs.size());
    costs.push_back(static_cast<double>(instance_.costs[pattern.stock]));
    usable.push_back(Usable(pattern, Load(instance_, pattern), column));
  }
  AddColumns(patterns, costs, usable, false);
}

void MasterProblem::SetCandidates(std::vector<Pattern> candidates) {
  candidates_ = std::move(candidates);
  candidateLoads_.clear();
  for (const Pattern& candidate : candidates_) {
    candidateLoads_.push_back(Load(instance_, candidate));
  }
}

void MasterProblem::SetSupply(const Supply& left) {
  left_ = left;
  BoundKindRows();
}

void MasterProblem::SetKindRanges(const std::vector<KindRange>& ranges) {
  if (!ranges.empty()) {
    AddKindRows();
    if (standIn_.empty()) {
      AddStandIns();
    }
  }
  ranges_ = ranges;
  BoundKindRows();
}

void MasterProblem::AddKindRows() {
  std::vector<int> starts{0};
  std::vector<int> columns;
  std::vector<double> ones;
  int next = lp_->numberRows();
  for (int stock = 0; stock < instance_.StockCount(); ++stock) {
    if (kindRow_[stock] >= 0) {
      continue;
    }
    kindRow_[stock] = next++;
    for (int column = 0; column < static_cast<int>(patterns_.size()); ++column) {
      if (!IsStandIn(column) && !IsExchange(column) && patterns_[column].stock == stock) {
        columns.push_back(column);
        ones.push_back(1);
      }
    }
    starts.push_back(static_cast<int>(columns.size()));
  }
  const int added = static_cast<int>(starts.size()) - 1;
  if (added > 0) {
    const std::vector<double> lower(added, -COIN_DBL_MAX);
    const std::vector<double> upper(added, COIN_DBL_MAX);
    lp_->addRows(added, lower.data(), upper.data(), starts.data(), columns.data(), ones.data());
  }
}

void MasterProblem::BoundKindRows() {
  for (int stock = 0; stock < instance_.StockCount(); ++stock) {
    if (kindRow_[stock] < 0) {
      continue;
    }
    double lower = -COIN_DBL_MAX;
    double upper = left_[stock] == kAsNeeded ? COIN_DBL_MAX : left_[stock];
    if (!ranges_.empty()) {
      const KindRange& range = ranges_[stock];
      if (range.least > 0) {
        lower = range.least;
      }
      if (range.most != kAsNeeded) {
        upper = std::min(upper, static_cast<double>(range.most));
      }
    }
    rowLower_[stock] = lower;
    rowUpper_[stock] = upper;
    lp_->setRowBounds(kindRow_[stock], lower, upper);
  }
  demandsChanged_ = true;  // new bounds keep the basis dual feasible
}

// All at once: CLP copies its matrix for every call, which for thousands of
// patterns one by one costs more than the whole search.
void MasterProblem::AddColumns(const std::vector<Pattern>& patterns,
                               const std::vector<double>& costs, const std::vector<bool>& usable,
                               bool standIns) {
  std::vector<int> starts{0};
  std::vector<int> rows;
  std::vector<double> counts;
  std::vector<double> lower(patterns.size(), 0.0);
  std::vector<double> upper;
  for (std::size_t index = 0; index < patterns.size(); ++index) {
    for (const PatternEntry& entry : patterns[index].entries) {
      rows.push_back(entry.type);
      counts.push_back(entry.count);
    }
    if (const int row = kindRow_[patterns[index].stock]; row >= 0 && !standIns) {
      rows.push_back(row);
      counts.push_back(1);
    }
    starts.push_back(static_cast<int>(rows.size()));
    upper.push_back(usable[index] ? COIN_DBL_MAX : 0.0);
    if (!standIns) {
      columnsByHash_.emplace(HashOf(patterns[index]), static_cast<int>(patterns_.size()));
    }
    patterns_.push_back(patterns[index]);
    loads_.push_back(Load(instance_, patterns[index]));
  }
  lp_->addColumns(static_cast<int>(patterns.size()), lower.data(), upper.data(), costs.data(),
                  starts.data(), rows.data(), counts.data());
}

bool MasterProblem::Smoothable() const {
  return ranges_.empty() &&
         std::all_of(kindRow_.begin(), kindRow_.end(), [](int row) { return row < 0; });
}

std::size_t MasterProblem::HashOf(const Pattern& pattern) {
  std::size_t hash = static_cast<std::size_t>(pattern.stock);
  for (const PatternEntry& entry : pattern.entries) {
    hash = hash * 1'000'003 + static_cast<std::size_t>(entry.type);
    hash = hash * 1'000'003 + static_cast<std::size_t>(entry.count);
  }
  return hash;
}

bool MasterProblem::Known(const Pattern& pattern) const {
  const auto [first, last] = columnsByHash_.equal_range(HashOf(pattern));
  return std::any_of(first, last,
                     [&](const auto& entry) { return patterns_[entry.second] == pattern; });
}

void MasterProblem::AddStandIns() {
  // A stand-in per type, dearer than any plan, keeps the relaxation feasible
  // when a minimum load leaves too few patterns; it never enters otherwise.
  std::int64_t pieces = 1;
  for (int demand : instance_.demands) {
    pieces += demand;
  }
  const double cost = static_cast<double>(pieces * instance_.HighestCost());
  std::vector<Pattern> standIns;
  for (int type = 0; type < instance_.TypeCount(); ++type) {
    standIns.push_back(Pattern{instance_.StockCount() - 1, {{type, 1}}});
  }
  standIn_.assign(patterns_.size(), false);
  standIn_.resize(patterns_.size() + standIns.size(), true);
  AddColumns(standIns, std::vector<double>(standIns.size(), cost),
             std::vector<bool>(standIns.size(), true), true);
}

void MasterProblem::SetMinimumLoad(std::int64_t minLoad) {
  if (minLoad > 0 && standIn_.empty()) {
    AddStandIns();
  }
  minLoad_ = minLoad;
}

void MasterProblem::SetDemands(const std::vector<int>& demands) {
  for (int type = 0; type < instance_.TypeCount(); ++type) {
    lp_->setRowBounds(type, demands[type], COIN_DBL_MAX);
  }
  demands_ = demands;
  BoundColumns();
}

bool MasterProblem::Usable(const Pattern& pattern, std::int64_t load, int column) const {
  if (load < minLoad_) {
    return false;
  }
  return column < firstDroppable_ || !Smoothable() ||
         std::all_of(
             pattern.entries.begin(), pattern.entries.end(),
             [&](const PatternEntry& entry) { return entry.count <= demands_[entry.type]; });
}

void MasterProblem::BoundColumns() {
  const double* upper = lp_->columnUpper();
  for (int column = 0; column < static_cast<int>(patterns_.size()); ++column) {
    if (IsStandIn(column) || IsExchange(column)) {
      continue;
    }
    const double bound = Usable(patterns_[column], loads_[column], column) ? COIN_DBL_MAX : 0.0;
    if (upper[column] != bound) {
      lp_->setColumnUpper(column, bound);
    }
  }
  demandsChanged_ = true;  // the basis stays dual feasible
}

void MasterProblem::DropIdleColumns(const std::vector<double>& values) {
  const std::vector<int> idle = IdleColumns(values);
  if (idle.empty()) {
    return;
  }
  lp_->deleteColumns(static_cast<int>(idle.size()), idle.data());
  std::vector<bool> gone(patterns_.size(), false);
  for (int column : idle) {
    gone[column] = true;
  }
  // The flags of the stand-ins reach as far as the last of them, which
  // stays.
  const std::size_t flagged = standIn_.size();
  std::size_t left = 0;
  std::size_t leftFlagged = 0;
  for (std::size_t column = 0; column < patterns_.size(); ++column) {
    if (gone[column]) {
      continue;
    }
    // Until the first column that goes, each stays where it is (a vector
    // moved onto itself would be left empty).
    if (left != column) {
      patterns_[left] = std::move(patterns_[column]);
      loads_[left] = loads_[column];
      if (column < flagged) {
        standIn_[left] = standIn_[column];
      }
    }
    if (column < flagged) {
      leftFlagged = left + 1;
    }
    ++left;
  }
  patterns_.resize(left);
  loads_.resize(left);
  standIn_.resize(leftFlagged);
  columnsByHash_.clear();
  for (int column = 0; column < static_cast<int>(left); ++column) {
    if (!IsStandIn(column) && !IsExchange(column)) {
      columnsByHash_.emplace(HashOf(patterns_[column]), column);
    }
  }
}

std::vector<int> MasterProblem::IdleColumns(const std::vector<double>& values) const {
  const int rows = lp_->numberRows();
  const int first = firstDroppable_;
  const int droppable = lp_->numberColumns() - first;
  if (!Smoothable() || droppable <= std::max(kMostColumnsPerRow * rows, kMostColumnsAlways)) {
    return {};
  }
  // By the duals, not the solver's reduced costs: those of the columns the
  // last pricing added are not computed yet.
  std::vector<std::pair<double, int>> idle;
  for (int column = first; column < lp_->numberColumns(); ++column) {
    if (IsStandIn(column) || lp_->getColumnStatus(column) == ClpSimplex::basic) {
      continue;
    }
    const Pattern& pattern = patterns_[column];
    const double cost = static_cast<double>(instance_.costs[pattern.stock]);
    const double reduced = cost - ValueOf(pattern, values);
    if (reduced > kIdleReducedCost * cost) {
      idle.emplace_back(reduced, column);
    }
  }
  // The most clearly priced out go first.
  const auto excess =
      static_cast<std::size_t>(droppable - std::max(kKeptColumnsPerRow * rows, kKeptColumnsAlways));
  if (idle.size() > excess) {
    std::nth_element(idle.begin(), idle.begin() + static_cast<std::ptrdiff_t>(excess), idle.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    idle.resize(excess);
  }
  std::vector<int> columns;
  for (const auto& entry : idle) {
    columns.push_back(entry.second);
  }
  std::sort(columns.begin(), columns.end());
  return columns;
}

std::vector<double> MasterProblem::ItemValues() const {
  const double* duals = lp_->dualRowSolution();
  std::vector<double> values(duals, duals + instance_.TypeCount());
  for (double& value : values) {
    value = std::max(value, 0.0);
  }
  return values;
}

bool MasterProblem::Reoptimise() {
  AddWork(kSolveWork);
  // New demands keep the basis dual feasible, new columns keep it primal
  // feasible: each warm start suits one simplex.
  // Re-solves follow each other by the thousand: CLP keeps its work areas
  // between them instead of allocating them anew each time.
  constexpr int kKeepWorkAreas = 1;
  if (demandsChanged_) {
    lp_->dual(0, kKeepWorkAreas);
    demandsChanged_ = false;
  } else {
    lp_->primal(1, kKeepWorkAreas);
  }
  return lp_->isProvenOptimal();
}

std::vector<double> MasterProblem::FullerFirst(std::vector<double> values) const {
  const double valuePerUnit = static_cast<double>(instance_.HighestCost()) /
                              static_cast<double>(instance_.capacities.back());
  for (int type = 0; type < instance_.TypeCount(); ++type) {
    values[type] += kFullerBias * valuePerUnit * static_cast<double>(instance_.sizes[type]);
  }
  return values;
}

std::vector<double> MasterProblem::KindDuals() const {
  const double* duals = lp_->dualRowSolution();
  std::vector<double> kindDuals(instance_.StockCount(), 0.0);
  for (int stock = 0; stock < instance_.StockCount(); ++stock) {
    if (kindRow_[stock] >= 0) {
      double dual = duals[kindRow_[stock]];
      if (rowLower_[stock] == -COIN_DBL_MAX) {
        dual = std::min(dual, 0.0);
      }
      if (rowUpper_[stock] == COIN_DBL_MAX) {
        dual = std::max(dual, 0.0);
      }
      dual = std::min(dual, kMostDualShare * static_cast<double>(instance_.costs[stock]));
      kindDuals[stock] = dual;
    }
  }
  return kindDuals;
}

double MasterProblem::CoveredValue(const std::vector<double>& values,
                                   const std::vector<int>& demands) const {
  double total = 0;
  for (int type = 0; type < instance_.TypeCount(); ++type) {
    total += values[type] * demands[type];
  }
  return total;
}

double MasterProblem::PriceLimits(const std::vector<double>& limitDuals) {
  double total = 0;
  for (int stock = 0; stock < instance_.StockCount(); ++stock) {
    // Rounded down, the pricing's threshold lets through every pattern
    // that improves the relaxation.
    pricing_.costs[stock] = static_cast<std::int64_t>(
        std::floor(static_cast<double>(instance_.costs[stock]) - limitDuals[stock]));
    if (limitDuals[stock] < 0) {
      total += limitDuals[stock] * rowUpper_[stock];
    } else if (limitDuals[stock] > 0) {
      total += limitDuals[stock] * rowLower_[stock];
    }
  }
  return total;
}

double MasterProblem::ValueOf(const Pattern& pattern, const std::vector<double>& values) {
  double value = 0;
  for (const PatternEntry& entry : pattern.entries) {
    value += values[entry.type] * entry.count;
  }
  return value;
}

bool MasterProblem::Improves(const Pattern& pattern, const std::vector<double>& values,
                             const std::vector<double>& limitDuals) const {
  const int stock = pattern.stock;
  const double cost = static_cast<double>(instance_.costs[stock]) - limitDuals[stock];
  // A lower bound's dual lowers the cost, not what an improvement is
  // measured against.
  const double full = std::max(cost, static_cast<double>(instance_.costs[stock]));
  // A column the simplex already priced out improves nothing: within its
  // tolerance the pricing may still see it improve, and adding it again
  // would go round for ever.
  return ValueOf(pattern, values) - cost > kImproving * full && !Known(pattern);
}

bool MasterProblem::AddImprovingCandidates(const std::vector<double>& priceValues,
                                           const std::vector<double>& values,
                                           const std::vector<double>& limitDuals,
                                           const std::vector<int>& demands) {
  std::vector<std::pair<double, int>> improving;
  for (int index = 0; index < static_cast<int>(candidates_.size()); ++index) {
    const Pattern& candidate = candidates_[index];
    if (candidateLoads_[index] < minLoad_ ||
        std::any_of(candidate.entries.begin(), candidate.entries.end(),
                    [&](const PatternEntry& entry) { return entry.count > demands[entry.type]; })) {
      continue;
    }
    if (Improves(candidate, values, limitDuals)) {
      const int stock = candidate.stock;
      const double cost = static_cast<double>(instance_.costs[stock]) - limitDuals[stock];
      improving.emplace_back(ValueOf(candidate, priceValues) - cost, index);
    }
  }
  if (improving.empty()) {
    return false;
  }
  const std::size_t batch = std::min(improving.size(), kCandidateBatch);
  std::partial_sort(improving.begin(), improving.begin() + static_cast<std::ptrdiff_t>(batch),
                    improving.end(),
                    [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<Pattern> taken;
  for (std::size_t rank = 0; rank < batch; ++rank) {
    taken.push_back(candidates_[improving[rank].second]);
  }
  AddPatterns(taken);
  return true;
}

std::optional<double> MasterProblem::PriceAndAdd(const std::vector<double>& priceValues,
                                                 const std::vector<double>& values,
                                                 const std::vector<double>& limitDuals,
                                                 const std::vector<int>& demands,
                                                 const SearchLimit& limit, bool& added) {
  // The candidates are not every bar, so a round priced by them alone
  // bounds nothing: an infinite ratio keeps Farley's bound where it was.
  if (minLoad_ > 0 && AddImprovingCandidates(priceValues, values, limitDuals, demands)) {
    added = true;
    return std::numeric_limits<double>::infinity();
  }
  std::optional<std::vector<PatternPricer::Priced>> priced =
      pricer_.BestPatterns(priceValues, demands, minLoad_, accuracy_, limit);
  if (!priced) {
    return std::nullopt;
  }
  double ratio = 1.0;
  std::vector<Pattern> improving;
  for (const PatternPricer::Priced& candidate : *priced) {
    const int stock = candidate.pattern.stock;
    const double cost = static_cast<double>(instance_.costs[stock]) - limitDuals[stock];
    ratio = std::max(ratio, candidate.bound / cost);
    if (candidate.pattern.entries.empty()) {
      continue;
    }
    if (Improves(candidate.pattern, values, limitDuals)) {
      improving.push_back(candidate.pattern);
    }
  }
  added = added || !improving.empty();
  AddPatterns(improving);
  return ratio;
}

MasterProblem::Relaxation MasterProblem::Solve(const std::vector<int>& demands, std::int64_t beat,
                                               const SearchLimit& limit, std::int64_t minLoad) {
  // The columns' bounds follow both, once.
  SetMinimumLoad(minLoad);
  SetDemands(demands);
  limit_ = &limit;
  Relaxation result;
  std::int64_t provenBound = 0;
  std::vector<double> center;
  double bestFarley = 0;
  bool exchanging = exchanges_ > 0 && minLoad == 0;
  EnableExchanges(exchanging);
  while (true) {
    if (!Reoptimise()) {
      // The single-type patterns make the relaxation always feasible; a
      // failure here is numerical. Keep what is proven.
      result.outcome = Outcome::OutOfTime;
      result.bound = provenBound;
      return result;
    }
    const double objective = lp_->objectiveValue();
    std::vector<double> values = ItemValues();
    // The kind rows, relaxed with their duals y (at most 0 on a row's upper
    // bound, at least 0 on its lower one), leave a covering problem with the
    // costs c - y and y times the bounds added; there Farley's bound holds:
    // scaling the demand rows' duals by the best value per cost among the
    // priced patterns makes them feasible, so (objective - y bounds) / ratio
    // + y bounds bounds the relaxation from below. Only exact pricing may
    // end the search.
    const std::vector<double> limitDuals = KindDuals();
    const double limitValue = PriceLimits(limitDuals);
    // Without lower bounds the duals are the relaxation's own, and the
    // demands' share of its value is the rest; a capped dual would make
    // that more than the duals prove.
    const double covered = ranges_.empty() ? objective - limitValue : CoveredValue(values, demands);
    bool added = false;
    // Priced at a mix of these duals and those of the best bound so far,
    // the new bars come near the relaxation's optimum in far fewer rounds
    // than the duals alone, which swing from round to round.
    const bool smooth = !center.empty();
    std::vector<double> priced = values;
    if (smooth) {
      for (int type = 0; type < instance_.TypeCount(); ++type) {
        priced[type] = kSmoothing * center[type] + (1 - kSmoothing) * values[type];
      }
    }
    std::optional<double> ratio =
        PriceAndAdd(FullerFirst(priced), values, limitDuals, demands, limit, added);
    double farley = 0;
    if (ratio) {
      farley = smooth ? CoveredValue(priced, demands) / *ratio : covered / *ratio + limitValue;
    }
    if (ratio && !added) {
      ratio = PriceAndAdd(values, values, limitDuals, demands, limit, added);
      if (ratio && covered / *ratio + limitValue > farley) {
        farley = covered / *ratio + limitValue;
        priced = values;
      }
    }
    if (!ratio) {
      result.outcome = Outcome::OutOfTime;
      result.bound = provenBound;
      return result;
    }
    if (Smoothable() && farley > bestFarley) {
      bestFarley = farley;
      center = std::move(priced);
    }
    provenBound = std::max(provenBound, RoundUpCost(farley));
    // Without an improving pattern the relaxation is solved; Farley's bound
    // then is its value, or as near as the pricing's tolerance allows.
    if (!added ||
        (!untilNoneImproves_ && provenBound / boundUnit_ == RoundUpCost(objective) / boundUnit_)) {
      if (exchanging) {
        exchanging = false;
        EnableExchanges(false);
        continue;
      }
      result.bound = provenBound;
      DropIdleColumns(values);
      break;
    }
    if (provenBound >= beat) {
      result.outcome = Outcome::CannotBeat;
      result.bound = provenBound;
      return result;
    }
    if (limit.Reached()) {
      result.outcome = Outcome::OutOfTime;
      result.bound = provenBound;
      return result;
    }
  }
  if (result.bound >= beat) {
    result.outcome = Outcome::CannotBeat;
    return result;
  }
  const double* x = lp_->primalColumnSolution();
  for (int index = 0; index < static_cast<int>(patterns_.size()); ++index) {
    if (x[index] > 1e-9 && !IsStandIn(index) && !IsExchange(index)) {
      result.used.emplace_back(patterns_[index], x[index]);
    }
  }
  std::stable_sort(result.used.begin(), result.used.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  return result;
}

}  // namespace grill::cutplan
