#pragma once

#include <cstdint>
#include <optional>

namespace grill::cutplan {

// The planner computes in whole hundredths of a millimetre. Pieces, kerf and
// trims are rounded up and stock lengths down, exactly (not by the rounded
// product length * 100), so a plan that fits in hundredths also fits the
// real lengths in exact arithmetic.

// Lengths beyond this (10 km) or negative or not finite are refused.
inline constexpr std::int64_t kMaxHundredths = 1'000'000'000;

std::optional<std::int64_t> HundredthsAtLeast(double millimetres);
std::optional<std::int64_t> HundredthsAtMost(double millimetres);

}  // namespace grill::cutplan
