#include "print/LabelSpread.h"

#include <algorithm>
#include <numeric>

namespace grill::print {

LabelSpread SpreadLabels(const std::vector<double>& wanted, double pitch, double low, double high) {
  LabelSpread spread;
  const std::size_t count = wanted.size();
  if (count == 0) {
    spread.pitch = pitch;
    return spread;
  }
  spread.pitch = std::min(pitch, (high - low) / static_cast<double>(count));
  const double first = low + spread.pitch / 2;
  const double last = high - spread.pitch / 2;

  std::vector<std::size_t> order(count);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return wanted[a] < wanted[b]; });
  std::vector<double> placed(count);
  for (std::size_t i = 0; i < count; ++i) {
    placed[i] = std::clamp(wanted[order[i]], first, std::max(first, last));
  }
  // Push crowded labels apart towards the high end, pull back those that
  // went past it, then push once more from the low end: with room enough for
  // all, every gap is at least the pitch and every label inside the range.
  for (std::size_t i = 1; i < count; ++i) {
    placed[i] = std::max(placed[i], placed[i - 1] + spread.pitch);
  }
  placed[count - 1] = std::min(placed[count - 1], last);
  for (std::size_t i = count - 1; i > 0; --i) {
    placed[i - 1] = std::min(placed[i - 1], placed[i] - spread.pitch);
  }
  placed[0] = std::max(placed[0], first);
  for (std::size_t i = 1; i < count; ++i) {
    placed[i] = std::max(placed[i], placed[i - 1] + spread.pitch);
  }

  spread.centres.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    spread.centres[order[i]] = placed[i];
  }
  return spread;
}

}  // namespace grill::print
