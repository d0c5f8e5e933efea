#include "app/ChangedSpan.h"

#include <algorithm>

namespace grill {

void ChangedSpan::Reset(std::size_t size) {
  head_ = tail_ = recorded_ = size_ = size;
}

void ChangedSpan::Add(const DesignsChanged& event, std::size_t size) {
  const std::size_t kept = event.first + event.added;
  if (kept > size || event.first + event.removed > size_ ||
      size_ - event.first - event.removed != size - kept) {
    AddAll(size);
    return;
  }
  size_ = size;
  head_ = std::min(head_, event.first);
  tail_ = std::min(tail_, size - kept);
}

void ChangedSpan::AddAll(std::size_t size) {
  size_ = size;
  head_ = tail_ = 0;
}

std::size_t ChangedSpan::From() const {
  return std::min({head_, recorded_, size_});
}

std::size_t ChangedSpan::Tail() const {
  return std::min(tail_, std::min(recorded_, size_) - From());
}

std::size_t ChangedSpan::Removed() const {
  return recorded_ - From() - Tail();
}

std::size_t ChangedSpan::Added() const {
  return size_ - From() - Tail();
}

bool ChangedSpan::Whole() const {
  return From() == 0 && Tail() == 0;
}

}  // namespace grill
