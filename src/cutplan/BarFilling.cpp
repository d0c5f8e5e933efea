#include "BarFilling.h"

#include <algorithm>
#include <deque>
#include <limits>
#include <memory>
#include <random>
#include <unordered_set>

#include "WorkCount.h"

namespace grill::cutplan {

namespace {

// Allowance for the rounding of the bars' worth in floating point; far
// above it, and far below any worth that matters.
constexpr double kWorthTolerance = 1e-7;
constexpr double kNoWorth = -std::numeric_limits<double>::infinity();
// Completions of one bar beyond which the list is cut short; the search
// then proves nothing.
constexpr std::size_t kMostFillCompletions = 20000;
// Steps of the completions' search between looks at the limit, and the
// work of each; loads of a knapsack over exact loads per unit of work,
// and the work of each load of the most over a window of them.
constexpr std::int64_t kStepsPerLook = 4096;
constexpr std::int64_t kFillStepWork = 12;
constexpr std::int64_t kLoadsPerWork = 4;
constexpr std::int64_t kWindowWork = 3;
// The bars the first restart may try.
constexpr std::int64_t kFirstAttempt = 500;

}  // namespace

class BarFiller {
 public:
  BarFiller(const BinInstance& instance, const std::vector<int>& demands, int bars,
            const std::vector<double>& values, Repricing reprice)
      : instance_(instance),
        capacity_(instance.capacities.back()),
        rest_(demands),
        barsLeft_(bars),
        reprice_(std::move(reprice)) {
    std::int64_t total = 0;
    for (int type = 0; type < Types(); ++type) {
      total += instance.sizes[type] * demands[type];
      restItems_ += demands[type];
    }
    waste_ = static_cast<std::int64_t>(bars) * capacity_ - total;
    firstFitting_.reserve(static_cast<std::size_t>(capacity_) + 1);
    for (std::int64_t room = 0; room <= capacity_; ++room) {
      firstFitting_.push_back(instance.FirstFitting(room));
    }
    worth_.assign(Types(), 0.0);
    lastCount_.assign(Types(), 0);
    UseValues(values);
    std::mt19937_64 random(0x5eed);
    for (int type = 0; type <= Types(); ++type) {
      keyA_.push_back(random());
      keyB_.push_back(random());
    }
    for (int type = 0; type < Types(); ++type) {
      restKey_.a += keyA_[type] * static_cast<std::uint64_t>(demands[type]);
      restKey_.b += keyB_[type] * static_cast<std::uint64_t>(demands[type]);
    }
  }

  // Items beyond the bars' room need no worth: Run rules them out first.
  void UseValues(const std::vector<double>& values) {
    valueSum_.resize(Types(), 0.0);
    ++valueCount_;
    std::vector<double> mean(Types());
    for (int type = 0; type < Types(); ++type) {
      valueSum_[type] += values[type];
      mean[type] = valueSum_[type] / valueCount_;
    }
    if (waste_ >= 0) {
      Price(mean);
    }
  }

  FillResult Run(const SearchLimit& limit, std::int64_t nodes) {
    if (settled_) {
      return *settled_;
    }
    if (waste_ < 0 || Slack() < -kWorthTolerance) {
      return *(settled_ = FillResult{FillResult::Outcome::None, {}});
    }
    limit_ = &limit;
    const std::int64_t budgetEnd = nodes_ + nodes;
    // Restarts alternate between the values given and each branching
    // rest's own (which prune harder but cost a relaxation each), the
    // budget doubling every second one; from the third on, a coin decides
    // between items with as many bars. So a search does not sink its time
    // into one unlucky choice, and the rests known to fail stay known.
    for (;; ++attempt_) {
      const std::int64_t ownEnd = nodes_ + (kFirstAttempt << std::min(attempt_ / 2, 40));
      attemptEnd_ = std::min(budgetEnd, ownEnd);
      cuts_ = 0;
      stopped_ = false;
      outOfAttempt_ = false;
      filled_.clear();
      if (Fill()) {
        return *(settled_ = FillResult{FillResult::Outcome::Found, filled_});
      }
      if (cuts_ == 0) {
        return *(settled_ = FillResult{FillResult::Outcome::None, {}});
      }
      if (!outOfAttempt_ || nodes_ >= budgetEnd || limit.Reached()) {
        // A restart that used up its own budget is over: the next run goes
        // on with the one after it instead of repeating it.
        if (outOfAttempt_ && attemptEnd_ == ownEnd) {
          ++attempt_;
        }
        return {FillResult::Outcome::Unknown, {}};
      }
    }
  }

