#include "editing/BarOperations.h"

#include <cmath>
#include <string>

#include "model/BarAxis.h"
#include "model/Measurements.h"

namespace grill {

Result<GrillWindow> SetBarPosition(const GrillWindow& window, Axis axis, int bar, double position,
                                   Unit unit) {
  const ConstBarAxis bars = BarsOf(window, axis);
  if (!(bars.Pos(bar) < position && position < bars.Pos(bar + 2))) {
    // Said in the numbers the bar list shows, so the shop can see where it may go.
    const char* suffix = unit == Unit::Inches ? "\"" : " mm";
    const char* direction = axis == Axis::Horizontal ? "horizontal" : "vertical";
    return Refusal{
        "Position Out of Range: " + std::string(direction) + " bar " + FormatInteger(bar + 1) +
        " must lie between " + FormatLength(bars.Pos(bar), unit) + suffix + " and " +
        FormatLength(bars.Pos(bar + 2), unit) + suffix + ", the bars or edges beside it"};
  }
  GrillWindow moved = window;
  BarsOf(moved, axis).Pos(bar + 1) = position;
  return moved;
}

// The new position is worked out first and stored only when it stays short
// of the neighbour, so a refused step leaves the bar exactly where it was.
std::optional<GrillWindow> StepBar(const GrillWindow& window, Axis axis, int bar, double step,
                                   bool towardsNext) {
  const ConstBarAxis bars = BarsOf(window, axis);
  const double position = bars.Pos(bar + 1);
  const double moved = towardsNext ? position + step : position - step;
  const bool accepted = towardsNext ? moved < bars.Pos(bar + 2) : moved > bars.Pos(bar);
  if (!accepted || !std::isfinite(moved)) {
    return std::nullopt;
  }
  GrillWindow result = window;
  BarsOf(result, axis).Pos(bar + 1) = moved;
  return result;
}

std::optional<GrillWindow> InsertBar(const GrillWindow& window, Axis axis, double position) {
  GrillWindow result = window;
  const BarEdit edit =
      axis == Axis::Horizontal ? result.InsertHorzBar(position) : result.InsertVertBar(position);
  if (edit != BarEdit::Done) {
    return std::nullopt;
  }
  return result;
}

std::optional<GrillWindow> RemoveBar(const GrillWindow& window, Axis axis, int barNumber) {
  GrillWindow result = window;
  const BarEdit edit =
      axis == Axis::Horizontal ? result.RemoveHorzBar(barNumber) : result.RemoveVertBar(barNumber);
  if (edit != BarEdit::Done) {
    return std::nullopt;
  }
  return result;
}

void DragBarTo(GrillWindow& window, Axis axis, int barNumber, double position) {
  BarsOf(window, axis).Pos(barNumber) = position;
}

void ShapeSegment(GrillWindow& window, Axis axis, int barNumber, int band, bool given) {
  BarsOf(window, axis).Own(barNumber, band) = given ? 1 : 0;
}

}  // namespace grill
