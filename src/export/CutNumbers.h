#pragma once

#include <cstdint>

namespace grill {

// Room that WriteShortFixed and WriteInteger need at most at `out`.
inline constexpr int kShortNumberRoom = 24;

// Writes printf "%.Nf" of `value` (N = `decimals`, 0 to 6) at `out` and
// returns the end, or returns null when the value needs FormatFixed's
// general conversion: when it is not finite, lies beyond a billion units of
// the last decimal, or so near a rounding tie that only its exact decimal
// value decides. Writes '.' whatever the locale.
char* WriteShortFixed(char* out, double value, int decimals);

// Writes printf "%d" of `value` at `out` and returns the end.
char* WriteInteger(char* out, std::int64_t value);

}  // namespace grill
