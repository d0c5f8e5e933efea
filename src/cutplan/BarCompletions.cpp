#include "BarCompletions.h"

#include <algorithm>

#include "WorkCount.h"

namespace grill::cutplan {

namespace {

// The work of each step of the search, and of a word of the sums' table
// per copy.
constexpr std::int64_t kCompletionStepWork = 60;
constexpr std::int64_t kWordsPerWork = 2;

constexpr int kWordBits = 64;

class Completer {
 public:
  Completer(const BinInstance& instance, const std::vector<int>& available, std::int64_t minLoad,
            std::size_t most)
      : instance_(instance),
        left_(available),
        counts_(instance.TypeCount(), 0),
        minLoad_(minLoad),
        most_(most),
        words_(static_cast<std::size_t>(instance.capacities.back() / kWordBits + 1)) {}

  Completions Run(int type) {
    --left_[type];
    ++counts_[type];
    TabulateSums();
    Extend(0, instance_.capacities.back() - instance_.sizes[type]);
    std::stable_sort(result_.patterns.begin(), result_.patterns.end(),
                     [&](const Pattern& a, const Pattern& b) {
                       return Load(instance_, a) > Load(instance_, b);
                     });
    return std::move(result_);
  }

 private:
  // Types before `from` are decided; `room` is what the bar has left.
  // The bars taking a next type come first, each with more copies first,
  // and the bar taking none last; only where the types after it can still
  // load the bar enough.
  void Extend(int from, std::int64_t room) {
    AddWork(kCompletionStepWork);
    if (!result_.all) {
      return;
    }
    const std::int64_t load = instance_.capacities.back() - room;
    if (!AnySum(from, std::max<std::int64_t>(0, minLoad_ - load), room)) {
      return;
    }
    int next = std::max(from, instance_.FirstFitting(room));
    while (next < instance_.TypeCount() && left_[next] == 0) {
      ++next;
    }
    if (next == instance_.TypeCount()) {
      Record(room);
      return;
    }
    const std::int64_t size = instance_.sizes[next];
    const int most = static_cast<int>(std::min<std::int64_t>(left_[next], room / size));
    for (int count = most; count >= 0 && result_.all; --count) {
      counts_[next] += count;
      left_[next] -= count;
      Extend(next + 1, room - count * size);
      counts_[next] -= count;
      left_[next] += count;
    }
  }

  // Per type, the sums the available copies of it and of the shorter types
  // make up, as bits up to the capacity: the search goes on only where one
  // of them reaches the load asked for and fits. A type with none
  // available shares the row after it; the first row is the empty sum's.
  void TabulateSums() {
    const int types = instance_.TypeCount();
    const auto rows = static_cast<std::size_t>(
        1 + std::count_if(left_.begin(), left_.end(), [](int left) { return left > 0; }));
    sums_.assign(rows * words_, 0);
    sums_[0] = 1;  // nothing adds up to 0
    rowOf_.assign(types + 1, 0);
    std::size_t row = 0;
    for (int type = types; type-- > 0;) {
      if (left_[type] > 0) {
        std::uint64_t* sums = &sums_[(row + 1) * words_];
        std::copy_n(&sums_[row * words_], words_, sums);
        // In chunks of 1, 2, 4, ... copies, which make up every count.
        int left = left_[type];
        for (int chunk = 1; left > 0; chunk *= 2) {
          const int copies = std::min(chunk, left);
          left -= copies;
          const std::int64_t shift = instance_.sizes[type] * copies;
          if (shift > instance_.capacities.back()) {
            break;
          }
          ShiftIn(sums, shift);
        }
        ++row;
      }
      rowOf_[type] = row;
    }
  }

  // sums |= sums << shift, the words from the top down so that each reads
  // the ones below as they were.
  void ShiftIn(std::uint64_t* sums, std::int64_t shift) {
    const auto wordShift = static_cast<std::size_t>(shift / kWordBits);
    const auto bitShift = static_cast<int>(shift % kWordBits);
    AddWork(static_cast<std::int64_t>(words_) / kWordsPerWork);
    for (std::size_t word = words_; word-- > wordShift;) {
      const std::size_t from = word - wordShift;
      std::uint64_t moved = sums[from] << bitShift;
      if (bitShift > 0 && from > 0) {
        moved |= sums[from - 1] >> (kWordBits - bitShift);
      }
      sums[word] |= moved;
    }
  }

  // Whether the available copies of the types from `from` on make up a sum
  // from `low` to `high`.
  bool AnySum(int from, std::int64_t low, std::int64_t high) const {
    if (low > high) {
      return false;
    }
    const std::uint64_t* sums = &sums_[rowOf_[from] * words_];
    const auto first = static_cast<std::size_t>(low / kWordBits);
    const auto last = static_cast<std::size_t>(high / kWordBits);
    for (std::size_t word = first; word <= last; ++word) {
      std::uint64_t bits = sums[word];
      if (word == first) {
        bits &= ~std::uint64_t{0} << (low % kWordBits);
      }
      if (word == last && high % kWordBits != kWordBits - 1) {
        bits &= (std::uint64_t{1} << (high % kWordBits + 1)) - 1;
      }
      if (bits != 0) {
        return true;
      }
    }
    return false;
  }

  void Record(std::int64_t room) {
    if (instance_.capacities.back() - room < minLoad_) {
      return;
    }
    // Maximal: no available item fits the room left.
    for (int type = instance_.TypeCount(); type-- > 0;) {
      if (left_[type] > 0) {
        if (instance_.sizes[type] <= room) {
          return;
        }
        break;  // sizes only grow towards the front
      }
    }
    if (result_.patterns.size() == most_) {
      result_.all = false;
      return;
    }
    Pattern& pattern = result_.patterns.emplace_back(Pattern{instance_.StockCount() - 1, {}});
    for (int type = 0; type < instance_.TypeCount(); ++type) {
      if (counts_[type] > 0) {
        pattern.entries.push_back({type, counts_[type]});
      }
    }
  }

  const BinInstance& instance_;
  std::vector<int> left_;
  std::vector<int> counts_;
  std::int64_t minLoad_;
  std::size_t most_;
  // The sums' table: per row, words_ words; each type's row.
  std::size_t words_;
  std::vector<std::uint64_t> sums_;
  std::vector<std::size_t> rowOf_;
  Completions result_;
};

}  // namespace

Completions CompleteBar(const BinInstance& instance, const std::vector<int>& available, int type,
                        std::int64_t minLoad, std::size_t most) {
  return Completer(instance, available, minLoad, most).Run(type);
}

}  // namespace grill::cutplan
