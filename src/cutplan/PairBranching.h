#pragma once

#include <memory>
#include <optional>

#include "BinInstance.h"
#include "SearchLimit.h"

namespace grill::cutplan {

class PairSearch;

// Whether `bars` bars of the instance's one stock kind can hold every item,
// by the branch and price of Ryan and Foster: each item a row of its own,
// each node's relaxation over the bars that keep its decisions (two items
// in one bar, or never in one), the pricing a knapsack over the items of
// one bar taken together, with the pairs kept apart as conflicts. A node
// whose relaxation needs more than `bars` bars holds no such solution.
// `hint`: a solution to start the relaxation from.
class PairBranching {
 public:
  PairBranching(const BinInstance& instance, int bars, const Solution& hint);
  ~PairBranching();
  PairBranching(const PairBranching&) = delete;
  PairBranching& operator=(const PairBranching&) = delete;

  // False when the tree proves the bars too few, true when a node's
  // relaxation is a solution, nullopt when the limit (or a node that
  // neither branch settles) ends the search first. A later run searches
  // the tree again with the bars priced so far.
  std::optional<bool> Run(const SearchLimit& limit);
  int Bars() const;

 private:
  std::unique_ptr<PairSearch> search_;
};

}  // namespace grill::cutplan
