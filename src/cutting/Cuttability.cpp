#include "cutting/Cuttability.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>

#include "cutting/CutList.h"
#include "model/InchFraction.h"
#include "model/Measurements.h"

namespace grill {
namespace {

// Lengths from here on are shown in scientific notation.
constexpr double kLongestFixedText = 1e9;

// Also false for a size that is not a number.
bool WithinLimit(double size) {
  return std::fabs(size) <= kMaxOuterSize;
}

bool AxisInOrder(const PositionTable& positions, std::int32_t count, double inner) {
  if (count < 0 || count > kMaxBars || !std::isfinite(inner)) {
    return false;
  }
  const auto at = [&positions](int index) { return positions[static_cast<size_t>(index)]; };
  if (at(0) != 0.0 || at(count + 1) != inner) {
    return false;
  }
  for (int i = 1; i <= count; ++i) {
    if (!std::isfinite(at(i)) || at(i) < at(i - 1) || at(i) > inner) {
      return false;
    }
  }
  return true;
}

bool LongerThanZero(const CutBar& piece) {
  return piece.length > 0.0;
}

bool NotchesOnPiece(const CutBar& piece) {
  return std::all_of(piece.notches.begin(), piece.notches.end(), [&piece](const Notch& notch) {
    return notch.position >= 0.0 && notch.position <= piece.length;
  });
}

std::optional<CuttingProblem> CheckSizes(const GrillWindow& window) {
  const double width = std::max(window.outerWidth, window.innerWidth);
  const double height = std::max(window.outerHeight, window.innerHeight);
  for (const auto& [size, isWidth] : {std::pair{width, true}, std::pair{height, false}}) {
    if (!WithinLimit(size)) {
      return CuttingProblem{CuttingProblem::Kind::kTooLarge, isWidth, size, 0, {}};
    }
  }
  if (!HasValidBarPositions(window)) {
    return CuttingProblem{CuttingProblem::Kind::kBarPositions, true, 0.0, 0, {}};
  }
  if (window.quantity > kMaxQuantity) {
    return CuttingProblem{CuttingProblem::Kind::kQuantity, true, 0.0, window.quantity, {}};
  }
  return std::nullopt;
}

std::optional<CuttingProblem> CheckEdge(const CutBar& edge, bool isWidth, const GrillWindow& window,
                                        const EdgeType& edgeType) {
  if (!LongerThanZero(edge)) {
    return CuttingProblem{CuttingProblem::Kind::kEdgeTooShort, isWidth,
                          isWidth ? window.innerWidth : window.innerHeight, 0, edgeType.name};
  }
  if (!NotchesOnPiece(edge)) {
    // Top and bottom notches move by WD, the sides' by HD.
    return CuttingProblem{CuttingProblem::Kind::kBarTooNearEdge, isWidth,
                          isWidth ? edgeType.WD : edgeType.HD, 0, edgeType.name};
  }
  return std::nullopt;
}

std::optional<CuttingProblem> CheckBarPieces(const CutList& cutList, Direction direction,
                                             const GrillWindow& window) {
  const bool isWidth = direction == Direction::kHorizontal;
  for (const CutGroup& group : cutList.groups) {
    if (IsEdge(group.Origin()) || RunOf(group.Origin()) != direction) {
      continue;
    }
    if (!LongerThanZero(group.piece) || !NotchesOnPiece(group.piece)) {
      return CuttingProblem{CuttingProblem::Kind::kTooManyBars,
                            isWidth,
                            isWidth ? window.innerWidth : window.innerHeight,
                            isWidth ? window.vertCount : window.horzCount,
                            {}};
    }
  }
  return std::nullopt;
}

std::string Scientific(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 3);
  return std::string(text, end.ptr);
}

std::string Length(double millimetres, Unit unit) {
  if (!std::isfinite(millimetres)) {
    return unit == Unit::Inches ? "?\"" : "?";
  }
  // A size read from a damaged file may have hundreds of digits.
  const bool huge = std::fabs(millimetres) >= kLongestFixedText;
  if (unit == Unit::Inches) {
    return huge ? Scientific(millimetres * kInchesPerMillimetre) + "\""
                : FormatInchFraction(millimetres);
  }
  return (huge ? Scientific(millimetres) : FormatFixed(millimetres, 1)) + " mm";
}

std::string Bars(std::int32_t count, bool vertical) {
  std::string text = FormatInteger(count);
  text += vertical ? " Vertical Bar" : " Horizontal Bar";
  if (count != 1) {
    text += "s";
  }
  return text;
}

}  // namespace

