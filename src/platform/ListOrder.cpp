#include "platform/ListOrder.h"

#include <algorithm>

namespace grill {
namespace {

unsigned char Folded(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

}  // namespace

bool SortsBefore(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const unsigned char x = Folded(a[i]);
    const unsigned char y = Folded(b[i]);
    if (x != y) {
      return x < y;
    }
  }
  if (a.size() != b.size()) {
    return a.size() < b.size();
  }
  return a < b;
}

int SortedInsertIndex(const std::vector<std::string>& entries, std::string_view text) {
  const auto place = std::upper_bound(
      entries.begin(), entries.end(), text,
      [](std::string_view value, const std::string& entry) { return SortsBefore(value, entry); });
  return static_cast<int>(place - entries.begin());
}

}  // namespace grill
