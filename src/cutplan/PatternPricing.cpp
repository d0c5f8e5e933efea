#include "PatternPricing.h"

#include <algorithm>

namespace grill::cutplan {

namespace {

constexpr std::int64_t kTableBudget = 64 * 1024 * 1024;

// Below this an item adds nothing worth a column.
constexpr double kNoValue = 1e-12;

}  // namespace

PatternPricer::PatternPricer(const BinInstance& instance) : instance_(instance) {}

bool PatternPricer::Feasible() const {
  std::int64_t chunks = 0;
  const std::int64_t capacity = instance_.capacities.back();
  for (int type = 0; type < instance_.TypeCount(); ++type) {
    std::int64_t copies =
        std::min<std::int64_t>(instance_.demands[type], capacity / instance_.sizes[type]);
    for (std::int64_t part = 1; copies > 0; part *= 2) {
      copies -= std::min(part, copies);
      ++chunks;
    }
  }
  return chunks * (capacity + 1) <= kTableBudget;
}

void PatternPricer::SplitIntoChunks(const std::vector<double>& values,
                                    const std::vector<int>& demands) {
  chunks_.clear();
  const std::int64_t capacity = instance_.capacities.back();
  for (int type = 0; type < instance_.TypeCount(); ++type) {
    if (values[type] <= kNoValue) {
      continue;
    }
    const std::int64_t size = instance_.sizes[type];
    if (demands[type] >= capacity / size) {
      chunks_.push_back({type, 1, size, values[type], true});
      continue;
    }
    int copies = demands[type];
    for (int part = 1; copies > 0; part *= 2) {
      int taken = std::min(part, copies);
      chunks_.push_back({type, taken, size * taken, values[type] * taken, false});
      copies -= taken;
    }
  }
}

std::vector<PatternPricer::Priced> PatternPricer::BestPatterns(const std::vector<double>& values,
                                                               const std::vector<int>& demands) {
  SplitIntoChunks(values, demands);
  const std::int64_t capacity = instance_.capacities.back();
  const std::size_t width = static_cast<std::size_t>(capacity) + 1;
  best_.assign(width, 0.0);
  taken_.assign(chunks_.size() * width, 0);
  for (std::size_t index = 0; index < chunks_.size(); ++index) {
    const Chunk& chunk = chunks_[index];
    std::uint8_t* taken = taken_.data() + index * width;
    // Upwards, best_[c - size] may already hold this chunk: repeated use.
    if (chunk.repeatable) {
      for (std::int64_t c = chunk.size; c <= capacity; ++c) {
        TakeIfBetter(c, chunk, taken);
      }
    } else {
      for (std::int64_t c = capacity; c >= chunk.size; --c) {
        TakeIfBetter(c, chunk, taken);
      }
    }
  }
  std::vector<Priced> result;
  for (int stock = 0; stock < instance_.StockCount(); ++stock) {
    result.push_back({Reconstruct(stock), best_[instance_.capacities[stock]]});
  }
  return result;
}

void PatternPricer::TakeIfBetter(std::int64_t c, const Chunk& chunk, std::uint8_t* taken) {
  double with = best_[c - chunk.size] + chunk.value;
  if (with > best_[c]) {
    best_[c] = with;
    taken[c] = 1;
  }
}

Pattern PatternPricer::Reconstruct(int stock) const {
  const std::size_t width = static_cast<std::size_t>(instance_.capacities.back()) + 1;
  std::vector<int> counts(instance_.TypeCount(), 0);
  std::int64_t c = instance_.capacities[stock];
  for (std::size_t index = chunks_.size(); index-- > 0;) {
    const Chunk& chunk = chunks_[index];
    do {
      if (!taken_[index * width + c]) {
        break;
      }
      counts[chunk.type] += chunk.copies;
      c -= chunk.size;
    } while (chunk.repeatable);
  }
  Pattern pattern{stock, {}};
  for (int type = 0; type < instance_.TypeCount(); ++type) {
    if (counts[type] > 0) {
      pattern.entries.push_back({type, counts[type]});
    }
  }
  return pattern;
}

}  // namespace grill::cutplan
