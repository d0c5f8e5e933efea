#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "app/PlanTable.h"
#include "print/PlanPictureSheet.h"

namespace grill {

// The cutting plan window's table and picture select each other: a row
// picks the strip that draws its bar (one strip may draw several alike
// bars), a strip the first row of the first bar it draws.

// The strip of `sheet` drawing the bar of table row `row`; none for a row
// that holds no piece.
std::optional<std::size_t> StripOfRow(const print::PictureSheet& sheet,
                                      const std::vector<PlanWindowRow>& rows, std::size_t row);

// The first table row of the first bar strip `strip` draws.
std::optional<std::size_t> FirstRowOfStrip(const print::PictureSheet& sheet,
                                           const std::vector<PlanWindowRow>& rows,
                                           std::size_t strip);

}  // namespace grill
