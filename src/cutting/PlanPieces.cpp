#include "cutting/PlanPieces.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "cutting/CutList.h"
#include "cutting/PieceNames.h"

namespace grill {
namespace {

std::string ColorsOf(const GrillWindow& window) {
  std::string colors = window.insideColor->code;
  if (window.insideColor != window.outsideColor) {
    colors.append("_").append(window.outsideColor->code);
  }
  return colors;
}

// The side letter the cut files tag the piece with.
const char* TagOf(const PieceOrigin& origin) {
  return RunOf(origin) == Direction::kHorizontal ? "W" : "H";
}

PlanPieceGroup& GroupFor(StockKind kind, const std::string& key, const std::string& colors,
                         std::vector<PlanPieceGroup>& groups) {
  const auto same = [&](const PlanPieceGroup& group) {
    return group.kind == kind && group.key == key && group.colors == colors;
  };
  if (const auto found = std::find_if(groups.begin(), groups.end(), same); found != groups.end()) {
    return *found;
  }
  return groups.emplace_back(PlanPieceGroup{kind, key, colors, {}});
}

// A count beyond what the planner takes is kept at the int's limit, where
// the planner refuses the group by name.
int PieceCount(std::int32_t rowCount, std::int32_t quantity) {
  const std::int64_t count = std::int64_t{rowCount} * quantity;
  return static_cast<int>(std::min<std::int64_t>(count, INT_MAX));
}

void AddDesignPieces(const GrillWindow& window, std::vector<PlanPieceGroup>& groups) {
  const CutList cutList = BuildCutList(window, *window.barType, *window.edgeType);
  const std::string colors = ColorsOf(window);
  const std::vector<std::string> names = PieceNames(cutList);
  for (size_t i = 0; i < cutList.groups.size(); ++i) {
    const CutGroup& cut = cutList.groups[i];
    const PieceOrigin& origin = cut.Origin();
    PlanPieceGroup& group = IsEdge(origin)
                                ? GroupFor(StockKind::kEdge, window.edgeType->name, colors, groups)
                                : GroupFor(StockKind::kBar, window.barType->code, colors, groups);
    group.pieces.push_back(cutplan::Piece{cut.piece.length,
                                          PieceCount(cut.Count(), window.quantity), window.name,
                                          TagOf(origin), names[i]});
  }
}

}  // namespace

PlanPieces CollectPlanPieces(const WindowList& designs, const DesignRefusal& refusal) {
  PlanPieces collected;
  for (const GrillWindow& window : designs) {
    if (std::string reason = refusal(window); !reason.empty()) {
      collected.leftOut.push_back(LeftOutDesign{window.name, std::move(reason)});
      continue;
    }
    AddDesignPieces(window, collected.groups);
  }
  return collected;
}

}  // namespace grill
