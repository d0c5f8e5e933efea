#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "BinInstance.h"

namespace grill::cutplan {

struct Completions {
  std::vector<Pattern> patterns;
  bool all = true;  // false when `most` cut the list short
};

// The bars of the largest stock that hold one copy of `type` and more items
// from `available` (which counts that copy), loaded at least `minLoad`, to
// which no available item could be added. Some such bar holds the copy in
// every solution that any added item would not make worse, so branching on
// them misses no optimum. Fuller bars first.
Completions CompleteBar(const BinInstance& instance, const std::vector<int>& available, int type,
                        std::int64_t minLoad, std::size_t most);

}  // namespace grill::cutplan
