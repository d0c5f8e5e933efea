#include "PairBranching.h"

#include <ClpSimplex.hpp>
#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <unordered_map>

#include "MasterProblem.h"
#include "WorkCount.h"

namespace grill::cutplan {

namespace {

constexpr double kTolerance = 1e-9;
// A bar improves the relaxation when worth more than its cost by this.
constexpr double kImprovement = 1e-6;
// What a node's bound must exceed the bars by to close it.
constexpr double kProofMargin = 1e-7;

// Nodes of one pricing's search beyond which it gives up.
constexpr std::int64_t kPricingNodes = 2'000'000;
// The work of each simplex iteration per row and column, of each node of
// the pricing, and the pricing table's cells per unit of work.
constexpr std::int64_t kSimplexStepWork = 13;
constexpr std::int64_t kPricingNodeWork = 6;
constexpr std::int64_t kSuffixCellsPerWork = 3;
// Cells of the pricing's table of best values (8 bytes each): exact over
// the capacity up to this, coarser beyond.
constexpr std::int64_t kMostSuffixCells = 1024 * 1024;

}  // namespace

class PairSearch {
  // Two items kept in one bar, or never in one.
  struct Decision {
    int a = 0;
    int b = 0;
    bool together = true;
  };

  enum class NodeOutcome { Pruned, Fits, Branch, Unknown };

 public:
  PairSearch(const BinInstance& instance, int bars)
      : capacity_(instance.capacities.back()), bars_(bars) {
    for (int type = 0; type < instance.TypeCount(); ++type) {
      firstOfType_.push_back(static_cast<int>(sizes_.size()));
      sizes_.insert(sizes_.end(), instance.demands[type], instance.sizes[type]);
    }
    const int items = static_cast<int>(sizes_.size());
    lp_.setLogLevel(0);
    lp_.resize(items, 0);
    for (int item = 0; item < items; ++item) {
      lp_.setRowBounds(item, 1, COIN_DBL_MAX);
    }
  }

  void AddBars(const Solution& hint) {
    std::vector<int> next = firstOfType_;
    std::vector<std::vector<int>> bars;
    for (const Pattern& bar : hint) {
      std::vector<int>& items = bars.emplace_back();
      for (const PatternEntry& entry : bar.entries) {
        for (int copy = 0; copy < entry.count; ++copy) {
          items.push_back(next[entry.type]++);
        }
      }
    }
    AddColumns(std::move(bars));
  }

  std::optional<bool> Run(const SearchLimit& limit) {
    limit_ = &limit;
    return Explore();
  }

  int Bars() const { return bars_; }

 private:
  int Items() const { return static_cast<int>(sizes_.size()); }

  // All at once: CLP copies its matrix for every call.
  void AddColumns(std::vector<std::vector<int>> bars) {
    std::vector<int> starts{0};
    std::vector<int> rows;
    for (std::vector<int>& items : bars) {
      std::sort(items.begin(), items.end());
      if (!known_.emplace(items, static_cast<int>(columns_.size())).second) {
        continue;
      }
      rows.insert(rows.end(), items.begin(), items.end());
      starts.push_back(static_cast<int>(rows.size()));
      columns_.push_back(std::move(items));
    }
    const int added = static_cast<int>(starts.size()) - 1;
    if (added > 0) {
      const std::vector<double> ones(rows.size(), 1.0);
      const std::vector<double> lower(added, 0.0);
      const std::vector<double> upper(added, COIN_DBL_MAX);
      const std::vector<double> costs(added, 1.0);
      lp_.addColumns(added, lower.data(), upper.data(), costs.data(), starts.data(), rows.data(),
                     ones.data());
    }
  }

  // Depth first, items together before apart; true/false/nullopt as
  // FitsInto.
  std::optional<bool> Explore() {
    if (limit_->Reached()) {
      return std::nullopt;
    }
    Decision branch;
    switch (Evaluate(branch)) {
      case NodeOutcome::Pruned:
        return false;
      case NodeOutcome::Fits:
        return true;
      case NodeOutcome::Unknown:
        return std::nullopt;
      case NodeOutcome::Branch:
        break;
    }
    for (bool together : {true, false}) {
      decisions_.push_back({branch.a, branch.b, together});
      std::optional<bool> fits = Explore();
      decisions_.pop_back();
      if (fits != false) {
        return fits;
      }
    }
    return false;
  }

  // Groups of the items decided together; false when one overflows a bar
  // or holds two items kept apart.
  bool Group() {
    group_.resize(Items());
    std::iota(group_.begin(), group_.end(), 0);
    const auto find = [&](int item) {
      while (group_[item] != item) {
        item = group_[item] = group_[group_[item]];
      }
      return item;
    };
    for (const Decision& decision : decisions_) {
      if (decision.together) {
        group_[find(decision.a)] = find(decision.b);
      }
    }
    for (int item = 0; item < Items(); ++item) {
      group_[item] = find(item);
    }
    groupSize_.assign(Items(), 0);
    groupItems_.assign(Items(), 0);
    for (int item = 0; item < Items(); ++item) {
      groupSize_[group_[item]] += sizes_[item];
      ++groupItems_[group_[item]];
    }
    conflicts_.assign(Items(), {});
    for (const Decision& decision : decisions_) {
      if (!decision.together) {
        const int a = group_[decision.a];
        const int b = group_[decision.b];
        if (a == b) {
          return false;
        }
        conflicts_[a].push_back(b);
        conflicts_[b].push_back(a);
      }
    }
    for (int item = 0; item < Items(); ++item) {
      if (group_[item] == item && groupSize_[item] > capacity_) {
        return false;
      }
    }
    return true;
  }

