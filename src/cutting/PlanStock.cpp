#include "cutting/PlanStock.h"

#include <algorithm>

namespace grill {

std::optional<int> BarsOnHand(const std::string& key, const StockItem& item,
                              const Inventory& inventory) {
  for (const OnHandEntry& entry : inventory.onHand) {
    if (entry.key == key && entry.length == item.length) {
      return entry.count;
    }
  }
  return item.onHand;
}

std::vector<cutplan::StockLength> StockOffered(const std::string& key,
                                               const std::vector<StockItem>& items,
                                               const Inventory& inventory,
                                               const OnHandTaken& taken) {
  const auto takenOfKey = taken.find(key);
  std::vector<cutplan::StockLength> offered;
  for (const StockItem& item : items) {
    std::optional<int> onHand = BarsOnHand(key, item, inventory);
    if (onHand && takenOfKey != taken.end()) {
      if (const auto used = takenOfKey->second.find(item.length);
          used != takenOfKey->second.end()) {
        onHand = std::max(0, *onHand - used->second);
      }
    }
    offered.emplace_back(item.length, onHand, item.price);
  }
  return offered;
}

std::vector<cutplan::Remnant> RemnantsOf(const std::string& key, const std::string& colors,
                                         const Inventory& inventory) {
  std::vector<cutplan::Remnant> remnants;
  for (const RemnantEntry& entry : inventory.remnants) {
    if (entry.key == key && entry.colors == colors && entry.count > 0) {
      remnants.push_back({entry.length, entry.count});
    }
  }
  std::stable_sort(
      remnants.begin(), remnants.end(),
      [](const cutplan::Remnant& a, const cutplan::Remnant& b) { return a.length > b.length; });
  return remnants;
}

void AddOnHandUsed(const std::string& key, const cutplan::GroupPlan& plan, OnHandTaken& taken) {
  for (const cutplan::StockBar& bar : plan.bars) {
    if (bar.source == cutplan::StockSource::OnHand) {
      ++taken[key][bar.stockLength];
    }
  }
}

}  // namespace grill
