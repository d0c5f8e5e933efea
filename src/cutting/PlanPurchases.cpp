#include "cutting/PlanPurchases.h"

#include "model/Measurements.h"

namespace grill {

std::string SourceWord(cutplan::StockSource source) {
  switch (source) {
    case cutplan::StockSource::Remnant:
      return "remnant";
    case cutplan::StockSource::OnHand:
      return "on hand";
    case cutplan::StockSource::Bought:
      return "bought";
  }
  return {};
}

std::string FormatPrice(double price) {
  return FormatFixed(price, 2);
}

std::string PurchaseWords(const cutplan::Purchase& purchase, PlanUnits units) {
  std::string words = "Buy " + FormatInteger(purchase.count) +
                      (purchase.count == 1 ? " bar of " : " bars of ") +
                      FormatPlanLength(purchase.length, units);
  if (purchase.price) {
    words += " at " + FormatPrice(*purchase.price) + " each, " +
             FormatPrice(*purchase.price * purchase.count) + " in all";
  }
  return words;
}

std::optional<std::string> CostWords(const cutplan::GroupPlan& plan) {
  if (!plan.cost) {
    return std::nullopt;
  }
  std::string words = "Cost of the bars bought " + FormatPrice(*plan.cost);
  if (plan.costBound) {
    words += ", lower bound " + FormatPrice(*plan.costBound);
  }
  return words;
}

std::optional<double> PriceOfBought(const cutplan::GroupPlan& plan, double length) {
  for (const cutplan::Purchase& purchase : plan.toBuy) {
    if (purchase.length == length) {
      return purchase.price;
    }
  }
  return std::nullopt;
}

}  // namespace grill