  bool Keeps(const std::vector<int>& items) const {
    std::unordered_map<int, int> inGroup;
    for (int item : items) {
      ++inGroup[group_[item]];
    }
    for (const auto& [group, count] : inGroup) {
      if (count != groupItems_[group]) {
        return false;
      }
      for (int other : conflicts_[group]) {
        if (inGroup.count(other)) {
          return false;
        }
      }
    }
    return true;
  }

  // Every column that keeps the decisions, and each group alone.
  void ApplyDecisions() {
    std::vector<std::vector<int>> alone(Items());
    for (int item = 0; item < Items(); ++item) {
      alone[group_[item]].push_back(item);
    }
    std::erase_if(alone, [](const std::vector<int>& items) { return items.empty(); });
    AddColumns(std::move(alone));
    for (int column = 0; column < static_cast<int>(columns_.size()); ++column) {
      lp_.setColumnUpper(column, Keeps(columns_[column]) ? COIN_DBL_MAX : 0.0);
    }
  }

  NodeOutcome Evaluate(Decision& branch) {
    if (!Group()) {
      return NodeOutcome::Pruned;
    }
    ApplyDecisions();
    bool fresh = true;
    while (true) {
      if (limit_->Reached()) {
        return NodeOutcome::Unknown;
      }
      fresh ? lp_.dual() : lp_.primal(1);
      AddWork(kSimplexStepWork * lp_.numberIterations() * (lp_.getNumRows() + lp_.getNumCols()));
      fresh = false;
      if (!lp_.isProvenOptimal()) {
        return NodeOutcome::Unknown;
      }
      const double* duals = lp_.dualRowSolution();
      std::vector<double> values(Items());
      double total = 0;
      for (int item = 0; item < Items(); ++item) {
        values[item] = std::max(duals[item], 0.0);
        total += values[item];
      }
      std::optional<std::vector<std::vector<int>>> found = Price(values);
      if (!found) {
        return NodeOutcome::Unknown;
      }
      // Farley's bound: the duals scaled by the best bar's value are
      // feasible, so their sum over it bounds the node. These relaxations
      // differ from `bars` in the fourth decimal: the bound allows only for
      // what the pricing's own tolerance may miss.
      if (total / (std::max(1.0, bestValue_) + kTolerance) > bars_ + kProofMargin) {
        return NodeOutcome::Pruned;
      }
      const std::size_t before = columns_.size();
      if (bestValue_ > 1 + kImprovement) {
        AddColumns(std::move(*found));
      }
      // Within the simplex's tolerance a bar met again improves nothing.
      if (columns_.size() == before) {
        break;
      }
    }
    return Choose(branch);
  }

  // The pair of items whose share of bars together is nearest a half.
  NodeOutcome Choose(Decision& branch) {
    const double* x = lp_.primalColumnSolution();
    std::unordered_map<std::int64_t, double> together;
    bool integral = true;
    for (int column = 0; column < static_cast<int>(columns_.size()); ++column) {
      if (x[column] <= kTolerance) {
        continue;
      }
      integral = integral && std::abs(x[column] - std::round(x[column])) <= 1e-6;
      const std::vector<int>& items = columns_[column];
      for (std::size_t i = 0; i < items.size(); ++i) {
        for (std::size_t j = i + 1; j < items.size(); ++j) {
          if (group_[items[i]] != group_[items[j]]) {
            together[static_cast<std::int64_t>(items[i]) * Items() + items[j]] += x[column];
          }
        }
      }
    }
    if (integral) {
      return NodeOutcome::Fits;
    }
    double nearest = 1;
    for (const auto& [pair, share] : together) {
      const double distance = std::abs(share - 0.5);
      if (share > 1e-6 && share < 1 - 1e-6 && distance < nearest) {
        nearest = distance;
        branch = {static_cast<int>(pair / Items()), static_cast<int>(pair % Items()), true};
      }
    }
    return nearest < 1 ? NodeOutcome::Branch : NodeOutcome::Unknown;
  }

