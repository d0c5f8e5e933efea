#pragma once

#include <cstdint>
#include <vector>

#include "BinInstance.h"

namespace grill::cutplan {

struct FullBars {
  // The bars of one to three items.
  std::vector<Pattern> fewItems;
  // The bars of four.
  std::vector<Pattern> fourItems;
};

// The bars of the largest stock kind holding at most four items, within
// the demands, loaded at least `minLoad`: where every bar of a plan must
// be all but full, these are most of the bars that can take part, found
// by lookups in the sorted sizes rather than by a knapsack per bar. Where
// there are too many to try, those found first.
FullBars EnumerateFullBars(const BinInstance& instance, std::int64_t minLoad);

}  // namespace grill::cutplan
