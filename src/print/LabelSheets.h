#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "print/PageItems.h"
#include "print/Paper.h"

namespace grill::print {

// The label stock a job's piece labels are printed on.
enum class LabelSheet {
  kA4Sheet,      // A4, 3 × 8 labels of 63.5 × 33.9 mm
  kLetterSheet,  // Letter, 3 × 10 labels of 2 5/8" × 1" (Avery 5160)
  kRoll62,       // a 62 mm roll: one label per page, as long as its content
};

// Every sheet, in the order a choice lists them.
std::vector<LabelSheet> AllLabelSheets();

// The short name the command line takes: "a4", "letter", "roll62".
std::string LabelSheetName(LabelSheet sheet);
std::optional<LabelSheet> LabelSheetNamed(std::string_view name);

// The sheet in words for a choice: "A4, 3 × 8 labels (63.5 × 33.9 mm)".
std::string LabelSheetTitle(LabelSheet sheet);

// Where a page of a sheet has its labels.
struct SheetGrid {
  PaperSize paper;
  int columns = 1;
  int rows = 1;
  Box first;  // the top-left label
  double columnPitch = 0.0;
  double rowPitch = 0.0;

  int LabelsPerPage() const { return columns * rows; }
};

// The grid of a sheet; a roll's is one label per page of the roll's width.
SheetGrid GridOf(LabelSheet sheet);

// The page's labels, row by row from the top left.
std::vector<Box> LabelCells(const SheetGrid& grid);

}  // namespace grill::print
