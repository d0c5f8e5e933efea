#include "export/PlanPieces.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "cutting/CutList.h"
#include "export/ExportChecks.h"

namespace grill {
namespace {

// What Process All would say of the design alone, or an empty text.
std::string ExportRefusal(const GrillWindow& window) {
  RunPlan plan;
  plan.kind = RunKind::kProcessAll;
  plan.masterName = window.name;
  plan.jobs.push_back(ExportJob{&window, window.barType, window.edgeType, {}});
  return CheckRun(plan);
}

std::string ColorsOf(const GrillWindow& window) {
  std::string colors = window.insideColor->code;
  if (window.insideColor != window.outsideColor) {
    colors.append("_").append(window.outsideColor->code);
  }
  return colors;
}

bool IsEdge(CutRowKind kind) {
  return kind == CutRowKind::kTopBottomEdge || kind == CutRowKind::kSideEdge;
}

const char* TagOf(CutRowKind kind) {
  return kind == CutRowKind::kTopBottomEdge || kind == CutRowKind::kHorizontalBar ? "W" : "H";
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
  for (const CutRow& row : CutRows(cutList)) {
    if (row.piece->count < 1) {
      continue;
    }
    const bool edge = IsEdge(row.kind);
    PlanPieceGroup& group = edge ? GroupFor(StockKind::kEdge, window.edgeType->name, colors, groups)
                                 : GroupFor(StockKind::kBar, window.barType->code, colors, groups);
    group.pieces.push_back(cutplan::Piece{row.piece->length,
                                          PieceCount(row.piece->count, window.quantity),
                                          window.name, TagOf(row.kind)});
  }
}

}  // namespace

PlanPieces CollectPlanPieces(const WindowList& designs) {
  PlanPieces collected;
  for (const GrillWindow& window : designs) {
    if (std::string refusal = ExportRefusal(window); !refusal.empty()) {
      collected.leftOut.push_back(LeftOutDesign{window.name, std::move(refusal)});
      continue;
    }
    AddDesignPieces(window, collected.groups);
  }
  return collected;
}

}  // namespace grill
