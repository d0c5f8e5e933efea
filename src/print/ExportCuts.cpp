#include "print/ExportCuts.h"

#include <string>
#include <utility>
#include <vector>

#include "cutting/CutList.h"
#include "cutting/Cuttability.h"
#include "cutting/PieceNames.h"

namespace grill::print {
namespace {

bool CanCut(const GrillWindow& window) {
  return window.barType != nullptr && window.barType->toolEntry != nullptr &&
         window.edgeType != nullptr && window.edgeType->toolEntry != nullptr &&
         !FindCuttingProblem(window);
}

CutRow RowOf(const CutGroup& group, std::string name) {
  CutRow cut;
  cut.kind = IsEdge(group.Origin()) ? PieceKind::Edge : PieceKind::Bar;
  cut.group = std::move(name);
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
  const CutList cutList = BuildCutList(window, *window.barType, *window.edgeType);
  std::vector<std::string> names = PieceNames(cutList);
  CutTable table;
  for (size_t i = 0; i < cutList.groups.size(); ++i) {
    table.push_back(RowOf(cutList.groups[i], std::move(names[i])));
  }
  return table;
}

}  // namespace grill::print
