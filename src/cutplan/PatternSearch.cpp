#include "PatternSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <utility>

#include "BarCompletions.h"
#include "BarFilling.h"
#include "FullBars.h"
#include "GreedyPacking.h"
#include "KindBranching.h"
#include "PairBranching.h"
#include "ReachableCost.h"
#include "SimpleBounds.h"

namespace grill::cutplan {

namespace {

// Bars that may complete the largest item's bar at one branch; more cut the
// list short, and that branch proves nothing.
constexpr std::size_t kMostCompletions = 5000;

// Deviations of the dives before branch and price: these find most plans
// that meet the bound quickly where bars need not be full.
constexpr int kDeviationsFirst = 2;

// The first turn of the search on the bars that complete the largest
// item's, before the branching on pairs of items has one: the former
// finds the plans that fill every bar, the latter only proves a plan.
// Turns are measured in work (WorkCount.h), so that they end alike in
// every run, and double; the first is short (about half a second), as
// most plans that fill every bar come early, and the filling's turn after
// it proves most plans one bar above the bound.
constexpr std::int64_t kFirstTurn = 500'000'000;
// Doubling stops here, days of work, long before it could overflow.
constexpr std::int64_t kLongestTurn = std::int64_t{1} << 50;
// The branching on pairs takes this share of the other's turn, so that
// the search that proved plans before keeps most of the time.
constexpr int kPairShare = 2;

// Bars of up to three items per type that the relaxation may start with.
constexpr std::int64_t kFullBarsPerType = 4;

// Types times capacity times bars up to which a knapsack per bar is cheap.
constexpr std::int64_t kAffordableFill = 128 * 1024 * 1024;

// Types times capacity up to which the bar filling's table per step is
// affordable (8 bytes each), and the bars it may try.
constexpr std::int64_t kAffordableTable = 4 * 1024 * 1024;
constexpr std::int64_t kFillNodes = 10'000'000;
// The bar filling takes this many times the other's turn. Where the best
// plan is one bar above the relaxation, the filling settles most such
// plans in its first two turns, with little work, and most plans that fill
// every bar which its first turn misses, branch and price finds: an equal
// share keeps either from waiting long for the other.
constexpr int kFillShare = 1;
// The filling's first turn, before branch and price, takes this many times
// the work the search did before it; kSlowShare times as many where that
// was more than kSlowStart (about 0.12 s, as on 400 pieces of 350 lengths;
// 200 pieces or Falkenauer's triplets take a quarter of it): there each
// node of branch and price costs tens of milliseconds, its first turn
// rarely finishes a descent, and the filling settles more plans sooner.
constexpr int kFirstFillShare = 2;
constexpr int kSlowShare = 4;
constexpr std::int64_t kSlowStart = 120'000'000;
// After the dives, which each fix many bars a step, the work so far says
// little of the filling's: there its first turn takes at least this share
// of branch and price's first (Waescher's TEST0065, one bar above its
// relaxation, is proven in such a turn, not in twice the work so far).
constexpr std::int64_t kShortestFirstFill = 4;
// Where the filling goes before the root relaxation, its first turn takes
// this many times the work of its own first relaxation, which on 400
// pieces of 350 lengths is about what the search before it took otherwise.
constexpr int kEarlyFillShare = 8;
// The filling's first restart may take this many of its turns.
constexpr int kFirstRestartTurns = 2;
// Where a plan meeting the bound fills every bar, dives that fix every bar
// the relaxation all but takes (at least this much of it) come before the
// filling's first turn and after it, for these many times the work of
// their relaxation's first solve: a few such dives find most plans that
// fill every bar, and the filling's first turn proves most plans one bar
// above the bound before the dives after it take their time. The dives
// before it have the larger share of the two's first second: a plan is
// wanted within a second, a proof may take a few (with a third of this
// share, the 201-piece AI jobs took up to 0.45 s instead of 0.18 s, and
// the 402-piece ANI proofs half the time).
constexpr double kAllButWhole = 0.8;
constexpr int kDivesBeforeFilling = 6;
constexpr int kDivesAfterFilling = 16;
// Steps each of those dives may take back (with 40 seeds of the draws on
// an AI job of 402 pieces, 8 instead of none found its plan within a
// second, and the mean time fell from 3.5 to 2.7 s). The dives before
// branch and price take none: there the steps back cost Waescher's
// TEST0014 ten times its time.
constexpr int kDiveRetries = 3;
// Where bars must be all but full otherwise, such dives come first, for
// this many times the work of the root relaxation: they find most such
// plans sooner than branch and price (Falkenauer's triplets in a third of
// the time).
constexpr int kTightDivesShare = 8;

class Diver {
 public:
  Diver(const BinInstance& instance, Solution start, const SearchLimit& limit)
      : instance_(instance),
        master_(instance),
        fillPricer_(instance),
        limit_(limit),
        best_(std::move(start)),
        bestCost_(Cost(instance, best_)),
        residual_(instance.demands),
        left_(FullSupply(instance)) {
    master_.AddPatterns(best_);
    for (int type = 0; type < instance.TypeCount(); ++type) {
      totalSize_ += instance.sizes[type] * instance.demands[type];
    }
  }

