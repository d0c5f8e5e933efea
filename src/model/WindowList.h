#pragma once

#include <list>
#include <string_view>

#include "model/GrillWindow.h"

namespace grill {

// All designs in creation order. Designs keep their address for their whole
// life, so the dialog and the canvas may refer to them.
class WindowList {
 public:
  GrillWindow& AppendNewWindow();
  // Removes and destroys the design; one not in the list is left alone.
  void DeleteWindow(const GrillWindow* window);
  // The first design whose name equals `name` exactly, or null.
  GrillWindow* FindWindowByName(std::string_view name);
  const GrillWindow* FindWindowByName(std::string_view name) const;

  bool empty() const { return windows_.empty(); }
  size_t size() const { return windows_.size(); }
  auto begin() { return windows_.begin(); }
  auto end() { return windows_.end(); }
  auto begin() const { return windows_.begin(); }
  auto end() const { return windows_.end(); }
  GrillWindow& front() { return windows_.front(); }

 private:
  std::list<GrillWindow> windows_;
};

}  // namespace grill
