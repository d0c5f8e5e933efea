#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string_view>

#include "model/GrillWindow.h"

namespace grill {

// All designs in creation order, addressed by their place in that order.
// Appending keeps the address of every design already there.
class WindowList {
 public:
  GrillWindow& AppendNewWindow();
  // Puts `window` at `index` (at most size()), moving the later designs on.
  void Insert(std::size_t index, GrillWindow window);
  // Removes and destroys the design at `index`; an index past the end is left alone.
  void Remove(std::size_t index);
  // The place of the first design whose name equals `name` exactly.
  std::optional<std::size_t> IndexOfName(std::string_view name) const;
  // The first design whose name equals `name` exactly, or null.
  GrillWindow* FindWindowByName(std::string_view name);
  const GrillWindow* FindWindowByName(std::string_view name) const;

  bool empty() const { return windows_.empty(); }
  std::size_t size() const { return windows_.size(); }
  GrillWindow& operator[](std::size_t index) { return windows_[index]; }
  const GrillWindow& operator[](std::size_t index) const { return windows_[index]; }
  auto begin() { return windows_.begin(); }
  auto end() { return windows_.end(); }
  auto begin() const { return windows_.begin(); }
  auto end() const { return windows_.end(); }
  GrillWindow& front() { return windows_.front(); }
  const GrillWindow& front() const { return windows_.front(); }

 private:
  std::deque<GrillWindow> windows_;
};

}  // namespace grill