  SearchResult Run() {
    workAtStart_ = WorkDone();
    bound_ = SimpleCostBound(instance_);
    // The fixing dives' relaxation starts with them too.
    std::optional<FullBars> forDives;
    if (Tight()) {
      FullBars bars = EnumerateFullBars(
          instance_, instance_.capacities.back() - std::max<std::int64_t>(0, WasteAtBound()));
      if (FillsFirst()) {
        forDives = bars;
      }
      StartWithFullBars(master_, std::move(bars));
    }
    // The relaxations bound and guide; near enough does for both.
    master_.SetPricingAccuracy(PatternPricer::Accuracy::Improving);
    if (FillsFirst()) {
      filledFirst_ = true;
      if (FixingDives(*forDives, kDivesBeforeFilling) || FillTurn(0, kEarlyFillShare) == true ||
          FixingDives(*forDives, kDivesAfterFilling)) {
        return {std::move(best_), std::min(bound_, bestCost_)};
      }
      diveMaster_.reset();
    }
    if (!Decided()) {
      const std::int64_t beforeRoot = WorkDone();
      MasterProblem::Relaxation root = SolveResidual(bestCost_);
      const std::int64_t rootWork = WorkDone() - beforeRoot;
      bound_ = RaiseToReachable(instance_, std::max(bound_, root.bound));
      if (root.outcome == MasterProblem::Outcome::Solved) {
        firstDive_ = FullestBarsPay();
        TryRounding(root);
        if (Tight() && !filledFirst_ && !instance_.AnyLimited()) {
          DivesFixing(master_, kTightDivesShare * rootWork, /*retries=*/0);
        }
        Search(root);
      }
    }
    return {std::move(best_), std::min(bound_, bestCost_)};
  }

 private:
  // Where a plan meeting the bound could waste less than the shortest
  // piece, its bars are all but full: the relaxation over such bars, in
  // the dives that fix them and in branch and price, leads to them, a
  // plain dive rarely does.
  bool Tight() const {
    return instance_.StockCount() == 1 && WasteAtBound() < instance_.sizes.back();
  }

  // Where a plan meeting the bound fills every bar exactly and the greedy
  // plan is one bar above it, the filling of one bar fewer settles most
  // such jobs, and its relaxation over exact fills is at least as strong
  // as the plain one: its first turn comes before the root relaxation,
  // which on long jobs costs as much again.
  bool FillsFirst() const {
    return !Decided() && Tight() && WasteAtBound() == 0 && !instance_.AnyLimited() &&
           OneBarAbove() && FillingPays();
  }

  // Dives for a plan of one bar fewer than the best where such a plan
  // fills every bar, for `share` times the work of their relaxation's
  // first solve (see DivesFixing). That relaxation is their own, started
  // as the search's: where they find nothing, the search goes on as it
  // would have without them. True when a plan meets the bound.
  bool FixingDives(const FullBars& fullBars, int share) {
    if (!diveMaster_) {
      diveMaster_.emplace(instance_);
      diveMaster_->AddPatterns(best_);
      StartWithFullBars(*diveMaster_, fullBars);
      diveMaster_->SetPricingAccuracy(PatternPricer::Accuracy::Improving);
      const std::int64_t before = WorkDone();
      SolveResidual(*diveMaster_, bestCost_, MinLoad());
      diveUnit_ = WorkDone() - before;
    }
    DivesFixing(*diveMaster_, share * diveUnit_, kDiveRetries);
    return Decided();
  }

