#pragma once

#include <cstdint>

#include "BinInstance.h"

namespace grill::cutplan {

// Martello and Toth's bounds on the number of bars of capacity `capacity`:
// L1 is the total size over the capacity, L2 also counts the items that no
// two can share a bar with. L2 is never below L1.
std::int64_t BoundL1(const BinInstance& instance, std::int64_t capacity);
std::int64_t BoundL2(const BinInstance& instance, std::int64_t capacity);

// A lower bound on the cost of every solution from the simple bounds: with
// one stock kind L2 bars, with several also the total size at the cheapest
// cost per unit of capacity, and with limited kinds the bars bought as
// needed for what they cannot hold.
std::int64_t SimpleCostBound(const BinInstance& instance);

std::int64_t CeilDiv(std::int64_t a, std::int64_t b);

}  // namespace grill::cutplan