  FillResult RunFirstRestart(const SearchLimit& limit) {
    if (attempt_ > 0 && !settled_) {
      return {FillResult::Outcome::Unknown, {}};
    }
    return Run(limit, kFirstAttempt);
  }

 private:
  using Bar = std::vector<PatternEntry>;

  // A rest of items and the bars left for it, by two independent sums of
  // random keys: two rests that differ collide once in 2^128.
  struct RestKey {
    std::uint64_t a = 0;
    std::uint64_t b = 0;
    bool operator==(const RestKey&) const = default;
  };

  struct RestKeyHash {
    std::size_t operator()(const RestKey& key) const { return static_cast<std::size_t>(key.a); }
  };

  int Types() const { return instance_.TypeCount(); }

  // The items' worth: the values scaled down by the worth of the best bar
  // any solution could hold, so that no such bar is worth more than 1.
  void Price(const std::vector<double>& values) {
    std::vector<double> clamped(Types());
    for (int type = 0; type < Types(); ++type) {
      clamped[type] = std::max(0.0, values[type]);
    }
    const double best = BestBarWorth(clamped);
    worth_.assign(Types(), 0.0);
    if (best > 0) {
      // A little more than the best, for the rounding of its sum.
      const double scale = 1 / (best * (1 + 1e-9));
      for (int type = 0; type < Types(); ++type) {
        worth_[type] = clamped[type] * scale;
      }
    }
  }

  // The best worth of a bar wasting no more than the solutions may.
  double BestBarWorth(const std::vector<double>& values) const {
    std::vector<double> best(static_cast<std::size_t>(capacity_) + 1, kNoWorth);
    best[0] = 0;
    for (int type = 0; type < Types(); ++type) {
      AddToLoads(best, type, values[type]);
    }
    double most = 0;
    for (std::int64_t load = std::max<std::int64_t>(0, capacity_ - WasteLeft()); load <= capacity_;
         ++load) {
      most = std::max(most, best[load]);
    }
    return most;
  }

  // Takes the rest of a type, each copy worth `value`, into a knapsack
  // over exact loads (kNoWorth where none is made up), in chunks of 1, 2,
  // 4, ... copies.
  void AddToLoads(std::vector<double>& best, int type, double value) const {
    int left = rest_[type];
    for (int chunk = 1; left > 0; chunk *= 2) {
      const int copies = std::min(chunk, left);
      left -= copies;
      const std::int64_t size = instance_.sizes[type] * copies;
      const double worth = value * copies;
      AddWork(std::max<std::int64_t>(0, capacity_ - size + 1) / kLoadsPerWork);
      // From the top down, each block of `size` loads reads only the one
      // below it, which it has not changed yet: the 0-1 knapsack's step in
      // place, and each block a loop the compiler vectorises.
      for (std::int64_t end = capacity_ + 1; end > size; end -= size) {
        const std::int64_t begin = std::max(size, end - size);
        TakeOnce(best.data() + begin - size, best.data() + begin, end - begin, worth);
      }
    }
  }

  static void TakeOnce(const double* __restrict below, double* __restrict loads, std::int64_t count,
                       double worth) {
    for (std::int64_t load = 0; load < count; ++load) {
      loads[load] = std::max(loads[load], below[load] + worth);
    }
  }

  // How far the bars of a solution may fall short of worth 1 in all: the
  // bars left less the rest's worth.
  double Slack() const {
    double worth = 0;
    for (int type = 0; type < Types(); ++type) {
      worth += worth_[type] * rest_[type];
    }
    return barsLeft_ - worth;
  }

  std::int64_t WasteLeft() const {
    std::int64_t load = 0;
    for (int type = 0; type < Types(); ++type) {
      load += instance_.sizes[type] * rest_[type];
    }
    return static_cast<std::int64_t>(barsLeft_) * capacity_ - load;
  }

  RestKey Key() const {
    return {restKey_.a + keyA_.back() * static_cast<std::uint64_t>(barsLeft_),
            restKey_.b + keyB_.back() * static_cast<std::uint64_t>(barsLeft_)};
  }

