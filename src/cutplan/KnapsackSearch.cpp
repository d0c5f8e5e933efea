#include "KnapsackSearch.h"

#include <algorithm>
#include <limits>

#include "WorkCount.h"

namespace grill::cutplan {

namespace {

// A branch must promise more than this over the best found to be explored:
// ties add nothing, and the pricing's own tolerance is far coarser.
constexpr double kGain = 1e-12;

// The coarse capacity of the bound's table: fine enough that rounding
// loses little, small enough to build in a fraction of a millisecond.
constexpr std::int64_t kCoarseCapacity = 4096;
// Cells of that table at most (64 MiB): jobs of thousands of lengths get a
// coarser one.
constexpr std::int64_t kBoundCells = 8 * 1024 * 1024;
constexpr std::int64_t kCoarsestCapacity = 64;
// Up to this capacity and cells, the bound's table is exact: a table over
// the whole capacity, built in a few milliseconds.
constexpr std::int64_t kExactCapacity = 16 * 1024;
constexpr std::int64_t kExactBoundCells = 4 * 1024 * 1024;

// The limit is read from the clock: only every so many nodes.
constexpr std::int64_t kNodesPerClockRead = 4096;
// The work of each node, and the bound's cells per unit of work.
constexpr std::int64_t kNodeWork = 6;
constexpr std::int64_t kBoundCellsPerWork = 3;

}  // namespace

std::optional<KnapsackSearch::Best> KnapsackSearch::Solve(
    const std::vector<Item>& items, std::int64_t capacity, std::int64_t minLoad,
    std::optional<double> worthBeating, std::int64_t nodeBudget, const SearchLimit& limit) {
  items_ = &items;
  capacity_ = capacity;
  minLoad_ = minLoad;
  counts_.assign(items.size(), 0);
  sizeFrom_.assign(items.size() + 1, 0);
  for (std::size_t position = items.size(); position-- > 0;) {
    sizeFrom_[position] = std::min(
        capacity, sizeFrom_[position + 1] + items[position].size * items[position].available);
  }
  BuildBound();
  floor_ = worthBeating ? *worthBeating + Rounding() : -std::numeric_limits<double>::infinity();
  best_.reset();
  improvements_.clear();
  nodesLeft_ = nodeBudget;
  limit_ = &limit;
  complete_ = true;
  Explore(0, capacity, 0.0);
  return best_;
}

bool KnapsackSearch::ExactBoundFits(std::size_t items, std::int64_t capacity) {
  return capacity <= kExactCapacity &&
         static_cast<std::int64_t>(items + 1) * (capacity + 1) <= kExactBoundCells;
}

double KnapsackSearch::upperBound() const {
  const double found =
      std::max(best_ ? best_->value : -std::numeric_limits<double>::infinity(), floor_);
  // Cut short, the search leaves only the table's bound on the rest.
  return complete_ ? found : std::max(found, Bound(0, capacity_));
}

double KnapsackSearch::Rounding() const {
  if (step_ == 1) {
    return 0;
  }
  double ratio = 0;
  std::int64_t smallest = capacity_;
  for (const Item& item : *items_) {
    ratio = std::max(ratio, item.value / static_cast<double>(item.size));
    smallest = std::min(smallest, item.size);
  }
  const std::int64_t most = capacity_ / std::max<std::int64_t>(smallest, 1);
  return ratio * static_cast<double>(most * step_);
}

void KnapsackSearch::BuildBound() {
  const std::vector<Item>& items = *items_;
  const std::int64_t coarseCapacity =
      std::clamp(kBoundCells / static_cast<std::int64_t>(items.size() + 1), kCoarsestCapacity,
                 kCoarseCapacity);
  step_ = ExactBoundFits(items.size(), capacity_)
              ? 1
              : std::max<std::int64_t>(1, (capacity_ + coarseCapacity - 1) / coarseCapacity);
  coarseWidth_ = capacity_ / step_ + 1;
  const auto width = static_cast<std::size_t>(coarseWidth_);
  // Every row is written before it is read but the last, which is empty.
  bound_.resize((items.size() + 1) * width);
  AddWork(static_cast<std::int64_t>((items.size() + 1) * width) / kBoundCellsPerWork);
  std::fill_n(bound_.begin() + static_cast<std::ptrdiff_t>(items.size() * width), width, 0.0);
  for (std::size_t position = items.size(); position-- > 0;) {
    const Item& item = items[position];
    const double* after = bound_.data() + (position + 1) * width;
    double* here = bound_.data() + position * width;
    const auto coarse = static_cast<std::size_t>(item.size / step_);
    if (coarse == 0) {
      for (std::size_t c = 0; c < width; ++c) {
        here[c] = after[c] + item.available * item.value;
      }
      continue;
    }
    const std::size_t first = std::min(coarse, width);
    std::copy(after, after + first, here);
    for (std::size_t c = first; c < width; ++c) {
      here[c] = std::max(after[c], after[c - coarse] + item.value);
    }
    for (int count = 2; count <= item.available && count * coarse < width; ++count) {
      const double value = count * item.value;
      for (std::size_t c = count * coarse; c < width; ++c) {
        here[c] = std::max(here[c], after[c - count * coarse] + value);
      }
    }
  }
}

double KnapsackSearch::Bound(std::size_t position, std::int64_t room) const {
  return bound_[position * static_cast<std::size_t>(coarseWidth_) +
                static_cast<std::size_t>(room / step_)];
}

bool KnapsackSearch::OutOfNodes() {
  if (!complete_) {
    return true;
  }
  --nodesLeft_;
  AddWork(kNodeWork);
  if (nodesLeft_ < 0 || (nodesLeft_ % kNodesPerClockRead == 0 && limit_->Reached())) {
    complete_ = false;
  }
  return !complete_;
}

void KnapsackSearch::Explore(std::size_t position, std::int64_t room, double value) {
  if (OutOfNodes()) {
    return;
  }
  if (capacity_ - room >= minLoad_ && (!best_ || value > best_->value)) {
    best_ = Best{counts_, value};
    improvements_.push_back(*best_);
  }
  const std::vector<Item>& items = *items_;
  if (position == items.size() || capacity_ - room + sizeFrom_[position] < minLoad_) {
    return;  // nothing left, or too little to reach the minimum load
  }
  const double beat = best_ ? std::max(best_->value, floor_) : floor_;
  if (value + Bound(position, room) <= beat + kGain) {
    return;
  }
  const Item& item = items[position];
  const int most = static_cast<int>(std::min<std::int64_t>(item.available, room / item.size));
  for (int count = most; count >= 0 && complete_; --count) {
    counts_[position] = count;
    Explore(position + 1, room - count * item.size, value + count * item.value);
  }
  counts_[position] = 0;
}

}  // namespace grill::cutplan
