#pragma once

#include <algorithm>
#include <functional>
#include <vector>

#include "cutplan/BinInstance.h"

namespace grill::cutplan {

// The fewest bars that hold the items, by trying each item in each bar.
inline int FewestBars(const BinInstance& instance) {
  std::vector<std::int64_t> items;
  for (int type = 0; type < instance.TypeCount(); ++type) {
    items.insert(items.end(), instance.demands[type], instance.sizes[type]);
  }
  std::vector<std::int64_t> rooms;
  int best = static_cast<int>(items.size());
  std::function<void(std::size_t)> place = [&](std::size_t next) {
    if (static_cast<int>(rooms.size()) >= best) {
      return;
    }
    if (next == items.size()) {
      best = static_cast<int>(rooms.size());
      return;
    }
    for (std::size_t bar = 0; bar < rooms.size(); ++bar) {
      if (rooms[bar] >= items[next]) {
        rooms[bar] -= items[next];
        place(next + 1);
        rooms[bar] += items[next];
      }
    }
    rooms.push_back(instance.capacities.back() - items[next]);
    place(next + 1);
    rooms.pop_back();
  };
  place(0);
  return best;
}

// The instance of items of these sizes in bars of `capacity` costing 1.
inline BinInstance ItemsInBars(std::vector<std::int64_t> sizes, std::int64_t capacity) {
  std::sort(sizes.rbegin(), sizes.rend());
  BinInstance instance{{}, {}, {capacity}, {1}};
  for (std::int64_t size : sizes) {
    if (instance.sizes.empty() || instance.sizes.back() != size) {
      instance.sizes.push_back(size);
      instance.demands.push_back(0);
    }
    ++instance.demands.back();
  }
  return instance;
}

}  // namespace grill::cutplan