  // The most valuable bar of groups that keeps the conflicts, by a search
  // bounded with the knapsack of the groups after the one at hand (exact
  // without conflicts); also the improving bars met on the way.
  std::optional<std::vector<std::vector<int>>> Price(const std::vector<double>& values) {
    order_.clear();
    value_.assign(Items(), 0);
    for (int item = 0; item < Items(); ++item) {
      value_[group_[item]] += values[item];
    }
    for (int group = 0; group < Items(); ++group) {
      if (group_[group] == group && value_[group] > kTolerance) {
        order_.push_back(group);
      }
    }
    std::sort(order_.begin(), order_.end(), [&](int a, int b) {
      return value_[a] * static_cast<double>(groupSize_[b]) >
             value_[b] * static_cast<double>(groupSize_[a]);
    });
    FillSuffixTable();
    bestValue_ = 0;
    improving_.clear();
    chosen_.clear();
    taken_.assign(Items(), 0);
    nodes_ = 0;
    if (!Search(0, capacity_, 0.0)) {
      return std::nullopt;
    }
    std::vector<std::vector<int>> bars;
    for (const std::vector<int>& groups : improving_) {
      std::vector<int> items;
      for (int item = 0; item < Items(); ++item) {
        if (std::find(groups.begin(), groups.end(), group_[item]) != groups.end()) {
          items.push_back(item);
        }
      }
      bars.push_back(std::move(items));
    }
    return bars;
  }

  // Per group in the order and room, the best value of the groups after
  // it: over whole steps of length, each group's size rounded down to
  // them, so that every bar that fits still fits and the table never
  // underestimates. A step is one length unless the exact table would
  // pass kMostSuffixCells (long bars of many pieces).
  void FillSuffixTable() {
    const std::int64_t groups = static_cast<std::int64_t>(order_.size()) + 1;
    const std::int64_t widest = std::max<std::int64_t>(1, kMostSuffixCells / groups);
    step_ = std::max<std::int64_t>(1, (capacity_ + widest) / widest);
    width_ = static_cast<std::size_t>(capacity_ / step_) + 1;
    suffix_.assign(static_cast<std::size_t>(groups) * width_, 0.0);
    AddWork(groups * static_cast<std::int64_t>(width_) / kSuffixCellsPerWork);
    const std::int64_t rooms = static_cast<std::int64_t>(width_);
    for (std::size_t index = order_.size(); index-- > 0;) {
      const double* after = &suffix_[(index + 1) * width_];
      double* here = &suffix_[index * width_];
      const std::int64_t size = groupSize_[order_[index]] / step_;
      const double value = value_[order_[index]];
      for (std::int64_t room = 0; room < rooms; ++room) {
        here[room] = after[room];
        if (room >= size) {
          here[room] = std::max(here[room], after[room - size] + value);
        }
      }
    }
  }

  bool Search(std::size_t index, std::int64_t room, double value) {
    AddWork(kPricingNodeWork);
    if (++nodes_ > kPricingNodes) {
      return false;
    }
    if (value > bestValue_ + kTolerance) {
      bestValue_ = value;
      if (value > 1 + kImprovement) {
        improving_.push_back(chosen_);
        if (improving_.size() > 5) {
          improving_.erase(improving_.begin());
        }
      }
    }
    if (index == order_.size() ||
        value + suffix_[index * width_ + static_cast<std::size_t>(room / step_)] <=
            bestValue_ + kTolerance) {
      return true;
    }
    const int group = order_[index];
    const bool free = std::none_of(conflicts_[group].begin(), conflicts_[group].end(),
                                   [&](int other) { return taken_[other] != 0; });
    if (free && groupSize_[group] <= room) {
      taken_[group] = 1;
      chosen_.push_back(group);
      const bool done = Search(index + 1, room - groupSize_[group], value + value_[group]);
      chosen_.pop_back();
      taken_[group] = 0;
      if (!done) {
        return false;
      }
    }
    return Search(index + 1, room, value);
  }

  const std::int64_t capacity_;
  const int bars_;
  const SearchLimit* limit_ = nullptr;
  std::vector<std::int64_t> sizes_;  // per item
  std::vector<int> firstOfType_;
  ClpSimplex lp_;
  std::vector<std::vector<int>> columns_;
  std::map<std::vector<int>, int> known_;
  std::vector<Decision> decisions_;
  // Per node: each item's group, and per group its size, items and
  // conflicts.
  std::vector<int> group_;
  std::vector<std::int64_t> groupSize_;
  std::vector<int> groupItems_;
  std::vector<std::vector<int>> conflicts_;
  // The pricing's search.
  std::vector<int> order_;
  std::vector<double> value_;
  std::vector<double> suffix_;
  std::int64_t step_ = 1;
  std::size_t width_ = 1;
  std::vector<char> taken_;
  std::vector<int> chosen_;
  std::vector<std::vector<int>> improving_;
  double bestValue_ = 0;
  std::int64_t nodes_ = 0;
};

PairBranching::PairBranching(const BinInstance& instance, int bars, const Solution& hint)
    : search_(std::make_unique<PairSearch>(instance, bars)) {
  search_->AddBars(hint);
}

PairBranching::~PairBranching() = default;

std::optional<bool> PairBranching::Run(const SearchLimit& limit) {
  return search_->Run(limit);
}

int PairBranching::Bars() const {
  return search_->Bars();
}

}  // namespace grill::cutplan