  void Change(const Bar& bar, int sign) {
    for (const PatternEntry& entry : bar) {
      rest_[entry.type] += sign * entry.count;
      restItems_ += sign * entry.count;
      const auto count = static_cast<std::uint64_t>(entry.count);
      if (sign > 0) {
        restKey_.a += keyA_[entry.type] * count;
        restKey_.b += keyB_[entry.type] * count;
      } else {
        restKey_.a -= keyA_[entry.type] * count;
        restKey_.b -= keyB_[entry.type] * count;
      }
    }
    barsLeft_ += sign;
  }

  // Depth first over the bars of one item: of the items left, the one
  // with the fewest bars to choose from. True when every item has its bar.
  bool Fill() {
    if (restItems_ == 0) {
      return true;
    }
    if (barsLeft_ == 0 || failed_.contains(Key())) {
      return false;
    }
    if (++nodes_ > attemptEnd_ || ((nodes_ & 63) == 1 && limit_->Reached())) {
      outOfAttempt_ = nodes_ > attemptEnd_;
      stopped_ = true;
      ++cuts_;
      return false;
    }
    const std::int64_t cutsBefore = cuts_;
    // Over the whole rest, the suffixes still bound each item's bars.
    PrepareSuffixes();
    // The bars are counted for every item, and listed for the one chosen.
    bool whole = false;
    const int first = FewestBarsItem(whole);
    std::vector<Bar> bars;
    if (!stopped_ && first >= 0) {
      bars = Completions(first, kMostFillCompletions);
    }
    if (stopped_) {
      ++cuts_;
      return false;
    }
    if (!whole) {
      ++cuts_;
    }
    // Where the search branches, values of the rest's own prune its
    // subtree harder, or show it holds no solution.
    std::optional<std::vector<double>> outer;
    if (reprice_ && bars.size() > 1 && attempt_ % 2 == 1) {
      std::optional<std::vector<double>> values = reprice_(rest_, barsLeft_);
      if (!values) {
        failed_.insert(Key());
        return false;
      }
      outer.emplace(worth_);
      Price(*values);
      // Both worths fit the rest's bars, and so does their mean, which
      // rules out every bar either does.
      for (int type = 0; type < Types(); ++type) {
        worth_[type] = (worth_[type] + (*outer)[type]) / 2;
      }
      PrepareSuffixes();
      bars = Completions(first, kMostFillCompletions);
      if (cutShort_) {
        ++cuts_;
      }
    }
    const bool found = TryEach(bars);
    if (outer) {
      worth_ = std::move(*outer);
    }
    if (found) {
      return true;
    }
    if (!stopped_ && cuts_ == cutsBefore) {
      failed_.insert(Key());
    }
    return false;
  }

  // Of the items left, the one with the fewest bars; `whole` when its count
  // is complete, else the longest. Counted in the order of their last
  // counts: a low count found early cuts the others' short, as only a count
  // as low is of use. The counts shrink down the search, so the last ones
  // order them well.
  int FewestBarsItem(bool& whole) {
    order_.clear();
    for (int type = 0; type < Types(); ++type) {
      if (rest_[type] > 0) {
        order_.push_back(type);
      }
    }
    std::stable_sort(order_.begin(), order_.end(),
                     [this](int a, int b) { return lastCount_[a] < lastCount_[b]; });
    std::size_t fewest = kMostFillCompletions;
    int first = -1;
    whole = false;
    for (const int type : order_) {
      if (stopped_) {
        break;
      }
      const std::size_t count = CountCompletions(type, whole ? fewest + 1 : kMostFillCompletions);
      lastCount_[type] = count;
      const bool shorter =
          !cutShort_ && (!whole || count < fewest || (count == fewest && TakeTie(type, first)));
      if (shorter) {
        fewest = count;
        first = type;
        whole = true;
      } else if (!whole && (first < 0 || type < first)) {
        first = type;
      }
      if (whole && fewest == 0) {
        break;
      }
    }
    return first;
  }

  // Of two items with as many bars, the first restarts take the shorter;
  // the later ones toss a coin.
  bool TakeTie(int type, int chosen) { return attempt_ < 2 ? type > chosen : random_() % 2 == 0; }

  bool TryEach(const std::vector<Bar>& bars) {
    for (const Bar& bar : bars) {
      Change(bar, -1);
      filled_.push_back({instance_.StockCount() - 1, bar});
      if (Fill()) {
        return true;
      }
      filled_.pop_back();
      Change(bar, 1);
      if (stopped_) {
        return false;
      }
    }
    return false;
  }

