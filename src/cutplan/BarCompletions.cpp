#include "BarCompletions.h"

#include <algorithm>

#include "WorkCount.h"

namespace grill::cutplan {

namespace {

// The work of each step of the search.
constexpr std::int64_t kCompletionStepWork = 20;

class Completer {
 public:
  Completer(const BinInstance& instance, const std::vector<int>& available, std::int64_t minLoad,
            std::size_t most)
      : instance_(instance),
        left_(available),
        counts_(instance.TypeCount(), 0),
        minLoad_(minLoad),
        most_(most),
        sizeFrom_(instance.TypeCount() + 1, 0) {
    for (int type = instance.TypeCount(); type-- > 0;) {
      sizeFrom_[type] = sizeFrom_[type + 1] + instance.sizes[type] * available[type];
    }
  }

  Completions Run(int type) {
    --left_[type];
    ++counts_[type];
    Extend(type, instance_.capacities.back() - instance_.sizes[type]);
    std::stable_sort(result_.patterns.begin(), result_.patterns.end(),
                     [&](const Pattern& a, const Pattern& b) {
                       return Load(instance_, a) > Load(instance_, b);
                     });
    return std::move(result_);
  }

 private:
  // Types before `from` are decided; `room` is what the bar has left.
  void Extend(int from, std::int64_t room) {
    AddWork(kCompletionStepWork);
    if (!result_.all) {
      return;
    }
    const std::int64_t load = instance_.capacities.back() - room;
    if (load + std::min(room, sizeFrom_[from]) < minLoad_) {
      return;
    }
    int next = from;
    while (next < instance_.TypeCount() && (left_[next] == 0 || instance_.sizes[next] > room)) {
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
  std::vector<std::int64_t> sizeFrom_;  // all available copies from a type on
  Completions result_;
};

}  // namespace

Completions CompleteBar(const BinInstance& instance, const std::vector<int>& available, int type,
                        std::int64_t minLoad, std::size_t most) {
  return Completer(instance, available, minLoad, most).Run(type);
}

}  // namespace grill::cutplan
