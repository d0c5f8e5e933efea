#pragma once

#include <string>

namespace grill {

// Where a cut piece stands in the job's plan, each number from 1: its group
// in the plan's order (groups without a plan count too, so a key missing from
// Stock.txt renumbers no other group), its stock bar within the group, and
// its place on the bar in cutting order.
struct PiecePlace {
  int group = 1;
  int bar = 1;
  int position = 1;

  bool operator==(const PiecePlace&) const = default;
};

// The piece's short id, "2-07-3": group, bar (at least two digits, so the ids
// of one group line up), position. Digits and hyphens only: a small Code 128
// carries it and a person types it without a second look. The same plan gives
// the same ids.
std::string PieceId(const PiecePlace& place);

}  // namespace grill
