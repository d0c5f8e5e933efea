#pragma once

#include <optional>
#include <string>

#include "cutplan/CuttingJob.h"
#include "cutting/PlanFigures.h"

namespace grill {

// Where a bar comes from, for people and the CSV: "remnant", "on hand",
// "bought".
std::string SourceWord(cutplan::StockSource source);

// A price with two decimals, '.' whatever the locale: "12.50".
std::string FormatPrice(double price);

// What to buy of one length, for people: "Buy 3 bars of 6000.0 at 12.50
// each, 37.50 in all", lengths as FormatPlanLength gives them.
std::string PurchaseWords(const cutplan::Purchase& purchase, PlanUnits units);

// The price of the bars a plan buys and its bound: "Cost of the bars bought
// 37.50, lower bound 30.00"; none without a cost.
std::optional<std::string> CostWords(const cutplan::GroupPlan& plan);

// The price per bar the plan pays for a bought bar of `length`, when it
// states one.
std::optional<double> PriceOfBought(const cutplan::GroupPlan& plan, double length);

}  // namespace grill
