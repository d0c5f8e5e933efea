#include "GreedyPacking.h"

#include <algorithm>
#include <cstdint>

namespace grill::cutplan {

namespace {

struct OpenBar {
  std::int64_t room = 0;
  Pattern pattern;
};

void Put(OpenBar& bar, int type, std::int64_t size) {
  bar.room -= size;
  if (!bar.pattern.entries.empty() && bar.pattern.entries.back().type == type) {
    ++bar.pattern.entries.back().count;
  } else {
    bar.pattern.entries.push_back({type, 1});
  }
}

// The bars in the order first fit tries them: kind by kind in the
// instance's order of preference. Within a kind the bars opened come before
// those still unopened, which are all alike.
class Bars {
 public:
  Bars(const BinInstance& instance, Supply left)
      : instance_(instance),
        left_(std::move(left)),
        slots_(std::max<std::size_t>(instance.preference.size(), 1)) {}

  OpenBar& Choose(std::int64_t size, FitRule rule) {
    OpenBar* chosen = nullptr;
    for (std::size_t slot = 0; slot < slots_.size(); ++slot) {
      for (OpenBar& bar : slots_[slot]) {
        if (bar.room >= size && (chosen == nullptr || bar.room < chosen->room)) {
          chosen = &bar;
          if (rule == FitRule::First) {
            return bar;
          }
        }
      }
      if (rule == FitRule::First && CanOpen(slot, size)) {
        return Open(slot);
      }
    }
    if (chosen != nullptr) {
      return *chosen;
    }
    for (std::size_t slot = 0;; ++slot) {
      if (CanOpen(slot, size)) {
        return Open(slot);
      }
    }
  }

  Solution Patterns() && {
    Solution solution;
    for (std::vector<OpenBar>& slot : slots_) {
      for (OpenBar& bar : slot) {
        solution.push_back(std::move(bar.pattern));
      }
    }
    return solution;
  }

 private:
  int StockOf(std::size_t slot) const {
    return instance_.preference.empty() ? instance_.StockCount() - 1 : instance_.preference[slot];
  }
  bool CanOpen(std::size_t slot, std::int64_t size) const {
    const int stock = StockOf(slot);
    return left_[stock] > 0 && instance_.capacities[stock] >= size;
  }
  OpenBar& Open(std::size_t slot) {
    const int stock = StockOf(slot);
    if (left_[stock] != kAsNeeded) {
      --left_[stock];
    }
    return slots_[slot].emplace_back(OpenBar{instance_.capacities[stock], Pattern{stock, {}}});
  }

  const BinInstance& instance_;
  Supply left_;
  std::vector<std::vector<OpenBar>> slots_;
};

}  // namespace

Solution PackDecreasing(const BinInstance& instance, const std::vector<int>& demands, FitRule rule,
                        Supply& left) {
  Bars bars(instance, left);
  // Types are sorted longest first, so walking them in order is decreasing.
  for (int type = 0; type < instance.TypeCount(); ++type) {
    const std::int64_t size = instance.sizes[type];
    for (int copy = 0; copy < demands[type]; ++copy) {
      Put(bars.Choose(size, rule), type, size);
    }
  }
  Solution solution = std::move(bars).Patterns();
  Downsize(instance, solution, left);
  return solution;
}

Solution BestGreedy(const BinInstance& instance, const std::vector<int>& demands,
                    const Supply& left) {
  Supply firstLeft = left;
  Supply bestLeft = left;
  Solution first = PackDecreasing(instance, demands, FitRule::First, firstLeft);
  Solution best = PackDecreasing(instance, demands, FitRule::Best, bestLeft);
  return Cost(instance, best) < Cost(instance, first) ? best : first;
}

Solution BestGreedy(const BinInstance& instance, const std::vector<int>& demands) {
  return BestGreedy(instance, demands, FullSupply(instance));
}

}  // namespace grill::cutplan
