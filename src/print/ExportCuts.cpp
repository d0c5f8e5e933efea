#include "print/ExportCuts.h"

#include <string>

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

// An edge row stands for its opposite edge too when it counts two.
std::string EdgeGroup(const CutBar& piece, const char* alone, const char* paired) {
  return piece.count == 2 ? paired : alone;
}

CutRow RowOf(const grill::CutRow& row, const CutList& cutList, int barNumber) {
  const CutBar& piece = *row.piece;
  CutRow cut;
  cut.length = piece.length;
  cut.count = piece.count;
  for (const Notch& notch : piece.notches) {
    cut.notches.push_back({notch.position, std::string(notch.toolCode)});
  }
  switch (row.kind) {
    case CutRowKind::kTopBottomEdge:
      cut.kind = PieceKind::Edge;
      cut.group = row.piece == &cutList.topEdge
                      ? EdgeGroup(piece, "Top edge", "Top and bottom edge")
                      : "Bottom edge";
      break;
    case CutRowKind::kSideEdge:
      cut.kind = PieceKind::Edge;
      cut.group = row.piece == &cutList.rightEdge
                      ? EdgeGroup(piece, "Right edge", "Right and left edge")
                      : "Left edge";
      break;
    case CutRowKind::kVerticalBar:
      cut.group = "Vertical piece " + FormatInteger(barNumber);
      break;
    case CutRowKind::kHorizontalBar:
      cut.group = "Horizontal piece " + FormatInteger(barNumber);
      break;
  }
  return cut;
}

}  // namespace

CutTable CutTableOf(const GrillWindow& window) {
  if (!CanCut(window)) {
    return {};
  }
  const CutList cutList = BuildCutList(window, *window.barType, *window.edgeType);
  CutTable table;
  int vertical = 0;
  int horizontal = 0;
  for (const grill::CutRow& row : CutRows(cutList)) {
    const int number = row.kind == CutRowKind::kVerticalBar     ? ++vertical
                       : row.kind == CutRowKind::kHorizontalBar ? ++horizontal
                                                                : 0;
    table.push_back(RowOf(row, cutList, number));
  }
  return table;
}

}  // namespace grill::print