  // Dives for a plan of fewer bars than the best on `master`'s relaxation
  // of the rest, whose bars must be as full as such a plan's: each step
  // fixes every bar the relaxation all but takes, or else one of the bars
  // it gives the longest item left, drawn by their values. A step so
  // settles many bars, and most dives end in such a plan or soon fail;
  // each failed one is followed by another, drawn anew, until `work` is
  // done.
  void DivesFixing(MasterProblem& master, std::int64_t work, int retries) {
    const SearchLimit whole = limit_;
    limit_ = whole.WithWork(work);
    // The fullest bars' completion costs a knapsack per bar at each step.
    const bool firstDive = std::exchange(firstDive_, false);
    while (!Finished()) {
      MasterProblem::Relaxation root = SolveResidual(master, bestCost_, MinLoad());
      if (root.outcome != MasterProblem::Outcome::Solved ||
          !FixingDive(master, std::move(root), retries)) {
        break;
      }
    }
    firstDive_ = firstDive;
    limit_ = whole;
  }

  // The least load of a bar in a plan of fewer bars than the best.
  std::int64_t MinLoad() const {
    return std::max<std::int64_t>(0, instance_.capacities.back() - WasteLeft());
  }

  // One dive from the root's relaxation; false when a relaxation ran out
  // of time. A step after which the relaxation shows the rest cannot be
  // packed is taken back for one drawn bar instead, up to `retries` times:
  // a dive that fails late has done most of its work.
  bool FixingDive(MasterProblem& master, MasterProblem::Relaxation relaxation, int retries) {
    const std::int64_t wasteBefore = fixedWaste_;
    int fixedBars = 0;
    bool drawnOnly = false;
    while (relaxation.outcome == MasterProblem::Outcome::Solved && !Finished()) {
      if (!drawnOnly) {
        TryRounding(relaxation);
      }
      const std::int64_t stepWaste = fixedWaste_;
      int fixedNow = drawnOnly ? 0 : FixAllButWhole(relaxation);
      if (fixedNow == 0) {
        fixedNow = FixDrawn(relaxation);
      }
      fixedBars += fixedNow;
      if (fixedNow == 0 || WasteLeft() < 0) {
        break;
      }
      if (NothingLeft()) {
        Record(fixed_);
        break;
      }
      MasterProblem::Relaxation next = SolveResidual(master, bestCost_ - fixedCost_, MinLoad());
      drawnOnly = next.outcome == MasterProblem::Outcome::CannotBeat && retries > 0;
      if (drawnOnly) {
        --retries;
        Unfix(fixedNow);
        fixedBars -= fixedNow;
        fixedWaste_ = stepWaste;
      } else {
        relaxation = std::move(next);
      }
    }
    Unfix(fixedBars);
    fixedWaste_ = wasteBefore;
    return relaxation.outcome != MasterProblem::Outcome::OutOfTime;
  }

  // Fixes each bar the relaxation takes at least kAllButWhole of; returns
  // how many.
  int FixAllButWhole(const MasterProblem::Relaxation& relaxation) {
    int fixedBars = 0;
    for (const auto& [pattern, value] : relaxation.used) {
      if (value >= kAllButWhole && Fixable(pattern)) {
        FixWithWaste(pattern);
        ++fixedBars;
      }
    }
    return fixedBars;
  }

  // Fixes one of the relaxation's bars that hold the longest item left,
  // drawn with chances as their values; returns how many it fixed.
  int FixDrawn(const MasterProblem::Relaxation& relaxation) {
    const int longest = LongestLeft();
    std::vector<std::pair<const Pattern*, double>> holding;
    double total = 0;
    for (const auto& [pattern, value] : relaxation.used) {
      const bool holds =
          std::any_of(pattern.entries.begin(), pattern.entries.end(),
                      [&](const PatternEntry& entry) { return entry.type == longest; });
      if (holds && Fixable(pattern)) {
        holding.emplace_back(&pattern, value);
        total += value;
      }
    }
    if (holding.empty()) {
      return 0;
    }
    // 53 random bits, uniform in [0, 1), alike on every standard library.
    double drawn = static_cast<double>(drawing_() >> 11) * 0x1.0p-53 * total;
    const Pattern* chosen = holding.back().first;
    for (const auto& [pattern, value] : holding) {
      if (drawn < value) {
        chosen = pattern;
        break;
      }
      drawn -= value;
    }
    FixWithWaste(*chosen);
    return 1;
  }

  // The rest holds the whole bar, and its waste fits what is left.
  bool Fixable(const Pattern& pattern) const {
    const std::int64_t waste = instance_.capacities.back() - Load(instance_, pattern);
    return waste <= WasteLeft() && RestHolds(pattern);
  }

  bool RestHolds(const Pattern& pattern) const {
    return std::all_of(
        pattern.entries.begin(), pattern.entries.end(),
        [&](const PatternEntry& entry) { return residual_[entry.type] >= entry.count; });
  }

