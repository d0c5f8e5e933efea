#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "CuttingJob.h"

namespace grill::cutplan {

// Total pieces in one group; keeps the greedy plans (pieces x bars) quick.
inline constexpr std::int64_t kMaxPieces = 20'000;

// Thrown for a group that cannot be planned: a length that is negative, not
// a number or beyond 10 km, a count below 1 or over 20,000 pieces in all, no
// usable stock length, or a piece longer than every usable stock length. The
// message names the piece. Also for a count on hand or of remnants below 0,
// a price not from 0 to 1,000,000, and when the remnants and the stock on
// hand run out for pieces no length bought as needed holds.
class PlanInputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Fewest bars (least total stock length with several stock lengths) for the
// group's pieces; never worse than first-fit decreasing. With counts, prices
// or remnants, the order of objectives PieceGroup describes; never worse
// than first-fit decreasing into the remnants first, then the stock on hand,
// then bars bought.
GroupPlan PlanGroup(const PieceGroup& group, const PlanOptions& options);

// Told the groups planned so far and their number: before the first group
// and after each, on the calling thread.
using PlanProgress = std::function<void(std::size_t planned, std::size_t groups)>;

// One group's plan, or the message of its PlanInputError.
struct GroupOutcome {
  std::optional<GroupPlan> plan;
  std::string problem;
};

// Plans the groups side by side, one search per processor core; each plan
// is the one PlanGroup gives (its time limit is the processor time of the
// thread planning it), and the outcomes come in the groups' order.
std::vector<GroupOutcome> PlanEachGroup(const std::vector<PieceGroup>& groups,
                                        const PlanOptions& options,
                                        const PlanProgress& progress = {});

// As PlanEachGroup; throws the first group's PlanInputError, if any.
std::vector<GroupPlan> PlanGroups(const std::vector<PieceGroup>& groups,
                                  const PlanOptions& options);

}  // namespace grill::cutplan
