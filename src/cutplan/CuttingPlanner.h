#pragma once

#include <cstdint>
#include <stdexcept>

#include "CuttingJob.h"

namespace grill::cutplan {

// Total pieces in one group; keeps the greedy plans (pieces x bars) quick.
inline constexpr std::int64_t kMaxPieces = 20'000;

// Thrown for a group that cannot be planned: a length that is negative, not
// a number or beyond 10 km, a count below 1 or over 20,000 pieces in all, no
// usable stock length, or a piece longer than every usable stock length. The
// message names the piece.
class PlanInputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Fewest bars (least total stock length with several stock lengths) for the
// group's pieces; never worse than first-fit decreasing.
GroupPlan PlanGroup(const PieceGroup& group, const PlanOptions& options);

std::vector<GroupPlan> PlanGroups(const std::vector<PieceGroup>& groups,
                                  const PlanOptions& options);

}  // namespace grill::cutplan
