#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "BinInstance.h"
#include "MasterProblem.h"
#include "SearchLimit.h"

namespace grill::cutplan {

// The relaxation spreads bars over the stock kinds in fractions (21.5 bars
// bought at one price), and its bound is then as weak as that fraction of
// a bar's price. Branching on the number of bars of a kind (at most the
// fraction rounded down, at least it rounded up) keeps every pattern, and
// the pricing a knapsack per kind; the bound rises to the least of the
// open nodes'. The nodes are taken least bound first.
class KindBranching {
 public:
  // `bound`: proven for every solution.
  KindBranching(const BinInstance& instance, MasterProblem& master, std::int64_t bound);

  // Rounds a node's relaxation into a plan; returns the cost of the best
  // plan known.
  using Rounding = std::function<std::int64_t(const MasterProblem::Relaxation&)>;

  // Takes the open nodes in turn until none is left or the limit is
  // reached; a later call goes on where this one stopped. A node that
  // cannot beat the best plan (of cost `bestCost`, or one `round` found) on
  // the first objective is closed. Returns a proven lower bound on the cost
  // of every solution, at most the best plan's cost.
  std::int64_t Resume(const SearchLimit& limit, const Rounding& round, std::int64_t bestCost);

  // No node is left open: the bound is all the branching proves.
  bool Exhausted() const { return open_.empty(); }

 private:
  struct Node {
    std::vector<KindRange> ranges;
    std::int64_t bound = 0;  // proven for the solutions within the ranges
    int depth = 0;
  };
  // The least bound first; of equal bounds the deepest, whose plans are
  // nearest.
  struct Later {
    bool operator()(const Node& a, const Node& b) const {
      return a.bound != b.bound ? a.bound > b.bound : a.depth < b.depth;
    }
  };
  void Close(const Node& node);

  const BinInstance& instance_;
  MasterProblem& master_;
  std::int64_t rootBound_;
  std::vector<Node> open_;  // a heap by Later
  // The least bound of the closed nodes that may still hold a plan as
  // cheap as the best on the first objective, though not cheaper.
  std::int64_t closed_;
};

// The stock kind the relaxation uses a fractional number of bars of, and
// that number: of the kinds with a first objective the one nearest a half
// bar, else of the others. Nullopt: whole numbers of bars of every kind.
struct FractionalKind {
  int stock = 0;
  double bars = 0;
};
std::optional<FractionalKind> MostFractionalKind(const BinInstance& instance,
                                                 const MasterProblem::Relaxation& relaxation);

}  // namespace grill::cutplan