bool HasValidBarPositions(const GrillWindow& window) {
  return AxisInOrder(window.horzPos, window.horzCount, window.innerHeight) &&
         AxisInOrder(window.vertPos, window.vertCount, window.innerWidth);
}

std::optional<CuttingProblem> FindCuttingProblem(const GrillWindow& window, const BarType& barType,
                                                 const EdgeType& edgeType) {
  if (std::optional<CuttingProblem> problem = CheckSizes(window)) {
    return problem;
  }
  const bool piecesBuildable = barType.toolEntry != nullptr && edgeType.toolEntry != nullptr &&
                               window.barType != nullptr && window.barType->toolEntry != nullptr;
  if (!piecesBuildable) {
    return std::nullopt;
  }
  const CutList cutList = BuildCutList(window, barType, edgeType);
  for (const CutGroup& group : cutList.groups) {
    if (!IsEdge(group.Origin())) {
      continue;
    }
    const bool isWidth = RunOf(group.Origin()) == Direction::kHorizontal;
    if (std::optional<CuttingProblem> problem = CheckEdge(group.piece, isWidth, window, edgeType)) {
      return problem;
    }
  }
  // Horizontal pieces run along the width, cut where the vertical bars cross them.
  for (const Direction direction : {Direction::kHorizontal, Direction::kVertical}) {
    if (std::optional<CuttingProblem> problem = CheckBarPieces(cutList, direction, window)) {
      return problem;
    }
  }
  return std::nullopt;
}

std::optional<CuttingProblem> FindCuttingProblem(const GrillWindow& window) {
  if (window.barType == nullptr || window.edgeType == nullptr) {
    return CheckSizes(window);
  }
  return FindCuttingProblem(window, *window.barType, *window.edgeType);
}

std::string DescribeCuttingProblem(const CuttingProblem& problem, Unit unit) {
  const std::string side = problem.width ? "width" : "height";
  switch (problem.kind) {
    case CuttingProblem::Kind::kTooLarge:
      return "Window Too Large: " + side + " " + Length(problem.size, unit) + ", at most " +
             Length(kMaxOuterSize, unit);
    case CuttingProblem::Kind::kBarPositions:
      return "Invalid Bar Positions";
    case CuttingProblem::Kind::kEdgeTooShort:
      return "Window Too Small for Edge Type " + problem.edgeTypeName + ": inner " + side + " " +
             Length(problem.size, unit);
    case CuttingProblem::Kind::kBarTooNearEdge:
      return std::string(problem.width ? "Vertical" : "Horizontal") +
             " Bar Too Close to the Edge: edge type " + problem.edgeTypeName + " needs " +
             Length(problem.size, unit) + " from the inner edge";
    case CuttingProblem::Kind::kQuantity:
      return "Invalid quantity " + FormatInteger(problem.barCount) + ": at most " +
             FormatInteger(kMaxQuantity);
    case CuttingProblem::Kind::kTooManyBars:
      return "Window Too Small for " + Bars(problem.barCount, problem.width) + ": inner " + side +
             " " + Length(problem.size, unit);
  }
  return {};
}

std::string CannotCutMessage(const std::string& name, const CuttingProblem& problem, Unit unit) {
  return "Cannot Cut " + name + ": " + DescribeCuttingProblem(problem, unit);
}

}  // namespace grill
