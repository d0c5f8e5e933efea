#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace grill::print {

// The cut list as a drawing shows it, filled from the export's cut list:
// one row per group of identical pieces of one design.
enum class PieceKind { Edge, Bar };

struct CutNotch {
  double position = 0.0;  // millimetres from the start of the piece
  std::string toolCode;
};

struct CutRow {
  PieceKind kind = PieceKind::Bar;
  std::string group;       // e.g. "Top edge", "Vertical bar 2"
  double length = 0.0;     // millimetres
  std::int32_t count = 0;  // pieces of one unit of the design
  std::vector<CutNotch> notches;
};

using CutTable = std::vector<CutRow>;

}  // namespace grill::print
