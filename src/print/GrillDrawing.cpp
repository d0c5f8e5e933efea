#include "print/GrillDrawing.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "config/ConfigRecords.h"
#include "print/LabelSpread.h"
#include "print/PageText.h"

namespace grill::print {
namespace {

constexpr double kDimensionLineSpacing = 1.2;  // label pitch over text size
// Leaders: a straight run from the outline, then a slanted run to the label.
constexpr double kLeaderStraight = 1.5;
constexpr double kLeaderSlant = 4.0;
constexpr double kLeaderToText = 0.5;
// The band holding an inner size's dimension line and its value.
constexpr double kSizeLineOffset = 3.0;
constexpr double kSizeBand =
    kSizeLineOffset + 0.5 + kDimensionTextSize * kDimensionLineSpacing + 1.0;
constexpr double kTickHalf = 1.0;

struct BarMark {
  double position = 0.0;  // millimetres of design
  std::string text;
};

bool IsPositiveFinite(double value) {
  return std::isfinite(value) && value > 0.0;
}

std::size_t Index(int i) {
  return static_cast<std::size_t>(i);
}

int BarCount(std::int32_t count) {
  return std::clamp(count, 0, kMaxBars);
}

// The bars of one direction that have a position to show.
std::vector<BarMark> BarMarks(const PositionTable& positions, std::int32_t count, Unit unit) {
  std::vector<BarMark> marks;
  for (int bar = 1; bar <= BarCount(count); ++bar) {
    const double position = positions[Index(bar)];
    if (std::isfinite(position)) {
      marks.push_back({position, FormatPageLength(position, unit)});
    }
  }
  return marks;
}

double LongestText(const std::vector<BarMark>& marks) {
  double longest = 0.0;
  for (const BarMark& mark : marks) {
    longest = std::max(longest, EstimatedTextWidth(mark.text, kDimensionTextSize));
  }
  return longest;
}

// The depth of the band of bar values beside one side of the outline.
double MarkBand(const std::vector<BarMark>& marks) {
  if (marks.empty()) {
    return 1.0;
  }
  return kLeaderStraight + kLeaderSlant + kLeaderToText + LongestText(marks) + 1.0;
}

// The part of the outline beyond the grill area on each side, in design
// millimetres; none when the outer size is missing or smaller.
double Rim(double outer, double inner) {
  const double rim = (outer - inner) / 2;
  return std::isfinite(rim) && rim > 0.0 ? rim : 0.0;
}

double Clamp(double value, double low, double high) {
  return std::max(low, std::min(value, high));
}

Box Clipped(const Box& box, const Box& within) {
  const double left = Clamp(box.left, within.left, within.Right());
  const double top = Clamp(box.top, within.top, within.Bottom());
  const double right = Clamp(box.Right(), within.left, within.Right());
  const double bottom = Clamp(box.Bottom(), within.top, within.Bottom());
  return {left, top, right - left, bottom - top};
}

void AddOutline(Page& page, const Box& box, Stroke stroke, Role role) {
  page.items.push_back(Rect{box, false, stroke, role});
}

void AddLine(Page& page, Point from, Point to, Stroke stroke, Role role) {
  page.items.emplace_back(Line{from, to, stroke, role});
}

// A bar segment from `from` to `to` (paper) of `width` (paper) across.
void AddSegment(Page& page, const DrawingPlan& plan, Point from, Point to, double width) {
  if (width <= 0.0) {
    AddLine(page, from, to, Stroke::Thick, Role::Bar);
    return;
  }
  const Box box{std::min(from.x, to.x) - (from.x == to.x ? width / 2 : 0.0),
                std::min(from.y, to.y) - (from.y == to.y ? width / 2 : 0.0),
                std::fabs(to.x - from.x) + (from.x == to.x ? width : 0.0),
                std::fabs(to.y - from.y) + (from.y == to.y ? width : 0.0)};
  page.items.push_back(Rect{Clipped(box, plan.inner), true, Stroke::Normal, Role::Bar});
}

// The bar values of one direction. `across` tells where a bar at a design
// position lies on paper; `place` sets the leader and text of each value
// given the bar's paper position, the label's centre and the text size.
template <typename Place>
void AddMarks(const std::vector<BarMark>& marks, double low, double high,
              double (*across)(const DrawingPlan&, double), const DrawingPlan& plan, Place place) {
  std::vector<double> wanted;
  for (const BarMark& mark : marks) {
    wanted.push_back(across(plan, mark.position));
  }
  const LabelSpread spread =
      SpreadLabels(wanted, kDimensionTextSize * kDimensionLineSpacing, low, high);
  const double size = std::min(kDimensionTextSize, spread.pitch / kDimensionLineSpacing);
  for (std::size_t i = 0; i < marks.size(); ++i) {
    place(marks[i], wanted[i], spread.centres[i], size);
  }
}

double PaperX(const DrawingPlan& plan, double position) {
  return Clamp(plan.inner.left + position * plan.scale, plan.outer.left, plan.outer.Right());
}

double PaperY(const DrawingPlan& plan, double position) {
  return Clamp(plan.inner.top + position * plan.scale, plan.outer.top, plan.outer.Bottom());
}

void AddVertBarMarks(const GrillWindow& window, const DrawingPlan& plan, Unit unit, Page& page) {
  const std::vector<BarMark> marks = BarMarks(window.vertPos, window.vertCount, unit);
  const double bend = plan.outer.top - kLeaderStraight;
  const double textBottom = bend - kLeaderSlant - kLeaderToText;
  const double length = LongestText(marks);
  AddMarks(
      marks, plan.area.left, plan.area.Right(), PaperX, plan,
      [&](const BarMark& mark, double x, double labelX, double size) {
        AddLine(page, {x, plan.inner.top}, {x, bend}, Stroke::Thin, Role::DimensionLine);
        AddLine(page, {x, bend}, {labelX, bend - kLeaderSlant}, Stroke::Thin, Role::DimensionLine);
        const double across = size * kDimensionLineSpacing;
        page.items.push_back(Text{{labelX - across / 2, textBottom - length, across, length},
                                  mark.text,
                                  size,
                                  Align::Left,
                                  true,
                                  false,
                                  Role::DimensionValue});
      });
}

void AddHorzBarMarks(const GrillWindow& window, const DrawingPlan& plan, Unit unit, Page& page) {
  const std::vector<BarMark> marks = BarMarks(window.horzPos, window.horzCount, unit);
  const double bend = plan.outer.left - kLeaderStraight;
  const double textRight = bend - kLeaderSlant - kLeaderToText;
  const double length = LongestText(marks);
  AddMarks(
      marks, plan.outer.top, plan.area.Bottom(), PaperY, plan,
      [&](const BarMark& mark, double y, double labelY, double size) {
        AddLine(page, {plan.inner.left, y}, {bend, y}, Stroke::Thin, Role::DimensionLine);
        AddLine(page, {bend, y}, {bend - kLeaderSlant, labelY}, Stroke::Thin, Role::DimensionLine);
        const double across = size * kDimensionLineSpacing;
        page.items.push_back(Text{{textRight - length, labelY - across / 2, length, across},
                                  mark.text,
                                  size,
                                  Align::Right,
                                  false,
                                  false,
                                  Role::DimensionValue});
      });
}

// A dimension line with slashed ends between two points on one axis.
void AddDimensionLine(Page& page, Point from, Point to) {
  AddLine(page, from, to, Stroke::Thin, Role::DimensionLine);
  for (const Point end : {from, to}) {
    AddLine(page, {end.x - kTickHalf, end.y + kTickHalf}, {end.x + kTickHalf, end.y - kTickHalf},
            Stroke::Normal, Role::DimensionLine);
  }
}

void AddInnerWidth(const GrillWindow& window, const DrawingPlan& plan, Unit unit, Page& page) {
  const double lineY = plan.outer.Bottom() + kSizeLineOffset;
  for (const double x : {plan.inner.left, plan.inner.Right()}) {
    AddLine(page, {x, plan.inner.Bottom()}, {x, lineY + kTickHalf}, Stroke::Thin,
            Role::DimensionLine);
  }
  AddDimensionLine(page, {plan.inner.left, lineY}, {plan.inner.Right(), lineY});
  const std::string text = "inner " + FormatPageLength(window.innerWidth, unit);
  const double width = EstimatedTextWidth(text, kDimensionTextSize);
  // Wider than the grill, it grows to the right: left of the outline are
  // the horizontal bars' values.
  const double left = Clamp(plan.inner.left + (plan.inner.width - width) / 2, plan.outer.left,
                            plan.area.Right() - width);
  page.items.push_back(Text{{left, lineY + 0.5, width, kDimensionTextSize * kDimensionLineSpacing},
                            text,
                            kDimensionTextSize,
                            Align::Centre,
                            false,
                            false,
                            Role::DimensionValue});
}

void AddInnerHeight(const GrillWindow& window, const DrawingPlan& plan, Unit unit, Page& page) {
  const double lineX = plan.outer.Right() + kSizeLineOffset;
  for (const double y : {plan.inner.top, plan.inner.Bottom()}) {
    AddLine(page, {plan.inner.Right(), y}, {lineX + kTickHalf, y}, Stroke::Thin,
            Role::DimensionLine);
  }
  AddDimensionLine(page, {lineX, plan.inner.Bottom()}, {lineX, plan.inner.top});
  const std::string text = "inner " + FormatPageLength(window.innerHeight, unit);
  const double length = EstimatedTextWidth(text, kDimensionTextSize);
  // Longer than the grill is high, it grows downwards: above the outline
  // are the vertical bars' values.
  const double top = Clamp(plan.inner.top + (plan.inner.height - length) / 2, plan.outer.top,
                           plan.area.Bottom() - length);
  page.items.push_back(Text{{lineX + 0.5, top, kDimensionTextSize * kDimensionLineSpacing, length},
                            text,
                            kDimensionTextSize,
                            Align::Centre,
                            true,
                            false,
                            Role::DimensionValue});
}

}  // namespace

DrawingPlan PlanDrawing(const GrillWindow& window, const Box& area, Unit unit) {
  DrawingPlan plan;
  plan.area = area;
  if (!IsPositiveFinite(window.innerWidth) || !IsPositiveFinite(window.innerHeight)) {
    return plan;
  }
  const double rimX = Rim(window.outerWidth, window.innerWidth);
  const double rimY = Rim(window.outerHeight, window.innerHeight);
  const double topBand = MarkBand(BarMarks(window.vertPos, window.vertCount, unit));
  const double leftBand = MarkBand(BarMarks(window.horzPos, window.horzCount, unit));
  const double roomX = area.width - leftBand - kSizeBand;
  const double roomY = area.height - topBand - kSizeBand;
  const double scale =
      std::min(roomX / (window.innerWidth + 2 * rimX), roomY / (window.innerHeight + 2 * rimY));
  if (!IsPositiveFinite(scale)) {
    return plan;
  }
  plan.drawable = true;
  plan.scale = scale;
  const double outerWidth = (window.innerWidth + 2 * rimX) * scale;
  const double outerHeight = (window.innerHeight + 2 * rimY) * scale;
  // Centred across the area; at the top of it, so that any room left over
  // gathers below the drawing.
  const double spare = area.width - leftBand - kSizeBand - outerWidth;
  plan.outer = {area.left + leftBand + spare / 2, area.top + topBand, outerWidth, outerHeight};
  plan.inner = {plan.outer.left + rimX * scale, plan.outer.top + rimY * scale,
                window.innerWidth * scale, window.innerHeight * scale};
  return plan;
}

void AddGrill(const GrillWindow& window, const DrawingPlan& plan, Page& page) {
  if (!plan.drawable) {
    return;
  }
  AddOutline(page, plan.outer, Stroke::Thin, Role::OuterOutline);
  AddOutline(page, plan.inner, Stroke::Normal, Role::InnerOutline);
  const double barWidth = window.barType != nullptr && IsPositiveFinite(window.barType->width)
                              ? window.barType->width * plan.scale
                              : 0.0;
  const int horzBars = BarCount(window.horzCount);
  const int vertBars = BarCount(window.vertCount);
  const auto finite = [](const PositionTable& table, int i) {
    return std::isfinite(table[Index(i)]);
  };
  for (int row = 0; row <= horzBars; ++row) {
    for (int bar = 1; bar <= vertBars; ++bar) {
      if (window.vertSegments[Index(row)][Index(bar)] == 1 && finite(window.vertPos, bar) &&
          finite(window.horzPos, row) && finite(window.horzPos, row + 1)) {
        const double x = PaperX(plan, window.vertPos[Index(bar)]);
        AddSegment(page, plan, {x, PaperY(plan, window.horzPos[Index(row)])},
                   {x, PaperY(plan, window.horzPos[Index(row + 1)])}, barWidth);
      }
    }
  }
  for (int bar = 1; bar <= horzBars; ++bar) {
    for (int column = 0; column <= vertBars; ++column) {
      if (window.horzSegments[Index(bar)][Index(column)] == 1 && finite(window.horzPos, bar) &&
          finite(window.vertPos, column) && finite(window.vertPos, column + 1)) {
        const double y = PaperY(plan, window.horzPos[Index(bar)]);
        AddSegment(page, plan, {PaperX(plan, window.vertPos[Index(column)]), y},
                   {PaperX(plan, window.vertPos[Index(column + 1)]), y}, barWidth);
      }
    }
  }
}

void AddDimensions(const GrillWindow& window, const DrawingPlan& plan, Unit unit, Page& page) {
  if (!plan.drawable) {
    return;
  }
  AddVertBarMarks(window, plan, unit, page);
  AddHorzBarMarks(window, plan, unit, page);
  AddInnerWidth(window, plan, unit, page);
  AddInnerHeight(window, plan, unit, page);
}

}  // namespace grill::print
