#include "print/ExportCuts.h"

#include <string>
#include <variant>

#include "cutting/CutList.h"
#include "cutting/Cuttability.h"
#include "model/Measurements.h"

namespace grill::print {
namespace {

bool CanCut(const GrillWindow& window) {
  return window.barType != nullptr && window.barType->toolEntry != nullptr &&
         window.edgeType != nullptr && window.edgeType->toolEntry != nullptr &&
         !FindCuttingProblem(window);
}

// The group's name: an edge stands for its opposite edge too when it counts
// two; the bars' pieces are numbered in list order within their direction.
std::string GroupName(const CutGroup& group, int barNumber) {
  if (const Edge* edge = std::get_if<Edge>(&group.Origin())) {
    const bool paired = group.Count() == 2;
    switch (*edge) {
      case Edge::kTop:
        return paired ? "Top and bottom edge" : "Top edge";
      case Edge::kBottom:
        return "Bottom edge";
      case Edge::kRight:
        return paired ? "Right and left edge" : "Right edge";
      case Edge::kLeft:
        return "Left edge";
    }
  }
  const bool vertical = RunOf(group.Origin()) == Direction::kVertical;
  return (vertical ? "Vertical piece " : "Horizontal piece ") + FormatInteger(barNumber);
}

CutRow RowOf(const CutGroup& group, int barNumber) {
  CutRow cut;
  cut.kind = IsEdge(group.Origin()) ? PieceKind::Edge : PieceKind::Bar;
  cut.group = GroupName(group, barNumber);
  cut.length = group.piece.length;
  cut.count = group.Count();
  for (const Notch& notch : group.piece.notches) {
    cut.notches.push_back({notch.position, std::string(notch.toolCode)});
  }
  return cut;
}

}  // namespace

CutTable CutTableOf(const GrillWindow& window) {
  if (!CanCut(window)) {
    return {};
  }
  CutTable table;
  int vertical = 0;
  int horizontal = 0;
  for (const CutGroup& group : BuildCutList(window, *window.barType, *window.edgeType).groups) {
    const bool edge = IsEdge(group.Origin());
    const bool alongWidth = RunOf(group.Origin()) == Direction::kHorizontal;
    const int number = edge ? 0 : alongWidth ? ++horizontal : ++vertical;
    table.push_back(RowOf(group, number));
  }
  return table;
}

}  // namespace grill::print