  void FixWithWaste(const Pattern& pattern) {
    Fix(pattern, 1);
    fixedWaste_ += instance_.capacities.back() - Load(instance_, pattern);
  }

  // The waste of a plan that meets the bound, with one stock kind.
  std::int64_t WasteAtBound() const {
    return bound_ / instance_.costs.back() * instance_.capacities.back() - totalSize_;
  }

  // Where bars must be all but full, the relaxation starts with those of
  // up to three items, a handful of pieces per bar being the most of what
  // it needs, unless there are so many that every solve slows down; then,
  // and for those of four, which are more still, they are candidates for
  // the relaxations over such bars alone.
  void StartWithFullBars(MasterProblem& master, FullBars bars) const {
    if (static_cast<std::int64_t>(bars.fewItems.size()) <=
        kFullBarsPerType * instance_.TypeCount()) {
      master.AddPatterns(bars.fewItems);
    } else {
      bars.fourItems.insert(bars.fourItems.end(), std::make_move_iterator(bars.fewItems.begin()),
                            std::make_move_iterator(bars.fewItems.end()));
    }
    master.SetCandidates(std::move(bars.fourItems));
  }

  // Unless tight, the plain dive and those with few deviations; then, with
  // one stock kind, branch and price for a proof, in turns with the
  // filling of one bar fewer; then dives with more
  // deviations while time is left. With several kinds of a weighed cost,
  // the branching on their bars takes half the work left after the first
  // dives but the plain one (their plans close its nodes; the plain dive
  // alone rarely finds those), and then all of it.
  void Search(const MasterProblem::Relaxation& root) {
    int deviations = 0;
    bool moreDives = true;
    std::optional<KindBranching> kinds;
    if (instance_.StockCount() > 1 && instance_.firstUnit > 1) {
      kinds.emplace(instance_, master_, bound_);
    }
    if (!Tight()) {
      firstDive_ = FullestBarsPay();
      for (; deviations <= kDeviationsFirst && moreDives && !Finished(); ++deviations) {
        moreDives = DiveWith(root, deviations);
        firstDive_ = false;
        if (kinds && deviations > 0) {
          BranchOnKinds(*kinds, limit_.WithWork(limit_.WorkLeft() / 2));
        }
      }
    }
    firstDive_ = false;
    if (!Finished() && instance_.StockCount() == 1 && !instance_.AnyLimited()) {
      if (ProveOnOneKind()) {
        return;
      }
    }
    if (kinds) {
      BranchOnKinds(*kinds, limit_);
    }
    for (deviations = std::max(deviations, 1); moreDives && !Finished(); ++deviations) {
      moreDives = DiveWith(root, deviations);
    }
  }

  // False when the dive was complete: more leeway would repeat it.
  bool DiveWith(const MasterProblem::Relaxation& root, int deviations) {
    deviationsUsed_ = false;
    Dive(root, deviations);
    return deviationsUsed_;
  }

  // The fullest-bar completion costs a knapsack per bar: affordable where
  // the knapsacks are small tables.
  bool FullestBarsPay() const {
    const std::int64_t bars = bound_ / instance_.LowestCost() + 1;
    return static_cast<std::int64_t>(instance_.TypeCount()) * instance_.capacities.back() * bars <=
           kAffordableFill;
  }

  // Limited discrepancy search: the tree where the relaxation's k-th choice
  // costs k of a budget that doubles from round to round, so the search
  // does not sink its time into the bottom of the first dive's subtree,
  // until a round misses nothing. A later turn goes on with the round the
  // last one ended in, from the node it ended at. True when it proved the
  // best plan optimal.
  bool BranchAndPrice() {
    for (discrepancies_ = lastBudget_; !Finished(); discrepancies_ = NextBudget(discrepancies_)) {
      lastBudget_ = discrepancies_;
      const bool resuming = !openPath_.empty();
      complete_ = !resuming || completeAtCut_;
      cutShort_ = resuming && cutShortAtCut_;
      Branch();
      // Unwound from the node the turn ended in up to the root.
      std::reverse(openPath_.begin(), openPath_.end());
      if (!cutShort_) {
        if (complete_ && !limit_.Reached()) {
          bound_ = std::max(bound_, bestCost_);
          return true;
        }
        return false;
      }
    }
    return false;
  }

