#pragma once

#include <string>
#include <variant>
#include <vector>

namespace grill::print {

// Every coordinate of a page is in millimetres of paper, measured from the
// page's top-left corner, y growing downwards.
struct Point {
  double x = 0.0;
  double y = 0.0;
};

struct Box {
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;

  double Right() const { return left + width; }
  double Bottom() const { return top + height; }
  // True when the two boxes share some area (touching edges do not count).
  bool Overlaps(const Box& other) const {
    return left < other.Right() && other.left < Right() && top < other.Bottom() &&
           other.top < Bottom();
  }
};

// What an item shows, so that tests and painters can tell the parts apart.
enum class Role {
  Frame,           // title block and table rulings, page furniture
  OuterOutline,    // the window's outside size
  InnerOutline,    // the grill area
  Bar,             // a bar segment, a line or a filled rectangle
  DimensionLine,   // extension, leader and dimension lines
  DimensionValue,  // a bar position or an inner size written on the drawing
  Label,           // captions, headings and field names
  Value,           // field values and table cells
  PlanBar,         // a stock bar of the plan's picture, its outline to scale
  PlanPiece,       // a piece cut from it: its segment and the texts inside
  PlanTrim,        // the stock trimmed off at its head or tail
  PlanOffcut,      // the rest kept as an offcut: its outline and hatching
  PlanWaste,       // the rest thrown away
  Barcode,         // a barcode's dark module run, filled black to its very edges
};

enum class Stroke { Thin, Normal, Thick };

struct Line {
  Point from;
  Point to;
  Stroke stroke = Stroke::Normal;
  Role role = Role::Frame;
};

// A rectangle drawn as an outline, or filled: a bar in grey and a barcode's
// run in black without an outline, anything else (a table's heading row)
// shaded inside its outline.
struct Rect {
  Box box;
  bool filled = false;
  Stroke stroke = Stroke::Normal;
  Role role = Role::Frame;
};

enum class Align { Left, Centre, Right };

// A single line of text set inside `box`, which it never leaves: a painter
// shrinks a text wider than its box. `size` is the height of the font's em in
// millimetres. A vertical text runs from the bottom of its box to the top;
// `box` is then its footprint on the page and the text's length runs along
// the box's height.
struct Text {
  Box box;
  std::string text;
  double size = 3.0;
  Align align = Align::Left;
  bool vertical = false;
  bool bold = false;
  Role role = Role::Value;
};

using Item = std::variant<Line, Rect, Text>;

struct Page {
  double width = 0.0;
  double height = 0.0;
  std::vector<Item> items;
};

}  // namespace grill::print
