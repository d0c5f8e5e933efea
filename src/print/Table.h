#pragma once

#include <string>
#include <vector>

#include "print/PageFlow.h"

namespace grill::print {

struct TableColumn {
  std::string heading;
  double share = 1.0;  // of the table's width, relative to the other columns
  Align align = Align::Left;
};

// A cell's text in parts: the parts are joined with ", " and a cell too long
// for its column wraps between parts onto further lines of its row.
using TableCell = std::vector<std::string>;
using TableRow = std::vector<TableCell>;

struct TableStyle {
  double textSize = 2.6;
  double padding = 0.8;  // around the text of each cell
};

// Sets `title`, the heading row and the rows below each other in `flow`,
// breaking onto new pages between rows and repeating the heading row on each.
void AddTable(PageFlow& flow, const std::string& title, const std::vector<TableColumn>& columns,
              const std::vector<TableRow>& rows, const TableStyle& style = {});

// The height AddTable takes when every row fits on one page of `width`.
double TableHeight(double width, const std::vector<TableColumn>& columns,
                   const std::vector<TableRow>& rows, const TableStyle& style = {});

}  // namespace grill::print