  // Branch and price on the bars that complete the largest item's, and
  // while that leaves the best plan one bar above the bound, filling one
  // bar fewer exactly as the duals allow (branching on pairs of items
  // where the filling's tables cost too much), in turns of doubling work;
  // the first turn alone fills the usual second. Where the filling pays,
  // it has a short turn first: it settles most plans one bar above the
  // bound in a few times the work the search did so far, branch and price
  // in seconds. True when a proof settled the plan.
  bool ProveOnOneKind() {
    const SearchLimit whole = limit_;
    if (!filledFirst_ && OneBarAbove() && FillingPays()) {
      const std::int64_t sofar = WorkDone() - workAtStart_;
      const int share = sofar > kSlowStart ? kSlowShare * kFirstFillShare : kFirstFillShare;
      const std::int64_t shortest = Tight() ? 0 : kFirstTurn / kShortestFirstFill;
      if (const std::optional<bool> settled = FillTurn(std::max(share * sofar, shortest))) {
        return *settled;
      }
    }
    std::optional<PairBranching> pairs;
    for (std::int64_t turn = kFirstTurn; !Finished(); turn = std::min(2 * turn, kLongestTurn)) {
      limit_ = whole.WithWork(turn);
      const bool proven = BranchAndPrice();
      limit_ = whole;
      if (proven || Finished()) {
        return proven;
      }
      if (!OneBarAbove()) {
        return false;
      }
      if (FillingPays()) {
        if (const std::optional<bool> settled = FillTurn(turn * kFillShare)) {
          return *settled;
        }
        continue;
      }
      const int fewer = static_cast<int>(bound_ / instance_.costs.back());
      if (!pairs || pairs->Bars() != fewer) {
        pairs.emplace(instance_, fewer, best_);
      }
      const std::optional<bool> fits = pairs->Run(limit_.WithWork(turn / kPairShare));
      if (fits == false) {
        bound_ = bestCost_;
        return true;
      }
      if (fits) {
        return false;
      }
    }
    return false;
  }

  // The best plan is one whole bar above the bound.
  bool OneBarAbove() const {
    const std::int64_t perBar = instance_.costs.back();
    return bestCost_ == bound_ + perBar && bound_ % perBar == 0;
  }

  // A turn of the filling of one bar fewer than the best plan's: true when
  // it proved the plan, whether the plan is settled when it found a better
  // one, nullopt when its turn ended first. With `timesValues`, the turn
  // is that many times the work its values took instead.
  std::optional<bool> FillTurn(std::int64_t turn, int timesValues = 0) {
    const std::optional<bool> fits =
        FitFewerBars(static_cast<int>(bound_ / instance_.costs.back()), turn, timesValues);
    if (fits == false) {
      bound_ = bestCost_;
      return true;
    }
    if (fits) {
      return Decided();
    }
    return std::nullopt;
  }

  // The bar filling's table per step is affordable.
  bool FillingPays() const {
    return static_cast<std::int64_t>(instance_.TypeCount() + 1) *
               (instance_.capacities.back() + 1) <=
           kAffordableTable;
  }

  // Whether the items fit `bars` bars, by filling them one by one with the
  // bars the relaxation's duals allow (see BarFilling), each rest branched
  // on priced by its own relaxation; nullopt when the turn ends the search
  // first. A later call goes on from there, priced by the duals as they
  // are then: the columns branch and price added in between lead to other
  // duals, which may prune where the last did not. The turn starts once
  // the duals are solved; the first restart may take longer. A solution
  // found is recorded.
  std::optional<bool> FitFewerBars(int bars, std::int64_t turn, int timesValues) {
    fillLimit_ = limit_;
    // The duals must be the relaxation's own, not near enough for a bound.
    master_.SetUntilNoneImproves(true);
    master_.SetPricingAccuracy(PatternPricer::Accuracy::Exact);
    // Without duals, the relaxation alone ruled the bars out.
    FillResult filled{FillResult::Outcome::None, {}};
    const std::int64_t before = WorkDone();
    if (std::optional<std::vector<double>> values = RestValues(instance_.demands, bars)) {
      if (timesValues > 0) {
        turn = timesValues * (WorkDone() - before);
      }
      if (filling_ && fillingBars_ == bars) {
        filling_->UseValues(*values);
      } else {
        fillingBars_ = bars;
        filling_.emplace(instance_, instance_.demands, bars, *values,
                         [this](const std::vector<int>& rest, int restBars) {
                           return RestValues(rest, restBars);
                         });
      }
      const std::int64_t turnEnd = WorkDone() + turn;
      // Most plans the filling settles, it settles in its first restart:
      // with work to spare, it finishes it more often.
      fillLimit_ = limit_.WithWork(kFirstRestartTurns * turn);
      filled = filling_->RunFirstRestart(fillLimit_);
      if (filled.outcome == FillResult::Outcome::Unknown && WorkDone() < turnEnd) {
        fillLimit_ = limit_.WithWork(turnEnd - WorkDone());
        filled = filling_->Run(fillLimit_, kFillNodes);
      }
    }
    master_.SetUntilNoneImproves(false);
    master_.SetPricingAccuracy(PatternPricer::Accuracy::Improving);
    switch (filled.outcome) {
      case FillResult::Outcome::Found:
        Record(std::move(filled.solution));
        return true;
      case FillResult::Outcome::None:
        return false;
      case FillResult::Outcome::Unknown:
        break;
    }
    return std::nullopt;
  }

