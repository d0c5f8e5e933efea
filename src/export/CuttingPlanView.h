#pragma once

#include <array>
#include <string>
#include <vector>

#include "cutting/CutBar.h"
#include "export/JobCuttingPlan.h"

namespace grill {

// A cut piece as the cut files give it: the design, the length in the
// files' unit with their decimals, the side tag.
struct PlanPieceText {
  std::string design;
  std::string length;
  std::string tag;
};

struct PlanBarText {
  std::string stockLength;
  std::vector<PlanPieceText> pieces;  // in cutting order
  std::string rest;
  std::string restKind;  // "offcut" or "waste"
};

// One group's plan in the cut files' unit, or its problem.
struct PlanGroupText {
  std::string kind;  // "bar" or "edge"
  std::string key;
  std::string colors;
  std::string problem;  // set when there is no plan
  std::vector<PlanBarText> bars;
  int barBound = 0;
  // "optimal", or how far the plan may be from it: bars over the bound on
  // bars, or else stock length over the bound on length. The short form of
  // grill-script's lines ("gap 2 bars", "gap 1499.5").
  std::string quality;
  // The same for people, in the window, the CSV and the pages: "optimal",
  // "2 bars above the lower bound", or, with as many bars as the bound,
  // "optimal in bars; 1499.5 mm above the length bound".
  std::string qualityWords;
  // Stock that ends neither in a piece nor in a kept offcut (trims, kerfs and
  // waste), in percent of the stock used, one decimal.
  std::string wastePercent;
};

struct CuttingPlanText {
  std::string unit;  // "mm" or "in"
  std::vector<PlanGroupText> groups;
  std::vector<LeftOutDesign> leftOut;
  // What reading Stock.txt noted (Config Errors among them): the plan stands
  // on that file, so whoever reads the plan sees them.
  std::vector<std::string> stockNotes;
};

CuttingPlanText DescribePlan(const JobCuttingPlan& plan, CutUnit unit);

// The lines grill-script's `cutplan` prints (README: "The cutting plan"); the
// Stock.txt notes come last, each "note Stock.txt: NOTE".
std::vector<std::string> PlanScriptLines(const CuttingPlanText& plan);

// The cutting plan window's table: one row per piece, the bar's number,
// stock and rest on its first piece's row; a row heads each group, and one
// after it gives its totals. The Stock.txt notes come first.
enum class PlanRowKind { kStockNote, kLeftOut, kGroup, kPiece, kTotals, kProblem };
inline constexpr int kPlanColumns = 6;  // bar, stock, design, piece, tag, rest
struct PlanWindowRow {
  PlanRowKind kind;
  std::array<std::string, kPlanColumns> cells;
};
std::array<std::string, kPlanColumns> PlanWindowHeader(const CuttingPlanText& plan);
std::vector<PlanWindowRow> PlanWindowRows(const CuttingPlanText& plan);

// Export CSV: a header line, then one line per stock bar (README: "The
// cutting plan"), lines ended by CR LF as in the cut files.
std::string PlanCsv(const CuttingPlanText& plan);

}  // namespace grill
