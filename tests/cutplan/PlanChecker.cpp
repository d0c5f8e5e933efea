#include "PlanChecker.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

namespace grill::cutplan::testing {

namespace {

// Bars there are of each length from a limited source.
std::map<std::pair<StockSource, double>, int> Inventory(const PieceGroup& group) {
  std::map<std::pair<StockSource, double>, int> bars;
  for (const StockLength& stock : group.stock) {
    if (stock.onHand) {
      bars[{StockSource::OnHand, stock.length}] += *stock.onHand;
    }
  }
  for (const Remnant& remnant : group.remnants) {
    bars[{StockSource::Remnant, remnant.length}] += remnant.count;
  }
  return bars;
}

bool Offered(const PieceGroup& group, const StockBar& bar) {
  if (bar.source == StockSource::Remnant) {
    return std::any_of(group.remnants.begin(), group.remnants.end(),
                       [&](const Remnant& remnant) { return remnant.length == bar.stockLength; });
  }
  return std::any_of(group.stock.begin(), group.stock.end(), [&](const StockLength& stock) {
    return stock.length == bar.stockLength &&
           stock.onHand.has_value() == (bar.source == StockSource::OnHand);
  });
}

std::optional<double> PriceOf(const PieceGroup& group, double length) {
  for (const StockLength& stock : group.stock) {
    if (stock.length == length && !stock.onHand) {
      return stock.price;
    }
  }
  return std::nullopt;
}

void CheckPurchases(const PieceGroup& group, const GroupPlan& plan,
                    std::vector<std::string>& faults) {
  std::map<double, int> bought;
  double price = 0;
  bool priced = true;
  for (const StockBar& bar : plan.bars) {
    if (bar.source == StockSource::Bought) {
      ++bought[bar.stockLength];
      std::optional<double> each = PriceOf(group, bar.stockLength);
      priced = priced && each.has_value();
      price += each.value_or(0);
    }
  }
  const bool plain = group.remnants.empty() &&
                     std::none_of(group.stock.begin(), group.stock.end(),
                                  [](const auto& stock) { return stock.onHand || stock.price; });
  std::vector<Purchase> expected;
  for (const auto& [length, count] : bought) {
    expected.push_back({length, count, PriceOf(group, length)});
  }
  if (plain) {
    expected.clear();
  }
  const auto same = [](const Purchase& a, const Purchase& b) {
    return a.length == b.length && a.count == b.count && a.price == b.price;
  };
  if (!std::equal(expected.begin(), expected.end(), plan.toBuy.begin(), plan.toBuy.end(), same)) {
    faults.push_back("what to buy differs from the bars bought");
  }
  if (plan.cost.has_value() != plan.costBound.has_value()) {
    faults.push_back("a cost without its bound, or a bound without a cost");
  }
  if (plan.cost) {
    if (!priced || std::abs(*plan.cost - price) > 1e-6 * std::max(1.0, price)) {
      faults.push_back("cost " + std::to_string(*plan.cost) +
                       " is not the price of the bars bought");
    }
    if (*plan.costBound > *plan.cost + 1e-9) {
      faults.push_back("cost below its bound");
    }
  }
}

}  // namespace

int BarsFrom(const GroupPlan& plan, StockSource source) {
  return static_cast<int>(std::count_if(plan.bars.begin(), plan.bars.end(),
                                        [&](const StockBar& bar) { return bar.source == source; }));
}

std::vector<std::string> CheckPlan(const PieceGroup& group, const SawSettings& saw,
                                   const GroupPlan& plan) {
  std::vector<std::string> faults;
  std::map<std::tuple<double, std::string, std::string>, int> unused;
  for (const Piece& piece : group.pieces) {
    unused[{piece.length, piece.label, piece.tag}] += piece.count;
  }
  std::map<std::pair<StockSource, double>, int> inventory = Inventory(group);
  for (std::size_t index = 0; index < plan.bars.size(); ++index) {
    const StockBar& bar = plan.bars[index];
    const std::string where = "bar " + std::to_string(index) + ": ";
    if (!Offered(group, bar)) {
      faults.push_back(where + "not a stock length or remnant of its source");
    }
    if (bar.source != StockSource::Bought && --inventory[{bar.source, bar.stockLength}] < 0) {
      faults.push_back(where + "more bars of its length and source than there are");
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
  CheckPurchases(group, plan, faults);
  return faults;
}

}  // namespace grill::cutplan::testing
