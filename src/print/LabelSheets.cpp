#include "print/LabelSheets.h"

#include <algorithm>
#include <iterator>

#include "print/LabelLayout.h"

namespace grill::print {
namespace {

constexpr double kMillimetresPerInch = 25.4;

struct SheetEntry {
  LabelSheet sheet;
  const char* name;
  const char* title;
};

constexpr SheetEntry kSheets[] = {
    {LabelSheet::kA4Sheet, "a4", "A4, 3 \u00d7 8 labels (63.5 \u00d7 33.9 mm)"},
    {LabelSheet::kLetterSheet, "letter",
     "Letter, 3 \u00d7 10 labels (2 5/8 \u00d7 1 in, Avery 5160)"},
    {LabelSheet::kRoll62, "roll62", "Roll, 62 mm wide, one label per page"},
};

const SheetEntry& EntryOf(LabelSheet sheet) {
  return *std::find_if(std::begin(kSheets), std::end(kSheets),
                       [sheet](const SheetEntry& entry) { return entry.sheet == sheet; });
}

}  // namespace

std::vector<LabelSheet> AllLabelSheets() {
  std::vector<LabelSheet> sheets;
  for (const SheetEntry& entry : kSheets) {
    sheets.push_back(entry.sheet);
  }
  return sheets;
}

std::string LabelSheetName(LabelSheet sheet) {
  return EntryOf(sheet).name;
}

std::optional<LabelSheet> LabelSheetNamed(std::string_view name) {
  for (const SheetEntry& entry : kSheets) {
    if (name == entry.name) {
      return entry.sheet;
    }
  }
  return std::nullopt;
}

std::string LabelSheetTitle(LabelSheet sheet) {
  return EntryOf(sheet).title;
}

SheetGrid GridOf(LabelSheet sheet) {
  switch (sheet) {
    case LabelSheet::kA4Sheet:
      // Three columns 2.5 mm apart centred across the sheet, eight rows
      // touching, 12.9 mm above and below.
      return {kA4, 3, 8, {7.25, 12.9, 63.5, 33.9}, 66.0, 33.9};
    case LabelSheet::kLetterSheet: {
      // Avery 5160: 3/16" side margins, 1/2" top and bottom, 1/8" between
      // columns, rows touching.
      constexpr double in = kMillimetresPerInch;
      return {kLetter, 3, 10, {0.1875 * in, 0.5 * in, 2.625 * in, 1.0 * in}, 2.75 * in, 1.0 * in};
    }
    case LabelSheet::kRoll62: {
      const double height = RollLabelHeight();
      return {{62.0, height}, 1, 1, {0.0, 0.0, 62.0, height}, 62.0, height};
    }
  }
  return {};
}

std::vector<Box> LabelCells(const SheetGrid& grid) {
  std::vector<Box> cells;
  for (int row = 0; row < grid.rows; ++row) {
    for (int column = 0; column < grid.columns; ++column) {
      cells.push_back({grid.first.left + column * grid.columnPitch,
                       grid.first.top + row * grid.rowPitch, grid.first.width, grid.first.height});
    }
  }
  return cells;
}

}  // namespace grill::print
