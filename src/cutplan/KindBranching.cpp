#include "KindBranching.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ReachableCost.h"

namespace grill::cutplan {

namespace {

// Bars a relaxation uses of a kind count as whole within this.
constexpr double kWhole = 1e-6;

// A node's relaxation may take this share of the work left, at least
// kShortestNode and at most kLongestNode (about 20 ms and 1 s): near a
// boundary of the first objective a relaxation of weighed costs may stall
// in degenerate steps.
constexpr int kNodeShare = 10;
constexpr std::int64_t kShortestNode = 20'000'000;
constexpr std::int64_t kLongestNode = 1'000'000'000;

std::vector<KindRange> RootRanges(const BinInstance& instance) {
  std::vector<KindRange> ranges(instance.StockCount());
  for (int stock = 0; stock < instance.StockCount(); ++stock) {
    if (instance.Limited(stock)) {
      ranges[stock].most = *instance.limits[stock];
    }
  }
  return ranges;
}

}  // namespace

std::optional<FractionalKind> MostFractionalKind(const BinInstance& instance,
                                                 const MasterProblem::Relaxation& relaxation) {
  std::vector<double> bars(instance.StockCount(), 0.0);
  for (const auto& [pattern, value] : relaxation.used) {
    bars[pattern.stock] += value;
  }
  std::optional<FractionalKind> chosen;
  double chosenScore = 0;
  for (int stock = 0; stock < instance.StockCount(); ++stock) {
    const double fraction = bars[stock] - std::floor(bars[stock]);
    const double distance = std::min(fraction, 1 - fraction);
    if (distance <= kWhole) {
      continue;
    }
    const bool priced = instance.costs[stock] / instance.firstUnit > 0;
    const double score = distance + (priced ? 1 : 0);
    if (score > chosenScore) {
      chosen = FractionalKind{stock, bars[stock]};
      chosenScore = score;
    }
  }
  return chosen;
}

KindBranching::KindBranching(const BinInstance& instance, MasterProblem& master, std::int64_t bound)
    : instance_(instance),
      master_(master),
      rootBound_(bound),
      open_{Node{RootRanges(instance), bound, 0}},
      closed_(std::numeric_limits<std::int64_t>::max()) {}

void KindBranching::Close(const Node& node) {
  closed_ = std::min(closed_, node.bound);
}

std::int64_t KindBranching::Resume(const SearchLimit& limit, const Rounding& round,
                                   std::int64_t bestCost) {
  const std::int64_t unit = instance_.firstUnit;
  const auto push = [this](Node node) {
    open_.push_back(std::move(node));
    std::push_heap(open_.begin(), open_.end(), Later{});
  };
  const Supply full = FullSupply(instance_);
  master_.SetBoundUnit(unit);
  while (!open_.empty() && !limit.Reached()) {
    std::pop_heap(open_.begin(), open_.end(), Later{});
    Node node = std::move(open_.back());
    open_.pop_back();
    // Only a plan cheaper on the first objective is worth the node.
    const std::int64_t beat = bestCost / unit * unit;
    if (node.bound >= beat) {
      Close(node);
      continue;
    }
    // Rounding may have solved relaxations of its own in between.
    master_.SetSupply(full);
    master_.SetKindRanges(node.ranges);
    const SearchLimit nodeLimit =
        limit.WithWork(std::clamp(limit.WorkLeft() / kNodeShare, kShortestNode, kLongestNode));
    const MasterProblem::Relaxation relaxation = master_.Solve(instance_.demands, beat, nodeLimit);
    if (relaxation.outcome == MasterProblem::Outcome::OutOfTime) {
      node.bound = std::max(node.bound, relaxation.bound);
      if (limit.Reached()) {
        push(std::move(node));
        break;
      }
      // A relaxation that stalls is left as it is: what it proves bounds
      // the plans within its ranges.
      Close(node);
      continue;
    }
    node.bound = RaiseToReachable(instance_, std::max(node.bound, relaxation.bound), node.ranges);
    if (relaxation.outcome == MasterProblem::Outcome::CannotBeat) {
      Close(node);
      continue;
    }
    bestCost = std::min(bestCost, round(relaxation));
    const std::optional<FractionalKind> fractional = MostFractionalKind(instance_, relaxation);
    if (node.bound >= bestCost / unit * unit || !fractional) {
      Close(node);
      continue;
    }
    Node fewer = node;
    fewer.ranges[fractional->stock].most = static_cast<int>(std::floor(fractional->bars));
    ++fewer.depth;
    Node more = std::move(node);
    more.ranges[fractional->stock].least = static_cast<int>(std::ceil(fractional->bars));
    ++more.depth;
    push(std::move(fewer));
    push(std::move(more));
  }
  master_.SetKindRanges({});
  master_.SetBoundUnit(1);
  std::int64_t proven = std::min(closed_, bestCost);
  if (!open_.empty()) {
    proven = std::min(proven, open_.front().bound);
  }
  return std::max(rootBound_, proven);
}

}  // namespace grill::cutplan
