#pragma once

#include <variant>

namespace grill {

// The four edge pieces around the grill area.
enum class Edge { kTop, kBottom, kLeft, kRight };

// Horizontal bars run along the width, vertical ones along the height.
enum class Direction { kHorizontal, kVertical };

// One stretch of a bar cut as a piece: the bar, numbered from 1 at the top
// (horizontal) or the left (vertical), and the piece, numbered from 1 at the
// bar's start. A bar with gaps or joints is cut in several pieces.
struct BarPiece {
  Direction direction = Direction::kHorizontal;
  int bar = 1;
  int piece = 1;

  bool operator==(const BarPiece&) const = default;
};

// Where in the design a piece goes.
using PieceOrigin = std::variant<Edge, BarPiece>;

inline bool IsEdge(const PieceOrigin& origin) {
  return std::holds_alternative<Edge>(origin);
}

// The direction the piece runs: the top and bottom edges with the horizontal
// bars, the side edges with the vertical ones.
inline Direction RunOf(const PieceOrigin& origin) {
  if (const Edge* edge = std::get_if<Edge>(&origin)) {
    return *edge == Edge::kTop || *edge == Edge::kBottom ? Direction::kHorizontal
                                                         : Direction::kVertical;
  }
  return std::get<BarPiece>(origin).direction;
}

}  // namespace grill
