#include "print/PlanPicture.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "model/Measurements.h"
#include "print/PageText.h"

namespace grill::print {
namespace {

constexpr double kTextPadding = 0.4;  // between a segment's edge and its text
constexpr double kHatchSpacing = 1.5;

bool SamePieces(const std::vector<cutplan::CutPiece>& a, const std::vector<cutplan::CutPiece>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const cutplan::CutPiece& x, const cutplan::CutPiece& y) {
                      return x.length == y.length && x.label == y.label;
                    });
}

// Groups of bar indices drawn alike, in the order of their first bar.
std::vector<std::vector<std::size_t>> AlikeBars(const std::vector<cutplan::StockBar>& bars) {
  std::vector<std::vector<std::size_t>> groups;
  for (std::size_t i = 0; i < bars.size(); ++i) {
    const auto same = std::find_if(groups.begin(), groups.end(), [&](const auto& group) {
      return DrawnAlike(bars[group.front()], bars[i]);
    });
    if (same != groups.end()) {
      same->push_back(i);
    } else {
      groups.push_back({i});
    }
  }
  return groups;
}

// "1", "2–4" or "1, 3–5": the bars' numbers (one more than their indices).
std::string BarNumbers(const std::vector<std::size_t>& bars) {
  std::string words;
  for (std::size_t i = 0; i < bars.size();) {
    std::size_t last = i;
    while (last + 1 < bars.size() && bars[last + 1] == bars[last] + 1) {
      ++last;
    }
    words += (words.empty() ? "" : ", ") + std::to_string(bars[i] + 1);
    if (last > i) {
      words += (last == i + 1 ? ", " : "–") + std::to_string(bars[last] + 1);
    }
    i = last + 1;
  }
  return words;
}

// The first of `candidates` that fits `width` at `size`, or nothing.
std::string Fitting(const std::vector<std::string>& candidates, double width, double size) {
  for (const std::string& text : candidates) {
    if (EstimatedTextWidth(text, size) <= width) {
      return text;
    }
  }
  return {};
}

class StripDrawing {
 public:
  StripDrawing(const SawValues& saw, PlanUnits units, const PictureStyle& style, double scale,
               Box strip, std::vector<Item>& items)
      : saw_(saw), units_(units), style_(style), scale_(scale), strip_(strip), items_(items) {}

  void Draw(const cutplan::StockBar& bar) {
    stock_ = std::max(0.0, bar.stockLength);
    Add(Rect{Span(0.0, bar.stockLength), false, Stroke::Thin, Role::PlanBar});
    double at = 0.0;
    AddTrim(at, saw_.trimHead);
    at += saw_.trimHead;
    for (std::size_t i = 0; i < bar.pieces.size(); ++i) {
      if (i > 0) {
        at += saw_.kerf;
      }
      AddPiece(Span(at, bar.pieces[i].length), bar.pieces[i]);
      at += bar.pieces[i].length;
    }
    AddRest(Span(at, bar.rest), bar.restKind);
    AddTrim(bar.stockLength - saw_.trimTail, saw_.trimTail);
  }

 private:
  // The strip's stretch from `from` (mm of stock from its head) for
  // `length`, never past the bar's ends, whatever the plan says.
  Box Span(double from, double length) const {
    const double start = std::clamp(from, 0.0, stock_);
    const double end = std::clamp(from + std::max(0.0, length), start, stock_);
    return {strip_.left + start * scale_, strip_.top, (end - start) * scale_, strip_.height};
  }

  void AddTrim(double from, double length) {
    if (length > 0.0) {
      Add(Rect{Span(from, length), true, Stroke::Thin, Role::PlanTrim});
    }
  }

  // The length on the upper line and the design below it, each where it
  // fits; the design never without the length.
  void AddPiece(const Box& box, const cutplan::CutPiece& piece) {
    Add(Rect{box, true, Stroke::Thin, Role::PlanPiece});
    const double size = style_.textSize;
    const double lineHeight = size * kLineSpacing;
    const double room = box.width - 2 * kTextPadding;
    const std::string length =
        Fitting({FormatPlanLength(piece.length, units_), FormatJobLength(piece.length, units_.job)},
                room, size);
    if (length.empty() || room <= 0.0) {
      return;
    }
    std::vector<std::string> lines{length};
    if (std::string design = Fitting({piece.label}, room, size); !design.empty()) {
      lines.push_back(std::move(design));
    }
    double top = box.top + (box.height - static_cast<double>(lines.size()) * lineHeight) / 2;
    for (std::string& line : lines) {
      Add(Text{{box.left + kTextPadding, top, room, lineHeight},
               std::move(line),
               size,
               Align::Centre,
               false,
               false,
               Role::PlanPiece});
      top += lineHeight;
    }
  }

  void AddRest(const Box& box, cutplan::RestKind kind) {
    if (box.width <= 0.0) {
      return;
    }
    if (kind == cutplan::RestKind::Waste) {
      Add(Rect{box, true, Stroke::Thin, Role::PlanWaste});
      return;
    }
    Add(Rect{box, false, Stroke::Thin, Role::PlanOffcut});
    AddHatch(box);
  }

