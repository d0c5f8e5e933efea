#include "cutting/PieceLabels.h"

#include <cctype>
#include <cstdint>
#include <map>
#include <tuple>

#include "model/Measurements.h"

namespace grill {
namespace {

using PieceKind = std::tuple<std::size_t, std::string, std::string, std::string>;

PieceKind KindOf(std::size_t group, const cutplan::CutPiece& piece) {
  return {group, piece.label, piece.name, piece.tag};
}

// Identical pieces are interchangeable, so each label numbers its piece among
// those of its kind (same group, design, name and tag) as the plan cuts them.
std::map<PieceKind, int> CountKinds(const JobCuttingPlan& plan) {
  std::map<PieceKind, int> counts;
  for (std::size_t g = 0; g < plan.groups.size(); ++g) {
    if (!plan.groups[g].plan) {
      continue;
    }
    for (const cutplan::StockBar& bar : plan.groups[g].plan->bars) {
      for (const cutplan::CutPiece& piece : bar.pieces) {
        ++counts[KindOf(g, piece)];
      }
    }
  }
  return counts;
}

// "Vertical bar 2" reads "vertical bar 2" after the design's name.
std::string InSentence(std::string name) {
  if (!name.empty()) {
    name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
  }
  return name;
}

std::string PieceWords(const cutplan::CutPiece& piece, int number, int count) {
  std::string words = piece.label;
  if (!piece.name.empty()) {
    words += " \u2014 " + InSentence(piece.name);
  }
  return words + ", piece " + FormatInteger(number) + " of " + FormatInteger(count);
}

// Each length with its unit: "883.0 mm", "34 3/4\" (883.0 mm)".
std::string LengthWords(double length, PlanUnits units) {
  std::string text = FormatJobLength(length, units.job);
  if (units.job == Unit::Millimetres) {
    text += " mm";
  }
  if (SawUnitDiffers(units)) {
    text += " (" + FormatCutLength(length, units.saw) + " " + CutUnitName(units.saw) + ")";
  }
  return text;
}

std::string StockWords(const PlannedGroup& group) {
  return (group.kind == StockKind::kEdge ? "Edge " : "Bar ") + group.key +
         (group.colors.empty() ? "" : ", colours " + group.colors);
}

std::string CutWords(std::size_t bar, std::size_t bars, std::size_t position, std::size_t pieces) {
  const auto number = [](std::size_t n) { return FormatInteger(static_cast<std::int64_t>(n)); };
  return "Stock bar " + number(bar) + " of " + number(bars) + ", cut " + number(position) + " of " +
         number(pieces);
}

}  // namespace

std::vector<PieceLabel> PieceLabels(const JobCuttingPlan& plan, PlanUnits units,
                                    const std::string& jobName) {
  const std::map<PieceKind, int> counts = CountKinds(plan);
  std::map<PieceKind, int> numbered;
  std::vector<PieceLabel> labels;
  for (std::size_t g = 0; g < plan.groups.size(); ++g) {
    const PlannedGroup& group = plan.groups[g];
    if (!group.plan) {
      continue;
    }
    const std::vector<cutplan::StockBar>& bars = group.plan->bars;
    for (std::size_t b = 0; b < bars.size(); ++b) {
      const std::vector<cutplan::CutPiece>& pieces = bars[b].pieces;
      for (std::size_t p = 0; p < pieces.size(); ++p) {
        const cutplan::CutPiece& piece = pieces[p];
        const PieceKind kind = KindOf(g, piece);
        const PiecePlace place{static_cast<int>(g + 1), static_cast<int>(b + 1),
                               static_cast<int>(p + 1)};
        labels.push_back({place, PieceId(place), jobName.empty() ? "-" : jobName, piece.label,
                          PieceWords(piece, ++numbered[kind], counts.at(kind)),
                          LengthWords(piece.length, units), StockWords(group),
                          CutWords(b + 1, bars.size(), p + 1, pieces.size())});
      }
    }
  }
  return labels;
}

}  // namespace grill
