#include "FullBars.h"

#include <algorithm>
#include <functional>
#include <initializer_list>

#include "WorkCount.h"

namespace grill::cutplan {

namespace {

// Steps of the enumeration (some 5 ns each, so at most about 50 ms) and
// bars kept: a bar of four takes some 80 bytes.
constexpr std::int64_t kMostSteps = 10'000'000;
constexpr std::size_t kMostBars = 200'000;
// The work of each step.
constexpr std::int64_t kListingStepWork = 2;

class FullBarEnumeration {
 public:
  FullBarEnumeration(const BinInstance& instance, std::int64_t minLoad)
      : instance_(instance),
        stock_(instance.StockCount() - 1),
        capacity_(instance.capacities.back()),
        minLoad_(minLoad) {}

  // The steps the listing took, for the work they count as.
  std::int64_t Steps() const { return steps_; }

  // Each bar once, its types in increasing order (sizes falling): for
  // each choice of all items but the last, the last one's sizes that fit.
  // The bars of up to three items first, so that a cut-off spares them.
  FullBars Run() {
    AddLast({}, 0, 0);
    for (const bool four : {false, true}) {
      for (int first = 0; first < instance_.TypeCount() && Going(); ++first) {
        if (Size(first) * 4 < minLoad_) {
          break;  // four items of at most this size fall short
        }
        if (!four) {
          AddLast({first}, first, Size(first));
        }
        for (int second = first; second < instance_.TypeCount() && Going(); ++second) {
          const std::int64_t two = Size(first) + Size(second);
          ++steps_;
          if (two > capacity_ || !Available({first}, second)) {
            continue;
          }
          if (two + Size(second) * 2 < minLoad_) {
            break;  // so do two more items of at most this size
          }
          if (!four) {
            AddLast({first, second}, second, two);
            continue;
          }
          for (int third = second; third < instance_.TypeCount() && Going(); ++third) {
            const std::int64_t three = two + Size(third);
            ++steps_;
            if (three > capacity_ || !Available({first, second}, third)) {
              continue;
            }
            if (three + Size(third) < minLoad_) {
              break;  // and one more
            }
            AddLast({first, second, third}, third, three);
          }
        }
      }
    }
    return std::move(bars_);
  }

 private:
  std::int64_t Size(int type) const { return instance_.sizes[type]; }
  bool Going() const { return steps_ < kMostSteps && Found() < kMostBars; }
  std::size_t Found() const { return bars_.fewItems.size() + bars_.fourItems.size(); }

  // Whether the demands leave a copy of `type` besides those in `chosen`.
  bool Available(std::initializer_list<int> chosen, int type) const {
    return std::count(chosen.begin(), chosen.end(), type) < instance_.demands[type];
  }

  // Adds the bars of `chosen` (types in increasing order, their sizes
  // adding up to `load`) and one more item of a type from `from` on.
  void AddLast(std::initializer_list<int> chosen, int from, std::int64_t load) {
    // Sizes fall as types rise: the last item's sizes that fit between
    // the minimum load and the capacity are a run of types.
    const auto begin = instance_.sizes.begin() + from;
    const auto end = instance_.sizes.end();
    const auto first = std::lower_bound(begin, end, capacity_ - load, std::greater<>());
    const auto last = std::upper_bound(first, end, minLoad_ - load, std::greater<>());
    steps_ += 1 + (last - first);
    for (auto size = first; size != last && Found() < kMostBars; ++size) {
      const int type = static_cast<int>(size - instance_.sizes.begin());
      if (Available(chosen, type)) {
        Add(chosen, type);
      }
    }
  }

  void Add(std::initializer_list<int> chosen, int last) {
    Pattern bar{stock_, {}};
    const auto addItem = [&bar](int type) {
      if (!bar.entries.empty() && bar.entries.back().type == type) {
        ++bar.entries.back().count;
      } else {
        bar.entries.push_back({type, 1});
      }
    };
    std::for_each(chosen.begin(), chosen.end(), addItem);
    addItem(last);
    (chosen.size() == 3 ? bars_.fourItems : bars_.fewItems).push_back(std::move(bar));
  }

  const BinInstance& instance_;
  const int stock_;
  const std::int64_t capacity_;
  const std::int64_t minLoad_;
  std::int64_t steps_ = 0;
  FullBars bars_;
};

}  // namespace

FullBars EnumerateFullBars(const BinInstance& instance, std::int64_t minLoad) {
  FullBarEnumeration enumeration(instance, minLoad);
  FullBars bars = enumeration.Run();
  AddWork(kListingStepWork * enumeration.Steps());
  return bars;
}

}  // namespace grill::cutplan
