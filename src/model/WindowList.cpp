#include "model/WindowList.h"

namespace grill {

GrillWindow& WindowList::AppendNewWindow() {
  return windows_.emplace_back();
}

void WindowList::DeleteWindow(const GrillWindow* window) {
  windows_.remove_if([window](const GrillWindow& entry) { return &entry == window; });
}

GrillWindow* WindowList::FindWindowByName(std::string_view name) {
  for (GrillWindow& window : windows_) {
    if (window.name == name) {
      return &window;
    }
  }
  return nullptr;
}

const GrillWindow* WindowList::FindWindowByName(std::string_view name) const {
  return const_cast<WindowList*>(this)->FindWindowByName(name);
}

}  // namespace grill