  // Lines rising to the right, each cut off where it meets the box's sides.
  void AddHatch(const Box& box) {
    const double h = box.height;
    for (double start = box.left - h + kHatchSpacing / 2; start < box.Right();
         start += kHatchSpacing) {
      const double fromX = std::max(start, box.left);
      const double toX = std::min(start + h, box.Right());
      if (toX - fromX <= 1e-9) {
        continue;
      }
      // Made in place: through a temporary Item, GCC 12 warns of a string
      // the Line has not got.
      items_.emplace_back(
          std::in_place_type<Line>,
          Line{Point{fromX, box.Bottom() - (fromX - start)},
               Point{toX, box.Bottom() - (toX - start)}, Stroke::Thin, Role::PlanOffcut});
    }
  }

  void Add(Item item) { items_.push_back(std::move(item)); }

  const SawValues& saw_;
  PlanUnits units_;
  const PictureStyle& style_;
  double scale_;
  Box strip_;
  std::vector<Item>& items_;
  double stock_ = 0.0;
};

DrawnBar DrawRow(const cutplan::GroupPlan& plan, std::vector<std::size_t> bars,
                 const SawValues& saw, PlanUnits units, double width, double scale,
                 const PictureStyle& style) {
  DrawnBar drawn;
  drawn.row = {0.0, 0.0, width, style.stripHeight};
  drawn.strip = {style.numberWidth, 0.0,
                 std::max(0.0, width - style.numberWidth - style.countWidth), style.stripHeight};
  const double lineHeight = style.textSize * kLineSpacing;
  const double textTop = (style.stripHeight - lineHeight) / 2;
  drawn.items.push_back(Text{{0.0, textTop, style.numberWidth - 1.0, lineHeight},
                             BarNumbers(bars),
                             style.textSize,
                             Align::Right,
                             false,
                             false,
                             Role::Label});
  StripDrawing(saw, units, style, scale, drawn.strip, drawn.items).Draw(plan.bars[bars.front()]);
  if (bars.size() > 1) {
    drawn.items.push_back(
        Text{{drawn.strip.Right() + 1.0, textTop, style.countWidth - 1.0, lineHeight},
             "× " + FormatInteger(static_cast<std::int64_t>(bars.size())),
             style.textSize,
             Align::Left,
             false,
             true,
             Role::Label});
  }
  drawn.bars = std::move(bars);
  return drawn;
}

}  // namespace

bool DrawnAlike(const cutplan::StockBar& a, const cutplan::StockBar& b) {
  return a.stockLength == b.stockLength && a.restKind == b.restKind &&
         SamePieces(a.pieces, b.pieces);
}

double PictureScale(const cutplan::GroupPlan& plan, double width, const PictureStyle& style) {
  double longest = 0.0;
  for (const cutplan::StockBar& bar : plan.bars) {
    longest = std::max(longest, bar.stockLength);
  }
  const double strip = width - style.numberWidth - style.countWidth;
  return longest > 0.0 && strip > 0.0 ? strip / longest : 0.0;
}

std::vector<DrawnBar> DrawPlanPicture(const cutplan::GroupPlan& plan, const SawValues& saw,
                                      PlanUnits units, double width, const PictureStyle& style) {
  const double scale = PictureScale(plan, width, style);
  std::vector<std::vector<std::size_t>> alike = AlikeBars(plan.bars);
  std::vector<DrawnBar> rows;
  rows.reserve(alike.size());
  for (std::vector<std::size_t>& bars : alike) {
    rows.push_back(DrawRow(plan, std::move(bars), saw, units, width, scale, style));
  }
  return rows;
}

void AddPlanPicture(PageFlow& flow, const cutplan::GroupPlan& plan, const SawValues& saw,
                    PlanUnits units, const std::string& title) {
  constexpr double kHeadingSize = 2.8;
  const PictureStyle style;
  for (const DrawnBar& row : DrawPlanPicture(plan, saw, units, flow.Width(), style)) {
    if (flow.MakeRoom(style.RowHeight())) {
      const double headingHeight = kHeadingSize * kLineSpacing;
      flow.Add(Text{{flow.left, flow.y, flow.Width(), headingHeight},
                    title + " (continued)",
                    kHeadingSize,
                    Align::Left,
                    false,
                    true,
                    Role::Label});
      flow.y += headingHeight + style.rowGap;
    }
    for (Item& item : Placed(row.items, {flow.left, flow.y})) {
      flow.Add(std::move(item));
    }
    flow.y += style.RowHeight();
  }
}

Box Placed(const Box& box, Point offset) {
  return {box.left + offset.x, box.top + offset.y, box.width, box.height};
}

std::vector<Item> Placed(const std::vector<Item>& items, Point offset) {
  const auto move = [offset](Point p) { return Point{p.x + offset.x, p.y + offset.y}; };
  std::vector<Item> placed;
  placed.reserve(items.size());
  for (Item item : items) {
    if (auto* line = std::get_if<Line>(&item)) {
      line->from = move(line->from);
      line->to = move(line->to);
    } else if (auto* rect = std::get_if<Rect>(&item)) {
      rect->box = Placed(rect->box, offset);
    } else if (auto* text = std::get_if<Text>(&item)) {
      text->box = Placed(text->box, offset);
    }
    placed.push_back(std::move(item));
  }
  return placed;
}

}  // namespace grill::print
