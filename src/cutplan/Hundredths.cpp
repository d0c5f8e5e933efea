#include "Hundredths.h"

#include <cmath>

namespace grill::cutplan {

namespace {

bool InRange(double millimetres) {
  return std::isfinite(millimetres) && millimetres >= 0 &&
         millimetres <= static_cast<double>(kMaxHundredths) / 100;
}

// Sign of millimetres * 100 - n, exact: fma rounds only once, and rounding
// never changes the sign of a non-zero result.
double ExcessOver(double millimetres, std::int64_t n) {
  return std::fma(millimetres, 100.0, -static_cast<double>(n));
}

}  // namespace

std::optional<std::int64_t> HundredthsAtLeast(double millimetres) {
  if (!InRange(millimetres)) {
    return std::nullopt;
  }
  auto n = static_cast<std::int64_t>(std::ceil(millimetres * 100));
  while (n > 0 && ExcessOver(millimetres, n - 1) <= 0) {
    --n;
  }
  while (ExcessOver(millimetres, n) > 0) {
    ++n;
  }
  return n;
}

std::optional<std::int64_t> HundredthsAtMost(double millimetres) {
  if (!InRange(millimetres)) {
    return std::nullopt;
  }
  auto n = static_cast<std::int64_t>(std::floor(millimetres * 100));
  while (ExcessOver(millimetres, n + 1) >= 0) {
    ++n;
  }
  while (n > 0 && ExcessOver(millimetres, n) < 0) {
    --n;
  }
  return n;
}

}  // namespace grill::cutplan
