#include "export/PlanCsv.h"

#include <cstdint>

#include "cutting/PlanFigures.h"
#include "model/Measurements.h"

namespace grill {
namespace {

std::string Cuts(const cutplan::StockBar& bar, CutUnit unit) {
  std::string cuts;
  for (const cutplan::CutPiece& piece : bar.pieces) {
    cuts += (cuts.empty() ? "" : "|") + FormatCutLength(piece.length, unit) + " " + piece.tag +
            " " + piece.label;
  }
  return cuts;
}

}  // namespace

std::string PlanCsv(const JobCuttingPlan& plan, CutUnit unit) {
  std::string csv = "Kind,Key,Colors,Bar,Stock,Unit,Pieces,Cuts,Rest,Rest Kind\r\n";
  for (const PlannedGroup& group : plan.groups) {
    if (!group.plan) {
      continue;
    }
    const std::string kind = group.kind == StockKind::kBar ? "bar" : "edge";
    int number = 0;
    for (const cutplan::StockBar& bar : group.plan->bars) {
      csv += kind + "," + group.key + "," + group.colors + "," + FormatInteger(++number) + "," +
             FormatCutLength(bar.stockLength, unit) + "," + CutUnitName(unit) + "," +
             FormatInteger(static_cast<std::int64_t>(bar.pieces.size())) + "," + Cuts(bar, unit) +
             "," + FormatCutLength(bar.rest, unit) + "," +
             (bar.restKind == cutplan::RestKind::Offcut ? "offcut" : "waste") + "\r\n";
    }
  }
  return csv;
}

}  // namespace grill
