#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "BinInstance.h"
#include "SearchLimit.h"

namespace grill::cutplan {

struct FillResult {
  enum class Outcome { Found, None, Unknown };
  Outcome outcome = Outcome::Unknown;
  // When found: the bars, in the largest stock kind.
  Solution solution;
};

// Values for a rest of items and the bars left for it (the duals of its
// relaxation, say), nullopt when the rest cannot fit those bars.
using Repricing =
    std::function<std::optional<std::vector<double>>(const std::vector<int>& rest, int bars)>;

// Whether the items of `demands` fit into `bars` bars of the instance's
// largest stock kind, searched bar by bar: each step branches on the bars
// of the item that has the fewest, the worthiest first. `values` (per type,
// the relaxation's duals, say) price the bars: scaled so that no bar is
// worth more than 1, the bars of a solution can fall short of 1 by no more
// than `bars` less the items' worth in all, which rules out most bars where
// the relaxation is tight. Every other restart prices each rest it branches
// on with `reprice`. A rest that failed is remembered, so no rest is
// searched twice. None: no solution exists; Unknown: the limit or `nodes`
// bars tried ended the search first.
FillResult FillBars(const BinInstance& instance, const std::vector<int>& demands, int bars,
                    const std::vector<double>& values, const SearchLimit& limit, std::int64_t nodes,
                    const Repricing& reprice = {});

class BarFiller;

// The search of FillBars, resumable: a later run goes on with what the
// ones before learnt.
class BarFilling {
 public:
  BarFilling(const BinInstance& instance, const std::vector<int>& demands, int bars,
             const std::vector<double>& values, Repricing reprice = {});
  ~BarFilling();
  BarFilling(const BarFilling&) = delete;
  BarFilling& operator=(const BarFilling&) = delete;

  // Tries up to `nodes` bars more; once settled, the same result again.
  FillResult Run(const SearchLimit& limit, std::int64_t nodes);
  // The first restart, to its end unless the limit comes first; a later
  // run goes on with the next. Nothing in it depends on the clock, so what
  // it settles is settled alike in every run. Unknown once it is over.
  FillResult RunFirstRestart(const SearchLimit& limit);

  // Later runs price the bars by the mean of these values and those given
  // before: where each are optimal duals of the same relaxation, so is
  // their mean, and it leaves a bar worth 1 only where all of them do, so
  // the pruning grows with each set rather than changing with it. The
  // rests known to fail stay known, as they fail whatever the values.
  void UseValues(const std::vector<double>& values);

 private:
  std::unique_ptr<BarFiller> filler_;
};

}  // namespace grill::cutplan
