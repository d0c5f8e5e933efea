#pragma once

#include <map>
#include <string>
#include <vector>

#include "config/StockFile.h"
#include "cutplan/CuttingJob.h"
#include "model/Inventory.h"

namespace grill {

// Bars on hand the groups planned so far took, per key and stock length:
// groups of one key in different colours draw on the same racks.
using OnHandTaken = std::map<std::string, std::map<double, int>>;

// The bars on hand of one stock length of `key`: the inventory's count once
// a plan has been taken from stock, else Stock.txt's; none when neither
// gives a count (bought as needed).
std::optional<int> BarsOnHand(const std::string& key, const StockItem& item,
                              const Inventory& inventory);

// The stock lengths of `key` as the planner takes them, with the bars on
// hand less those `taken` by groups planned before.
std::vector<cutplan::StockLength> StockOffered(const std::string& key,
                                               const std::vector<StockItem>& items,
                                               const Inventory& inventory,
                                               const OnHandTaken& taken);

// The inventory's remnants of `key` in `colors`, longest first.
std::vector<cutplan::Remnant> RemnantsOf(const std::string& key, const std::string& colors,
                                         const Inventory& inventory);

// Adds the bars of `plan` that came from the stock on hand to `taken`.
void AddOnHandUsed(const std::string& key, const cutplan::GroupPlan& plan, OnHandTaken& taken);

}  // namespace grill
