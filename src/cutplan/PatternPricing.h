#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "BinInstance.h"
#include "KnapsackSearch.h"
#include "SearchLimit.h"

namespace grill::cutplan {

// A pattern improves the relaxation when worth more than its cost by this
// share of it.
inline constexpr double kImproving = 1e-9;

// The pricing step of column generation: for item values (the duals of the
// demand rows), the most valuable pattern of each stock kind. A bounded
// knapsack, solved by dynamic programming over the capacity where the table
// is small, else by branch and bound (long bars of few pieces), falling
// back on the table when that takes too long and the table fits.
class PatternPricer {
 public:
  explicit PatternPricer(const BinInstance& instance);

  struct Priced {
    Pattern pattern;
    double value = 0;  // minus infinity: no pattern fills the minimum load
    // No pattern of the stock kind is worth more; `value` unless the
    // pricing was allowed its tolerance.
    double bound = 0;
  };
  // Exact: the best pattern. Improving: a pattern worth more than its cost
  // where there is one clearly so; near-ties may go unseen, within a
  // tolerance that `bound` accounts for.
  enum class Accuracy { Exact, Improving };
  // The best pattern of each stock kind, in their order, holding at most
  // demands[t] of type t and items of at least `minLoad` in all; then maybe
  // a few more good ones met on the way. Nullopt when the limit is reached
  // before the answer is certain.
  std::optional<std::vector<Priced>> BestPatterns(const std::vector<double>& values,
                                                  const std::vector<int>& demands,
                                                  std::int64_t minLoad, Accuracy accuracy,
                                                  const SearchLimit& limit);

 private:
  // A type split into 1, 2, 4, ... copies so a 0/1 knapsack covers every
  // count; or, when its demand is no limit within the capacity, one
  // repeatable chunk, which takes one pass instead of several.
  struct Chunk {
    int type;
    int copies;
    std::int64_t size;
    double value;
    bool repeatable;
  };
  bool Worthwhile(double value, std::int64_t minLoad) const;
  void SplitIntoChunks(const std::vector<double>& values, const std::vector<int>& demands,
                       std::int64_t minLoad);
  std::vector<Priced> FromTable(std::int64_t minLoad);
  std::optional<std::vector<Priced>> FromSearch(const std::vector<double>& values,
                                                const std::vector<int>& demands,
                                                std::int64_t minLoad, Accuracy accuracy,
                                                std::int64_t nodeBudget, const SearchLimit& limit);
  void TakeIfBetter(std::int64_t c, const Chunk& chunk, std::uint8_t* taken);
  void TakeOnceIfBetter(const Chunk& chunk, std::uint8_t* taken);
  Pattern Reconstruct(int stock, std::int64_t load) const;

  const BinInstance& instance_;
  std::vector<Chunk> chunks_;
  std::vector<double> best_;         // best_[c]: the best value within (or at) capacity c
  std::vector<double> next_;         // the table a chunk taken at most once writes
  std::vector<std::uint8_t> taken_;  // per chunk and capacity: chunk used there
  KnapsackSearch search_;
};

}  // namespace grill::cutplan
