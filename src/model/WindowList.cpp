#include "model/WindowList.h"

#include <iterator>
#include <utility>

namespace grill {

GrillWindow& WindowList::AppendNewWindow() {
  return windows_.emplace_back();
}

void WindowList::Insert(std::size_t index, GrillWindow window) {
  if (index > windows_.size()) {
    index = windows_.size();
  }
  windows_.insert(windows_.begin() + static_cast<std::ptrdiff_t>(index), std::move(window));
}

void WindowList::Remove(std::size_t index) {
  if (index < windows_.size()) {
    windows_.erase(windows_.begin() + static_cast<std::ptrdiff_t>(index));
  }
}

std::optional<std::size_t> WindowList::IndexOfName(std::string_view name) const {
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    if (windows_[i].name == name) {
      return i;
    }
  }
  return std::nullopt;
}

GrillWindow* WindowList::FindWindowByName(std::string_view name) {
  const auto index = IndexOfName(name);
  return index ? &windows_[*index] : nullptr;
}

const GrillWindow* WindowList::FindWindowByName(std::string_view name) const {
  return const_cast<WindowList*>(this)->FindWindowByName(name);
}

}  // namespace grill
