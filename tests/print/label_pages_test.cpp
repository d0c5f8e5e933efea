#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "PageChecks.h"
#include "print/Code128.h"
#include "print/LabelLayout.h"
#include "print/LabelPages.h"
#include "print/LabelSheets.h"

namespace grill::print {
namespace {

constexpr double kTolerance = 1e-9;

Box Shrunk(const Box& box) {
  return {box.left + kTolerance, box.top + kTolerance, box.width - 2 * kTolerance,
          box.height - 2 * kTolerance};
}

Box BoxOf(const Item& item) {
  if (const Rect* rect = std::get_if<Rect>(&item)) {
    return rect->box;
  }
  if (const Text* text = std::get_if<Text>(&item)) {
    return text->box;
  }
  const Line& line = std::get<Line>(item);
  return {std::min(line.from.x, line.to.x), std::min(line.from.y, line.to.y),
          std::fabs(line.to.x - line.from.x), std::fabs(line.to.y - line.from.y)};
}

PieceLabel Label(int group, int bar, int position) {
  const PiecePlace place{group, bar, position};
  return {place,
          PieceId(place),
          "Shop",
          "Kitchen",
          "Kitchen \u2014 vertical bar " + std::to_string(bar) + ", piece " +
              std::to_string(position) + " of 40",
          "34 3/4\" (883.0 mm)",
          "Bar GB, colours 01_07",
          "Stock bar 1 of 1, cut 1 of 1"};
}

std::vector<PieceLabel> ManyLabels(int count) {
  std::vector<PieceLabel> labels;
  for (int i = 0; i < count; ++i) {
    labels.push_back(Label(1 + i / 50, 1 + i / 5 % 10, 1 + i % 5));
  }
  return labels;
}

struct SheetCase {
  LabelSheet sheet;
  PaperSize paper;
  int perPage;
};

const SheetCase kSheetCases[] = {
    {LabelSheet::kA4Sheet, kA4, 24},
    {LabelSheet::kLetterSheet, kLetter, 30},
    {LabelSheet::kRoll62, {62.0, RollLabelHeight()}, 1},
};

// Which of the page's cells holds `box`; -1 for none.
int CellOf(const Box& box, const std::vector<Box>& cells) {
  for (std::size_t c = 0; c < cells.size(); ++c) {
    if (test::Inside(box, cells[c], kTolerance)) {
      return static_cast<int>(c);
    }
  }
  return -1;
}

TEST(LabelSheetsTest, GridsStayOnTheirPaperWithoutOverlapping) {
  for (const SheetCase& c : kSheetCases) {
    const SheetGrid grid = GridOf(c.sheet);
    EXPECT_DOUBLE_EQ(grid.paper.width, c.paper.width);
    EXPECT_DOUBLE_EQ(grid.paper.height, c.paper.height);
    const std::vector<Box> cells = LabelCells(grid);
    ASSERT_EQ(static_cast<int>(cells.size()), c.perPage);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      EXPECT_TRUE(test::Inside(cells[i], {0, 0, c.paper.width, c.paper.height}, kTolerance)) << i;
      for (std::size_t j = i + 1; j < cells.size(); ++j) {
        // Rows that touch may meet a rounding's width apart.
        EXPECT_FALSE(Shrunk(cells[i]).Overlaps(cells[j])) << i << " " << j;
      }
    }
  }
}

// Avery 5160: 2 5/8" × 1" labels at 2 3/4" and 1" pitch, 3/16" and 1/2" in.
TEST(LabelSheetsTest, LetterSheetHasAvery5160Pitch) {
  const std::vector<Box> cells = LabelCells(GridOf(LabelSheet::kLetterSheet));
  EXPECT_NEAR(cells[0].left, 4.7625, 1e-9);
  EXPECT_NEAR(cells[0].top, 12.7, 1e-9);
  EXPECT_NEAR(cells[0].width, 66.675, 1e-9);
  EXPECT_NEAR(cells[0].height, 25.4, 1e-9);
  EXPECT_NEAR(cells[1].left - cells[0].left, 69.85, 1e-9);
  EXPECT_NEAR(cells[3].top - cells[0].top, 25.4, 1e-9);
  EXPECT_NEAR(kLetter.width - cells[2].Right(), 4.7625, 1e-9);
  EXPECT_NEAR(kLetter.height - cells.back().Bottom(), 12.7, 1e-9);
}

TEST(LabelSheetsTest, NamesReadBack) {
  for (const LabelSheet sheet : AllLabelSheets()) {
    EXPECT_EQ(LabelSheetNamed(LabelSheetName(sheet)), sheet);
    EXPECT_FALSE(LabelSheetTitle(sheet).empty());
  }
  EXPECT_EQ(LabelSheetName(LabelSheet::kRoll62), "roll62");
  for (const char* bad : {"", "A4", "a5", "roll", "letter "}) {
    EXPECT_FALSE(LabelSheetNamed(bad)) << bad;
  }
}

// Every piece once, in plan order, each wholly inside one cell of the grid,
// the cells taken in turn.
TEST(LabelPagesTest, EveryPieceOnceInPlanOrderInsideTheGrid) {
  const std::vector<PieceLabel> labels = ManyLabels(61);
  for (const SheetCase& c : kSheetCases) {
    const std::vector<Page> pages = BuildLabelPages(labels, c.sheet);
    const std::size_t perPage = static_cast<std::size_t>(c.perPage);
    ASSERT_EQ(pages.size(), (labels.size() + perPage - 1) / perPage) << c.perPage;
    const std::vector<Box> cells = LabelCells(GridOf(c.sheet));
    std::vector<std::string> ids;
    for (std::size_t p = 0; p < pages.size(); ++p) {
      EXPECT_DOUBLE_EQ(pages[p].width, c.paper.width);
      EXPECT_DOUBLE_EQ(pages[p].height, c.paper.height);
      int lastCell = 0;
      for (const Item& item : pages[p].items) {
        const int cell = CellOf(BoxOf(item), cells);
        ASSERT_GE(cell, 0) << "page " << p << ": an item outside every label";
        EXPECT_GE(cell, lastCell) << "page " << p << ": cells out of turn";
        lastCell = cell;
        const Text* text = std::get_if<Text>(&item);
        if (text != nullptr && text->text == PieceId(labels[ids.size() % labels.size()].place)) {
          ids.push_back(text->text);
          EXPECT_EQ(static_cast<std::size_t>(cell), (ids.size() - 1) % perPage);
        }
      }
    }
    ASSERT_EQ(ids.size(), labels.size()) << c.perPage;
    for (std::size_t i = 0; i < labels.size(); ++i) {
      EXPECT_EQ(ids[i], labels[i].id);
    }
  }
}

// Each label holds its every line, at a size read without a lens, and a
// barcode of its id whose quiet zones lie clear of every other item.
TEST(LabelPagesTest, EachLabelHasItsTextAndAClearBarcode) {
  const PieceLabel label = Label(2, 7, 3);
  for (const SheetCase& c : kSheetCases) {
    const Page page = BuildLabelPages({label}, c.sheet).front();
    const Box cell = LabelCells(GridOf(c.sheet)).front();
    std::vector<std::string> texts;
    std::vector<Box> bars;
    std::vector<Box> others;
    for (const Item& item : page.items) {
      if (const Text* text = std::get_if<Text>(&item)) {
        texts.push_back(text->text);
        EXPECT_GE(text->size, 2.0) << text->text;
        EXPECT_LE(text->box.height, cell.height);
        others.push_back(text->box);
      } else if (const Rect* rect = std::get_if<Rect>(&item); rect && rect->role == Role::Barcode) {
        EXPECT_TRUE(rect->filled);
        bars.push_back(rect->box);
      } else {
        others.push_back(BoxOf(item));
      }
    }
    for (const std::string& line : std::vector<std::string>{
             label.piece, "Length " + label.length, label.stock, label.cut, "Job Shop", label.id}) {
      EXPECT_NE(std::find(texts.begin(), texts.end(), line), texts.end()) << line;
    }
    const std::optional<BarcodeModules> symbol = Code128Modules(label.id);
    ASSERT_TRUE(symbol);
    ASSERT_EQ(bars.size(), symbol->bars.size());
    const double module = bars.front().width / symbol->bars.front().width;
    EXPECT_GE(module, 0.19) << "too fine to scan";
    const double quiet = kCode128QuietZone * module;
    const Box zone{bars.front().left - quiet, bars.front().top, symbol->width * module + 2 * quiet,
                   bars.front().height};
    EXPECT_NEAR(bars.back().Right() - bars.front().left, symbol->width * module, 1e-9);
    EXPECT_GE(zone.height, 6.0);
    EXPECT_TRUE(test::Inside(zone, cell, kTolerance));
    for (const Box& other : others) {
      EXPECT_FALSE(other.Overlaps(zone));
    }
  }
}

TEST(LabelPagesTest, NoLabelsNoPages) {
  for (const SheetCase& c : kSheetCases) {
    EXPECT_TRUE(BuildLabelPages({}, c.sheet).empty());
  }
}

}  // namespace
}  // namespace grill::print
