#include "PlanChecker.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace grill::cutplan::testing {

std::vector<std::string> CheckPlan(const PieceGroup& group, const SawSettings& saw,
                                   const GroupPlan& plan) {
  std::vector<std::string> faults;
  std::map<std::tuple<double, std::string, std::string>, int> unused;
  for (const Piece& piece : group.pieces) {
    unused[{piece.length, piece.label, piece.tag}] += piece.count;
  }
  for (std::size_t index = 0; index < plan.bars.size(); ++index) {
    const StockBar& bar = plan.bars[index];
    const std::string where = "bar " + std::to_string(index) + ": ";
    if (std::none_of(group.stock.begin(), group.stock.end(),
                     [&](const StockLength& stock) { return stock.length == bar.stockLength; })) {
      faults.push_back(where + "not a stock length");
    }
    if (bar.pieces.empty()) {
      faults.push_back(where + "empty");
      continue;
    }
    double used = saw.trimHead + saw.trimTail;
    for (const CutPiece& piece : bar.pieces) {
      used += piece.length;
      if (--unused[{piece.length, piece.label, piece.tag}] < 0) {
        faults.push_back(where + "a piece used once too often");
      }
    }
    used += saw.kerf * static_cast<double>(bar.pieces.size() - 1);
    if (used > bar.stockLength) {
      faults.push_back(where + "overfull");
    }
    if (bar.rest != bar.stockLength - used) {
      faults.push_back(where + "wrong rest");
    }
    const bool kept = bar.rest > 0 && bar.rest >= saw.minOffcut;
    if (kept != (bar.restKind == RestKind::Offcut)) {
      faults.push_back(where + "offcut and waste mixed up");
    }
  }
  for (const auto& [piece, count] : unused) {
    if (count > 0) {
      faults.push_back("piece " + std::to_string(std::get<0>(piece)) + " left out");
    }
  }
  return faults;
}

}  // namespace grill::cutplan::testing
