#include "editing/SpacingOperations.h"

#include <cmath>

#include "config/ConfigRecords.h"
#include "model/BarAxis.h"
#include "model/Measurements.h"

namespace grill {
namespace {

// The bar width t of every spacing rule.
double BarWidth(const GrillWindow& window) {
  return window.barType != nullptr ? window.barType->width : 0.0;
}

// Pushes every bar from `first` on that lies above its predecessor to one bar
// width below it. The far edge entry is never touched: a bar that already lay
// beyond the edge must not drag the edge with it.
void PushDownOvertaken(BarAxis bars, int first, double barWidth) {
  for (int k = first; k < bars.Count(); ++k) {
    if (bars.Pos(k) > bars.Pos(k + 1)) {
      bars.Pos(k + 1) = bars.Pos(k) + barWidth;
    }
  }
}

}  // namespace

GrillWindow RespaceBefore(const GrillWindow& window, Axis axis, int selected, SpacingMode mode) {
  GrillWindow result = window;
  const BarAxis bars = BarsOf(result, axis);
  const int before = selected;  // bars 1 … before lie before it
  const double t = BarWidth(window);
  const double selectedPos = bars.Pos(before + 1);
  double first = 0.0;
  double gap = 0.0;
  if (mode == SpacingMode::EqualSpace) {
    gap = (selectedPos - before * t - t / 2) / (before + 1);
    first = gap + t / 2;
  } else {
    first = selectedPos / (before + 1);
    gap = first - t;
  }
  // With the first bar selected there is nothing before it to move.
  for (int i = 1; i <= before; ++i) {
    bars.Pos(i) = i == 1 ? first : bars.Pos(i - 1) + gap + t;
  }
  return result;
}

GrillWindow RespaceAfter(const GrillWindow& window, Axis axis, int selected, SpacingMode mode) {
  GrillWindow result = window;
  const BarAxis bars = BarsOf(result, axis);
  const double t = BarWidth(window);
  const double selectedPos = bars.Pos(selected + 1);
  const int count = bars.Count();
  const int openings = count - selected;
  const double gap = mode == SpacingMode::EqualSpace
                         ? (bars.Inner() - selectedPos - (openings - 1) * t - t / 2) / openings
                         : (bars.Inner() - selectedPos) / openings - t;
  for (int k = selected + 2; k <= count; ++k) {
    bars.Pos(k) = bars.Pos(k - 1) + gap + t;
  }
  return result;
}

Result<GrillWindow> SetSpacing(const GrillWindow& window, Axis axis, int selected,
                               std::optional<double> typed, Unit unit) {
  const ConstBarAxis bars = BarsOf(window, axis);
  if (!typed) {
    return Refusal{"Invalid Spacing"};
  }
  // The spacing is measured from the bar before (or the near edge). A target
  // that is not finite, as a huge inch value becomes, would put the bar nowhere.
  const double target = bars.Pos(selected) + ToMillimetres(*typed, unit);
  if (!std::isfinite(target)) {
    return Refusal{"Invalid Spacing"};
  }
  const int bar = selected + 1;
  GrillWindow result = window;
  if (target > bars.Pos(bar + 1)) {
    // The bar passes the next one: the bars it overtakes are pushed along,
    // which needs room for one bar width each before the far edge.
    const double t = BarWidth(window);
    if ((bars.Inner() - target) / (bars.Count() - selected) < t) {
      return Refusal{"Invalid Spacing"};
    }
    BarsOf(result, axis).Pos(bar) = target;
    PushDownOvertaken(BarsOf(result, axis), bar, t);
  } else {
    BarsOf(result, axis).Pos(bar) = target;
  }
  return result;
}

std::optional<GrillWindow> AlignBars(const GrillWindow& window, Axis axis,
                                     const GrillWindow& other) {
  const std::int32_t count = BarsOf(window, axis).Count();
  if (count != BarsOf(other, axis).Count() || count == 0) {
    return std::nullopt;
  }
  GrillWindow result = window;
  if (axis == Axis::Horizontal) {
    result.AlignHorzTo(other);
  } else {
    result.AlignVertTo(other);
  }
  return result;
}

}  // namespace grill