  // The duals of the relaxation of `rest` over the bars that waste no more
  // than `bars` bars of it may; nullopt when it needs more bars.
  std::optional<std::vector<double>> RestValues(const std::vector<int>& rest, int bars) {
    const std::int64_t capacity = instance_.capacities.back();
    std::int64_t load = 0;
    for (int type = 0; type < instance_.TypeCount(); ++type) {
      load += instance_.sizes[type] * rest[type];
    }
    const std::int64_t minLoad = std::max<std::int64_t>(0, capacity - (bars * capacity - load));
    const MasterProblem::Relaxation relaxation =
        master_.Solve(rest, (bars + 1) * instance_.costs.back(), fillLimit_, minLoad);
    if (relaxation.outcome == MasterProblem::Outcome::CannotBeat) {
      return std::nullopt;
    }
    return master_.ItemValues();
  }

  // Each node's relaxation is rounded into a plan as the dives' are.
  void BranchOnKinds(KindBranching& kinds, const SearchLimit& limit) {
    if (Finished() || kinds.Exhausted()) {
      return;
    }
    const auto round = [this](const MasterProblem::Relaxation& relaxation) {
      TryRounding(relaxation);
      return bestCost_;
    };
    bound_ = std::max(bound_, kinds.Resume(limit, round, bestCost_));
  }

  static int NextBudget(int budget) {
    return budget >= std::numeric_limits<int>::max() / 2 ? std::numeric_limits<int>::max()
                                                         : std::max(1, budget * 2);
  }

  // Waste a solution of one bar less than the best may have in all, after
  // the fixed bars' waste; negative when none can exist.
  std::int64_t WasteLeft() const {
    const std::int64_t capacity = instance_.capacities.back();
    const std::int64_t bars = bestCost_ / instance_.costs.back() - 1;
    return bars * capacity - totalSize_ - fixedWaste_;
  }

  // Branch and price for one stock kind: at each node the relaxation of the
  // residual demands, over the bars whose waste fits what a better solution
  // may waste, bounds the node; the branches are the bars that may hold the
  // longest item left. Exhausted, the tree proves no better solution exists.
  void Branch() {
    // A cut unwinds at once: until the next turn takes up the path, no
    // node is branched on.
    if (resumed_ < openPath_.size()) {
      OpenNode node = std::move(openPath_[resumed_++]);
      if (resumed_ == openPath_.size()) {
        resumed_ = 0;
        openPath_.clear();
      }
      BranchOn(std::move(node.bars), node.choice);
      return;
    }
    if (Finished()) {
      EndTurnHere();
      return;
    }
    if (NothingLeft()) {
      Record(fixed_);
      return;
    }
    if (WasteLeft() < 0) {
      return;
    }
    const std::int64_t capacity = instance_.capacities.back();
    MasterProblem::Relaxation relaxation =
        SolveResidual(bestCost_ - fixedCost_, capacity - WasteLeft());
    if (relaxation.outcome == MasterProblem::Outcome::OutOfTime) {
      EndTurnHere();
      return;
    }
    if (relaxation.outcome == MasterProblem::Outcome::CannotBeat) {
      return;
    }
    TryRounding(relaxation);
    const int longest = LongestLeft();
    if (WasteLeft() < 0) {
      return;
    }
    Completions completions =
        CompleteBar(instance_, residual_, longest, capacity - WasteLeft(), kMostCompletions);
    complete_ = complete_ && completions.all;
    BranchOn(RelaxationFirst(relaxation, std::move(completions.patterns)), 0);
  }

