#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "config/ConfigRecords.h"
#include "model/GrillWindow.h"
#include "model/Units.h"

namespace grill {

// No shop window is this large in either direction. The limit catches a size typed in the
// wrong unit or with a digit too many before it becomes a piece the saw would try to cut.
inline constexpr double kMaxOuterSize = 10000.0;

// Why the pieces of a design cannot be cut. The first fault found, in this order: a size
// beyond the limit, bar positions out of order, a quantity beyond its limit, an edge
// piece, a bar piece.
struct CuttingProblem {
  enum class Kind {
    kTooLarge,        // `size` is the outer size (or the inner one when that is larger)
    kBarPositions,    // positions outside the grill area or out of order
    kEdgeTooShort,    // an edge piece no longer than zero: `size` is the inner size
    kBarTooNearEdge,  // an edge notch outside its piece: `size` is the edge's deduction
    kTooManyBars,     // a bar piece no longer than zero, or a notch beyond its ends
    kQuantity,        // more than kMaxQuantity: `barCount` holds the quantity
  };
  Kind kind = Kind::kTooLarge;
  // Width problems concern the top and bottom edges and the vertical bars that divide the
  // width; height problems the side edges and the horizontal bars.
  bool width = true;
  double size = 0.0;
  std::int32_t barCount = 0;
  std::string edgeTypeName;
};

// True when the design's positions in each direction start at 0, do not decrease, and end
// at its inner size, all of them finite, with at most kMaxBars bars.
bool HasValidBarPositions(const GrillWindow& window);

// Checks every piece of the design's cut list, as BuildCutList makes it with these types:
// each piece is longer than zero and every notch lies on its piece. Also checks the outer
// sizes against kMaxOuterSize. When a type's tool map entry is missing the pieces cannot
// be built; only the sizes are checked then (an export refuses such a design for its type).
std::optional<CuttingProblem> FindCuttingProblem(const GrillWindow& window, const BarType& barType,
                                                 const EdgeType& edgeType);

// The same with the design's own bar and edge types; without them only the sizes.
std::optional<CuttingProblem> FindCuttingProblem(const GrillWindow& window);

// The problem as the user reads it, lengths in `unit`, for example
// "Window Too Small for 3 Vertical Bars: inner width 28.0 mm".
std::string DescribeCuttingProblem(const CuttingProblem& problem, Unit unit);

// "Cannot Cut NAME: " and the description.
std::string CannotCutMessage(const std::string& name, const CuttingProblem& problem, Unit unit);

}  // namespace grill
