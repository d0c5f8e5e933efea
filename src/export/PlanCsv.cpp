#include "export/PlanCsv.h"

#include <cstdint>

#include "cutting/PieceIds.h"
#include "cutting/PlanFigures.h"
#include "cutting/PlanPurchases.h"
#include "model/Measurements.h"

namespace grill {
namespace {

// A length in the job's unit without the inch mark, which would need quoting
// in a field; the unit stands in a column of its own.
std::string JobLength(double millimetres, Unit unit) {
  std::string text = FormatJobLength(millimetres, unit);
  if (!text.empty() && text.back() == '"') {
    text.pop_back();
  }
  return text;
}

template <typename Format>
std::string Cuts(const cutplan::StockBar& bar, Format length) {
  std::string cuts;
  for (const cutplan::CutPiece& piece : bar.pieces) {
    cuts += (cuts.empty() ? "" : "|") + length(piece.length) + " " + piece.tag + " " + piece.label;
  }
  return cuts;
}

// The ids of the bar's pieces in cutting order, separated as the cuts are.
std::string PieceIds(int group, int bar, std::size_t pieces) {
  std::string ids;
  for (std::size_t p = 1; p <= pieces; ++p) {
    ids += (ids.empty() ? "" : "|") + PieceId({group, bar, static_cast<int>(p)});
  }
  return ids;
}

// What a bought bar costs, when the plan says; nothing for a bar from the racks.
std::string Price(const cutplan::GroupPlan& plan, const cutplan::StockBar& bar) {
  if (bar.source != cutplan::StockSource::Bought) {
    return {};
  }
  const std::optional<double> price = PriceOfBought(plan, bar.stockLength);
  return price ? FormatPrice(*price) : std::string();
}

}  // namespace

std::string PlanCsv(const JobCuttingPlan& plan, PlanUnits units) {
  const CutUnit unit = units.saw;
  const auto saw = [unit](double length) { return FormatCutLength(length, unit); };
  const auto job = [&units](double length) { return JobLength(length, units.job); };
  const std::string jobUnit = units.job == Unit::Inches ? "in" : "mm";
  std::string csv =
      "Kind,Key,Colors,Bar,Stock,Unit,Pieces,Cuts,Rest,Rest Kind,"
      "Job Unit,Job Stock,Job Cuts,Job Rest,Source,Price,Piece Ids\r\n";
  int groupNumber = 0;
  for (const PlannedGroup& group : plan.groups) {
    ++groupNumber;  // groups without a plan keep their number, as the labels do
    if (!group.plan) {
      continue;
    }
    const std::string kind = group.kind == StockKind::kBar ? "bar" : "edge";
    int number = 0;
    for (const cutplan::StockBar& bar : group.plan->bars) {
      ++number;
      csv += kind + "," + group.key + "," + group.colors + "," + FormatInteger(number) + "," +
             FormatCutLength(bar.stockLength, unit) + "," + CutUnitName(unit) + "," +
             FormatInteger(static_cast<std::int64_t>(bar.pieces.size())) + "," + Cuts(bar, saw) +
             "," + FormatCutLength(bar.rest, unit) + "," +
             (bar.restKind == cutplan::RestKind::Offcut ? "offcut" : "waste") + "," + jobUnit +
             "," + job(bar.stockLength) + "," + Cuts(bar, job) + "," + job(bar.rest) + "," +
             SourceWord(bar.source) + "," + Price(*group.plan, bar) + "," +
             PieceIds(groupNumber, number, bar.pieces.size()) + "\r\n";
    }
  }
  return csv;
}

}  // namespace grill