  // Where the search ends by the limit, what the round missed before
  // stays for the turn that goes on with it; this round proves nothing.
  void EndTurnHere() {
    if (!Decided()) {
      completeAtCut_ = complete_;
      cutShortAtCut_ = cutShort_;
    }
    complete_ = false;
  }

  // The branches from `first` on: the node's bars, each fixed in turn.
  void BranchOn(std::vector<Pattern> bars, int first) {
    const std::int64_t capacity = instance_.capacities.back();
    for (int choice = first; choice < static_cast<int>(bars.size()); ++choice) {
      if (choice > discrepancies_) {
        cutShort_ = true;
        return;
      }
      const std::int64_t waste = capacity - Load(instance_, bars[choice]);
      if (waste > WasteLeft()) {
        continue;  // a better solution found meanwhile leaves less room
      }
      Fix(bars[choice], 1);
      fixedWaste_ += waste;
      discrepancies_ -= choice;
      Branch();
      discrepancies_ += choice;
      fixedWaste_ -= waste;
      Unfix(1);
      if (Finished()) {
        if (!Decided()) {
          openPath_.push_back({std::move(bars), choice});
        }
        complete_ = complete_ && bestCost_ <= bound_;
        return;
      }
    }
  }

  // The bars the relaxation uses most come first, in its order.
  std::vector<Pattern> RelaxationFirst(const MasterProblem::Relaxation& relaxation,
                                       std::vector<Pattern> bars) const {
    std::vector<Pattern> ordered;
    for (const auto& [pattern, value] : relaxation.used) {
      auto found = std::find(bars.begin(), bars.end(), pattern);
      if (found != bars.end()) {
        ordered.push_back(std::move(*found));
        bars.erase(found);
      }
    }
    ordered.insert(ordered.end(), std::make_move_iterator(bars.begin()),
                   std::make_move_iterator(bars.end()));
    return ordered;
  }

  // The best solution meets the bound on what decides.
  bool Decided() const {
    const std::int64_t first = instance_.firstUnit;
    const std::int64_t decisive = instance_.decisiveUnit;
    const std::int64_t slack = first > 1 ? RoundingSlack(bound_) : 0;
    return bestCost_ / first <= bound_ / first &&
           bestCost_ / decisive <= (bound_ + slack) / decisive;
  }

  bool Finished() const { return Decided() || limit_.Reached(); }

  bool NothingLeft() const {
    return std::all_of(residual_.begin(), residual_.end(), [](int d) { return d == 0; });
  }

  // The first type with some left: the longest, as the sizes only shrink.
  int LongestLeft() const {
    return static_cast<int>(
        std::find_if(residual_.begin(), residual_.end(), [](int d) { return d > 0; }) -
        residual_.begin());
  }

  MasterProblem::Relaxation SolveResidual(std::int64_t beat, std::int64_t minLoad = 0) {
    return SolveResidual(master_, beat, minLoad);
  }

  MasterProblem::Relaxation SolveResidual(MasterProblem& master, std::int64_t beat,
                                          std::int64_t minLoad) {
    master.SetSupply(left_);
    return master.Solve(residual_, beat, limit_, minLoad);
  }

  // Solves the relaxation for the residual demands below the fixed bars.
  std::optional<MasterProblem::Relaxation> Relax() {
    if (NothingLeft()) {
      Record(fixed_);
      return std::nullopt;
    }
    MasterProblem::Relaxation relaxation = SolveResidual(bestCost_ - fixedCost_);
    if (relaxation.outcome != MasterProblem::Outcome::Solved) {
      return std::nullopt;
    }
    TryRounding(relaxation);
    return relaxation;
  }

  // Fixes `copies` of the pattern, fewer where the residual demand runs out,
  // each in the cheapest stock with a bar left that holds it (the largest
  // is bought as needed); returns how many bars it fixed.
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
      bar.stock = CheapestStockFor(instance_, Load(instance_, bar), left_);
      Take(bar.stock, -1);
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
      Take(fixed_.back().stock, 1);
      fixed_.pop_back();
    }
  }

  void Take(int stock, int change) {
    if (left_[stock] != kAsNeeded) {
      left_[stock] += change;
    }
  }

