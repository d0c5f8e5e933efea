#include "export/CuttingPlanView.h"

#include "cutplan/CuttingJob.h"
#include "model/Measurements.h"

namespace grill {
namespace {

// Lengths as the cut files write them: one decimal in millimetres, three in
// inches.
std::string LengthText(double millimetres, CutUnit unit) {
  if (unit == CutUnit::kInches) {
    return FormatFixed(millimetres * kInchesPerMillimetre, 3);
  }
  return FormatFixed(millimetres, 1);
}

PlanBarText DescribeBar(const cutplan::StockBar& bar, CutUnit unit) {
  PlanBarText text{LengthText(bar.stockLength, unit),
                   {},
                   LengthText(bar.rest, unit),
                   bar.restKind == cutplan::RestKind::Offcut ? "offcut" : "waste"};
  for (const cutplan::CutPiece& piece : bar.pieces) {
    text.pieces.push_back(PlanPieceText{piece.label, LengthText(piece.length, unit), piece.tag});
  }
  return text;
}

std::string Quality(const cutplan::GroupPlan& plan, CutUnit unit) {
  if (plan.optimal) {
    return "optimal";
  }
  const int overBars = static_cast<int>(plan.bars.size()) - plan.barBound;
  if (overBars > 0) {
    return "gap " + FormatInteger(overBars) + (overBars == 1 ? " bar" : " bars");
  }
  return "gap " + LengthText(cutplan::TotalStockLength(plan) - plan.lengthBound, unit);
}

std::string QualityWords(const cutplan::GroupPlan& plan, CutUnit unit) {
  if (plan.optimal) {
    return "optimal";
  }
  const int overBars = static_cast<int>(plan.bars.size()) - plan.barBound;
  if (overBars > 0) {
    return FormatInteger(overBars) + (overBars == 1 ? " bar" : " bars") + " above the lower bound";
  }
  // As few bars as can be; only their lengths may still be mixed better.
  return "optimal in bars; " +
         LengthText(cutplan::TotalStockLength(plan) - plan.lengthBound, unit) +
         (unit == CutUnit::kInches ? " in" : " mm") + " above the length bound";
}

std::string WastePercent(const cutplan::GroupPlan& plan) {
  double stock = 0.0;
  double used = 0.0;
  for (const cutplan::StockBar& bar : plan.bars) {
    stock += bar.stockLength;
    for (const cutplan::CutPiece& piece : bar.pieces) {
      used += piece.length;
    }
    if (bar.restKind == cutplan::RestKind::Offcut) {
      used += bar.rest;
    }
  }
  return FormatFixed(stock > 0.0 ? (stock - used) / stock * 100.0 : 0.0, 1);
}

PlanGroupText DescribeGroup(const PlannedGroup& group, CutUnit unit) {
  PlanGroupText text{group.kind == StockKind::kBar ? "bar" : "edge",
                     group.key,
                     group.colors,
                     group.problem,
                     {},
                     0,
                     {},
                     {},
                     {}};
  if (!group.plan) {
    return text;
  }
  for (const cutplan::StockBar& bar : group.plan->bars) {
    text.bars.push_back(DescribeBar(bar, unit));
  }
  text.barBound = group.plan->barBound;
  text.quality = Quality(*group.plan, unit);
  text.qualityWords = QualityWords(*group.plan, unit);
  text.wastePercent = WastePercent(*group.plan);
  return text;
}

std::string Title(const PlanGroupText& group) {
  return group.key + " " + group.colors;
}

std::string Totals(const PlanGroupText& group) {
  return "bars " + FormatInteger(static_cast<std::int64_t>(group.bars.size())) + ", lower bound " +
         FormatInteger(group.barBound) + ", " + group.qualityWords + ", waste " +
         group.wastePercent + " %";
}

std::string StockNoteText(const std::string& note) {
  return "Stock.txt: " + note;
}

std::string PieceWords(const PlanPieceText& piece) {
  return piece.length + " " + piece.tag + " " + piece.design;
}

}  // namespace

CuttingPlanText DescribePlan(const JobCuttingPlan& plan, CutUnit unit) {
  CuttingPlanText text{unit == CutUnit::kInches ? "in" : "mm", {}, plan.leftOut, {}};
  for (const PlannedGroup& group : plan.groups) {
    text.groups.push_back(DescribeGroup(group, unit));
  }
  return text;
}

std::vector<std::string> PlanScriptLines(const CuttingPlanText& plan) {
  std::vector<std::string> lines{"unit " + plan.unit};
  for (const LeftOutDesign& design : plan.leftOut) {
    lines.push_back("left out " + design.name + ": " + design.reason);
  }
  for (const PlanGroupText& group : plan.groups) {
    lines.push_back("plan " + group.kind + " " + Title(group));
    if (!group.problem.empty()) {
      lines.push_back("none: " + group.problem);
      continue;
    }
    int number = 0;
    for (const PlanBarText& bar : group.bars) {
      std::string line = "bar " + FormatInteger(++number) + " " + bar.stockLength;
      for (const PlanPieceText& piece : bar.pieces) {
        line += " | " + PieceWords(piece);
      }
      lines.push_back(line + " | rest " + bar.rest + " " + bar.restKind);
    }
    lines.push_back("totals " + group.quality + " waste=" + group.wastePercent + "%");
  }
  for (const PlanGroupText& group : plan.groups) {
    std::string line = "group " + Title(group);
    if (group.problem.empty()) {
      line += " bars=" + FormatInteger(static_cast<std::int64_t>(group.bars.size())) +
              " bound=" + FormatInteger(group.barBound);
    } else {
      line += " none";
    }
    lines.push_back(line);
  }
  for (const std::string& note : plan.stockNotes) {
    lines.push_back("note " + StockNoteText(note));
  }
  return lines;
}

std::array<std::string, kPlanColumns> PlanWindowHeader(const CuttingPlanText& plan) {
  return {"Bar", "Stock (" + plan.unit + ")", "Design", "Piece (" + plan.unit + ")",
          "Tag", "Rest (" + plan.unit + ")"};
}

std::vector<PlanWindowRow> PlanWindowRows(const CuttingPlanText& plan) {
  std::vector<PlanWindowRow> rows;
  for (const std::string& note : plan.stockNotes) {
    rows.push_back({PlanRowKind::kStockNote, {StockNoteText(note)}});
  }
  for (const LeftOutDesign& design : plan.leftOut) {
    rows.push_back({PlanRowKind::kLeftOut, {"Left out: " + design.name + ": " + design.reason}});
  }
  for (const PlanGroupText& group : plan.groups) {
    rows.push_back({PlanRowKind::kGroup, {Title(group) + " (" + group.kind + ")"}});
    if (!group.problem.empty()) {
      rows.push_back({PlanRowKind::kProblem, {group.problem}});
      continue;
    }
    int number = 0;
    for (const PlanBarText& bar : group.bars) {
      bool first = true;
      for (const PlanPieceText& piece : bar.pieces) {
        PlanWindowRow row{PlanRowKind::kPiece, {"", "", piece.design, piece.length, piece.tag, ""}};
        if (first) {
          row.cells[0] = FormatInteger(++number);
          row.cells[1] = bar.stockLength;
          row.cells[5] = bar.rest + " " + bar.restKind;
          first = false;
        }
        rows.push_back(std::move(row));
      }
    }
    rows.push_back({PlanRowKind::kTotals, {Totals(group)}});
  }
  return rows;
}

std::string PlanCsv(const CuttingPlanText& plan) {
  std::string csv = "Kind,Key,Colors,Bar,Stock,Unit,Pieces,Cuts,Rest,Rest Kind\r\n";
  for (const PlanGroupText& group : plan.groups) {
    int number = 0;
    for (const PlanBarText& bar : group.bars) {
      std::string cuts;
      for (const PlanPieceText& piece : bar.pieces) {
        cuts += (cuts.empty() ? "" : "|") + PieceWords(piece);
      }
      csv += group.kind + "," + group.key + "," + group.colors + "," + FormatInteger(++number) +
             "," + bar.stockLength + "," + plan.unit + "," +
             FormatInteger(static_cast<std::int64_t>(bar.pieces.size())) + "," + cuts + "," +
             bar.rest + "," + bar.restKind + "\r\n";
    }
  }
  return csv;
}

}  // namespace grill