  // The bars holding an item of `type` that waste and fall short of worth
  // 1 no more than the rest allows, the worthiest first; cut short at
  // `most`.
  std::vector<Bar> Completions(int type, std::size_t most) {
    FindCompletions(type, most, true);
    std::stable_sort(found_.begin(), found_.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<Bar> bars;
    bars.reserve(found_.size());
    for (auto& [worth, bar] : found_) {
      bar.push_back({type, 1});
      bars.push_back(Merged(std::move(bar)));
    }
    return bars;
  }

  // How many bars Completions would list, up to `most`.
  std::size_t CountCompletions(int type, std::size_t most) {
    FindCompletions(type, most, false);
    return foundCount_;
  }

  void FindCompletions(int type, std::size_t most, bool keep) {
    most_ = most;
    keep_ = keep;
    --rest_[type];
    wasteLeft_ = WasteLeft() - instance_.sizes[type];
    shortfallLeft_ = Slack() - worth_[type] + kWorthTolerance;
    found_.clear();
    foundCount_ = 0;
    cutShort_ = false;
    chosen_.clear();
    Extend(0, capacity_ - instance_.sizes[type], worth_[type]);
    ++rest_[type];
  }

  // Entries in type order, one per type.
  static Bar Merged(Bar bar) {
    std::sort(bar.begin(), bar.end(),
              [](const PatternEntry& a, const PatternEntry& b) { return a.type < b.type; });
    Bar merged;
    for (const PatternEntry& entry : bar) {
      if (!merged.empty() && merged.back().type == entry.type) {
        merged.back().count += entry.count;
      } else {
        merged.push_back(entry);
      }
    }
    return merged;
  }

  // Per type with some left, over the rest of it and the shorter types:
  // the most worth of the items making up a load within the waste left
  // below each load. The types go into one knapsack over exact loads from
  // the shortest on, and after each its row is stored from its size on
  // only: below that, the row of the first type left that fits the load
  // holds the same. On long bars the table outgrows the caches, and
  // writing whole rows took much of each step.
  void PrepareSuffixes() {
    const std::int64_t waste = WasteLeft();
    const std::size_t width = static_cast<std::size_t>(capacity_) + 1;
    exact_.assign(width, kNoWorth);
    exact_[0] = 0;
    best_.resize((Types() + 1) * width);
    rowStart_.resize(Types() + 1);
    std::size_t used = 0;
    StoreRow(Types(), waste, used);
    for (int type = Types(); type-- > 0;) {
      if (rest_[type] > 0) {
        AddToLoads(exact_, type, worth_[type]);
        StoreRow(type, waste, used);
      }
    }
  }

  // The row of `type`, from its size on (all of it past the last type),
  // after the `used` entries of the table.
  void StoreRow(int type, std::int64_t waste, std::size_t& used) {
    const std::int64_t from = type < Types() ? instance_.sizes[type] : 0;
    rowStart_[type] = static_cast<std::int64_t>(used) - from;
    double* row = &best_[used];
    used += static_cast<std::size_t>(capacity_ - from + 1);
    if (waste == 0) {
      std::copy(exact_.begin() + from, exact_.end(), row);
    } else {
      WindowMost(row, from, waste);
    }
  }

  // The most worth over the types from `type` on making up a load within
  // the waste left below `room`; `type` is the first left that fits it.
  double MostWorth(int type, std::int64_t room) const {
    return best_[static_cast<std::size_t>(rowStart_[type] + room)];
  }

  // most[load - from]: the most of exact_ over [load - waste, load], for
  // the loads from `from` on.
  void WindowMost(double* most, std::int64_t from, std::int64_t waste) {
    const std::int64_t width = capacity_ + 1;
    AddWork(width * kWindowWork);
    window_.clear();
    for (std::int64_t load = std::max<std::int64_t>(0, from - waste); load < width; ++load) {
      while (!window_.empty() && exact_[window_.back()] <= exact_[load]) {
        window_.pop_back();
      }
      window_.push_back(load);
      if (load - window_.front() > waste) {
        window_.pop_front();
      }
      if (load >= from) {
        most[load - from] = exact_[window_.front()];
      }
    }
  }

  // Types before `type` are decided; `room` is what the bar has left.
  void Extend(int type, std::int64_t room, double worth) {
    if ((++steps_ & (kStepsPerLook - 1)) == 0) {
      AddWork(kStepsPerLook * kFillStepWork);
      if (limit_->Reached()) {
        stopped_ = true;
        cutShort_ = true;
      }
    }
    if (cutShort_) {
      return;
    }
    // Deep in a bar most types are too long: a scan over them took much
    // of each count.
    int next = std::max(type, firstFitting_[room]);
    while (next < Types() && rest_[next] == 0) {
      ++next;
    }
    if (worth + MostWorth(next, room) < 1 - shortfallLeft_) {
      return;
    }
    if (next == Types()) {
      if (room <= wasteLeft_ && worth >= 1 - shortfallLeft_) {
        if (foundCount_ >= most_) {
          cutShort_ = true;
          return;
        }
        ++foundCount_;
        if (keep_) {
          found_.emplace_back(worth, chosen_);
        }
      }
      return;
    }
    const std::int64_t size = instance_.sizes[next];
    const int most = static_cast<int>(std::min<std::int64_t>(rest_[next], room / size));
    for (int count = most; count >= 0 && !cutShort_; --count) {
      if (count > 0) {
        chosen_.push_back({next, count});
      }
      Extend(next + 1, room - count * size, worth + worth_[next] * count);
      if (count > 0) {
        chosen_.pop_back();
      }
    }
  }

  const BinInstance& instance_;
  const std::int64_t capacity_;
  std::vector<int> rest_;
  int restItems_ = 0;
  int barsLeft_;
  std::int64_t waste_ = 0;
  std::vector<double> worth_;
  // The values given so far, summed, and how many sets.
  std::vector<double> valueSum_;
  int valueCount_ = 0;
  const SearchLimit* limit_ = nullptr;
  const Repricing reprice_;
  std::optional<FillResult> settled_;
  std::int64_t nodes_ = 0;
  bool stopped_ = false;
  // The current restart: the node it ends at, whether it did, and the
  // choices among equals it makes.
  std::int64_t attemptEnd_ = 0;
  bool outOfAttempt_ = false;
  int attempt_ = 0;
  std::mt19937_64 random_{0x5eed};
  // Searches cut short so far: by the limit or by too many completions.
  std::int64_t cuts_ = 0;
  Solution filled_;
  std::vector<std::uint64_t> keyA_;
  std::vector<std::uint64_t> keyB_;
  RestKey restKey_;
  std::unordered_set<RestKey, RestKeyHash> failed_;
  // The completions' search.
  std::int64_t wasteLeft_ = 0;
  double shortfallLeft_ = 0;
  // Per room, the first type that fits it: a binary search at each step
  // of the completions took a good part of them.
  std::vector<int> firstFitting_;
  // The rows of PrepareSuffixes, and where each type's would start.
  std::vector<double> best_;
  std::vector<std::int64_t> rowStart_;
  // Per type, its bars at the last count, and the order of the next.
  std::vector<std::size_t> lastCount_;
  std::vector<int> order_;
  std::vector<double> exact_;
  std::deque<std::int64_t> window_;
  Bar chosen_;
  std::vector<std::pair<double, Bar>> found_;
  std::size_t foundCount_ = 0;
  bool keep_ = false;
  bool cutShort_ = false;
  std::size_t most_ = 0;
  std::int64_t steps_ = 0;
};

BarFilling::BarFilling(const BinInstance& instance, const std::vector<int>& demands, int bars,
                       const std::vector<double>& values, Repricing reprice)
    : filler_(std::make_unique<BarFiller>(instance, demands, bars, values, std::move(reprice))) {}

BarFilling::~BarFilling() = default;

void BarFilling::UseValues(const std::vector<double>& values) {
  filler_->UseValues(values);
}

FillResult BarFilling::Run(const SearchLimit& limit, std::int64_t nodes) {
  return filler_->Run(limit, nodes);
}

FillResult BarFilling::RunFirstRestart(const SearchLimit& limit) {
  return filler_->RunFirstRestart(limit);
}

FillResult FillBars(const BinInstance& instance, const std::vector<int>& demands, int bars,
                    const std::vector<double>& values, const SearchLimit& limit, std::int64_t nodes,
                    const Repricing& reprice) {
  return BarFilling(instance, demands, bars, values, reprice).Run(limit, nodes);
}

}  // namespace grill::cutplan