  // Rounds the relaxation down and packs the rest greedily.
  void TryRounding(const MasterProblem::Relaxation& relaxation) {
    int fixedBars = 0;
    for (const auto& [pattern, value] : relaxation.used) {
      int copies = static_cast<int>(std::floor(value + 1e-9));
      if (copies > 0) {
        fixedBars += Fix(pattern, copies);
      }
    }
    Solution candidate = fixed_;
    Solution rest = BestGreedy(instance_, residual_, left_);
    candidate.insert(candidate.end(), rest.begin(), rest.end());
    Record(candidate);
    // Jobs whose optimum fills every bar exactly need exact fills, which
    // the greedy rules rarely find. Costly, so only on the first dive.
    if (firstDive_) {
      fixedBars += FixFullestBars();
      if (NothingLeft()) {
        Record(fixed_);
      }
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
      std::optional<std::vector<PatternPricer::Priced>> fullest =
          fillPricer_.BestPatterns(values, residual_, 0, PatternPricer::Accuracy::Exact, limit_);
      if (!fullest) {
        break;
      }
      fixedBars +=
          Fix((*fullest)[instance_.StockCount() - 1].pattern, std::numeric_limits<int>::max());
    }
    return fixedBars;
  }

  // Records the candidate, each bar in the cheapest stock the limits allow,
  // if it is the best so far.
  void Record(Solution candidate) {
    Downsize(instance_, candidate);
    std::int64_t cost = Cost(instance_, candidate);
    if (cost < bestCost_) {
      best_ = std::move(candidate);
      bestCost_ = cost;
      master_.AddPatterns(best_);
    }
  }

  // With one stock kind, along with the relaxation's first bar, the plain
  // choice fixes every other bar it all but takes whole, as many as it all
  // but takes: a step so settles many bars. With several kinds it led a
  // small job with remnants to a bar more than fixing one bar at a time.
  int FixOthersAllButWhole(const MasterProblem::Relaxation& relaxation) {
    int fixedBars = 0;
    for (auto used = std::next(relaxation.used.begin()); used != relaxation.used.end(); ++used) {
      const auto& [pattern, value] = *used;
      const int copies = static_cast<int>(value + 1 - kAllButWhole);
      if (copies > 0 && RestHolds(pattern)) {
        fixedBars += Fix(pattern, copies);
      }
    }
    return fixedBars;
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
      const auto& [pattern, value] = relaxation.used[choice];
      int fixedBars = Fix(pattern, std::max(1, static_cast<int>(value + 1e-9)));
      if (choice == 0 && instance_.StockCount() == 1) {
        fixedBars += FixOthersAllButWhole(relaxation);
      }
      if (std::optional<MasterProblem::Relaxation> next = Relax()) {
        Dive(*next, deviations - choice);
      }
      Unfix(fixedBars);
    }
  }

  const BinInstance& instance_;
  MasterProblem master_;
  PatternPricer fillPricer_;
  // Its work ends sooner while the branch and price on bars has its turn.
  SearchLimit limit_;
  Solution best_;
  std::int64_t bestCost_;
  std::int64_t bound_ = 0;
  std::vector<int> residual_;
  Supply left_;  // bars left of each stock kind beside the fixed ones
  Solution fixed_;
  std::int64_t fixedCost_ = 0;
  bool deviationsUsed_ = false;
  bool firstDive_ = true;
  // The filling had its first turn before the root relaxation.
  bool filledFirst_ = false;
  std::int64_t totalSize_ = 0;
  std::int64_t fixedWaste_ = 0;
  // The fixing dives' relaxation, the work of its first solve, and their
  // draws.
  std::optional<MasterProblem> diveMaster_;
  std::int64_t diveUnit_ = 0;
  std::mt19937_64 drawing_{0x5eed};
  bool complete_ = true;   // the branching so far missed no solution
  int discrepancies_ = 0;  // left to the current branch
  int lastBudget_ = 0;     // of the last round of branch and price
  bool cutShort_ = false;  // the budget left out a branch
  // Where a turn ended inside a round: from the root down, the bars each
  // node on the way branches on and the one it was at. The next turn takes
  // them up instead of solving those nodes again, and with them what the
  // round had missed so far.
  struct OpenNode {
    std::vector<Pattern> bars;
    int choice = 0;
  };
  std::vector<OpenNode> openPath_;
  std::size_t resumed_ = 0;  // of its nodes, taken up so far
  bool completeAtCut_ = true;
  bool cutShortAtCut_ = false;
  // The bar filling, for how many bars, and the limit of its turn.
  std::optional<BarFilling> filling_;
  int fillingBars_ = 0;
  std::int64_t workAtStart_ = 0;  // of the search
  SearchLimit fillLimit_;
};

}  // namespace

SearchResult ImproveSolution(const BinInstance& instance, Solution start,
                             const SearchLimit& limit) {
  return Diver(instance, std::move(start), limit).Run();
}

}  // namespace grill::cutplan
