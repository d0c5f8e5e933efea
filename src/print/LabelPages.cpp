#include "print/LabelPages.h"

#include "print/LabelLayout.h"

namespace grill::print {

std::vector<Page> BuildLabelPages(const std::vector<PieceLabel>& labels, LabelSheet sheet) {
  const SheetGrid grid = GridOf(sheet);
  const std::vector<Box> cells = LabelCells(grid);
  std::vector<Page> pages;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const std::size_t cell = i % cells.size();
    if (cell == 0) {
      pages.push_back({grid.paper.width, grid.paper.height, {}});
    }
    AddPieceLabel(labels[i], cells[cell], pages.back());
  }
  return pages;
}

}  // namespace grill::print
