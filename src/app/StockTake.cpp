#include "app/StockTake.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "cutting/PlanFigures.h"

namespace grill {
namespace {

// Lengths the planner was given come back as they went in; the slack only
// covers a value that went through text.
bool SameLength(double a, double b) {
  return std::abs(a - b) < 1e-6;
}

std::string Where(const PlannedGroup& group, double length) {
  return FormatCutLength(length, CutUnit::kMillimetres) + " mm of " + group.key + " " +
         group.colors;
}

std::optional<std::string> UseRemnant(const PlannedGroup& group, double length,
                                      Inventory& inventory) {
  for (RemnantEntry& entry : inventory.remnants) {
    if (entry.key == group.key && entry.colors == group.colors && entry.count > 0 &&
        SameLength(entry.length, length)) {
      --entry.count;
      return std::nullopt;
    }
  }
  return "the remnant " + Where(group, length) + " is no longer in the inventory";
}

std::optional<int> StockTxtCount(const StockFile& stock, const std::string& key, double length) {
  if (const std::vector<StockItem>* items = stock.LengthsFor(key)) {
    for (const StockItem& item : *items) {
      if (SameLength(item.length, length)) {
        return item.onHand;
      }
    }
  }
  return std::nullopt;
}

std::optional<std::string> UseBarOnHand(const PlannedGroup& group, double length,
                                        const StockFile& stock, Inventory& inventory) {
  auto entry =
      std::find_if(inventory.onHand.begin(), inventory.onHand.end(), [&](const OnHandEntry& known) {
        return known.key == group.key && SameLength(known.length, length);
      });
  if (entry == inventory.onHand.end()) {
    const std::optional<int> count = StockTxtCount(stock, group.key, length);
    if (!count) {
      return "Stock.txt no longer counts the bars of " + Where(group, length) + " on hand";
    }
    inventory.onHand.push_back({group.key, length, *count});
    entry = std::prev(inventory.onHand.end());
  }
  if (entry->count == 0) {
    return "no bar of " + Where(group, length) + " is left on hand";
  }
  --entry->count;
  return std::nullopt;
}

void KeepOffcut(const PlannedGroup& group, double rest, Inventory& inventory) {
  const double length = std::floor(rest * 10.0 + 1e-6) / 10.0;
  if (length <= 0.0 || length > kLongestInventoryLength) {
    return;
  }
  for (RemnantEntry& entry : inventory.remnants) {
    if (entry.key == group.key && entry.colors == group.colors && entry.length == length) {
      entry.count = std::min(entry.count + 1, kMostInventoryBars);
      return;
    }
  }
  inventory.remnants.push_back({group.key, group.colors, length, 1});
}

// Remnants by key and colours, longest first, the used-up ones gone.
void Tidy(Inventory& inventory) {
  std::erase_if(inventory.remnants, [](const RemnantEntry& entry) { return entry.count <= 0; });
  std::stable_sort(inventory.remnants.begin(), inventory.remnants.end(),
                   [](const RemnantEntry& a, const RemnantEntry& b) {
                     return std::tie(a.key, a.colors, b.length) <
                            std::tie(b.key, b.colors, a.length);
                   });
}

}  // namespace

TakeResult TakeFromStock(const JobCuttingPlan& plan, const StockFile& stock,
                         const Inventory& before) {
  Inventory after = before;
  TakeCounts counts;
  for (const PlannedGroup& group : plan.groups) {
    // A key or colour set the file cannot hold has no stock or remnants of
    // its own there either.
    if (!group.plan || !IsInventoryWord(group.key) || !IsInventoryWord(group.colors)) {
      continue;
    }
    for (const cutplan::StockBar& bar : group.plan->bars) {
      std::optional<std::string> fault;
      if (bar.source == cutplan::StockSource::Remnant) {
        fault = UseRemnant(group, bar.stockLength, after);
        ++counts.remnantsUsed;
      } else if (bar.source == cutplan::StockSource::OnHand) {
        fault = UseBarOnHand(group, bar.stockLength, stock, after);
        ++counts.barsOnHandUsed;
      }
      if (fault) {
        return {std::nullopt, {}, "Cannot take this plan from stock: " + *fault + ". Plan again."};
      }
      if (bar.restKind == cutplan::RestKind::Offcut) {
        KeepOffcut(group, bar.rest, after);
        ++counts.offcutsKept;
      }
    }
  }
  Tidy(after);
  return {std::move(after), counts, {}};
}

}  // namespace grill
