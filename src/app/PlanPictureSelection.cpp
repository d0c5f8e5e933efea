#include "app/PlanPictureSelection.h"

#include <algorithm>

namespace grill {

std::optional<std::size_t> StripOfRow(const print::PictureSheet& sheet,
                                      const std::vector<PlanWindowRow>& rows, std::size_t row) {
  if (row >= rows.size() || !rows[row].place) {
    return std::nullopt;
  }
  return print::SheetBarOf(sheet, rows[row].place->group, rows[row].place->bar);
}

std::optional<std::size_t> FirstRowOfStrip(const print::PictureSheet& sheet,
                                           const std::vector<PlanWindowRow>& rows,
                                           std::size_t strip) {
  if (strip >= sheet.bars.size() || sheet.bars[strip].bars.empty()) {
    return std::nullopt;
  }
  const std::size_t group = sheet.bars[strip].group;
  const std::size_t bar = sheet.bars[strip].bars.front();
  const auto found = std::find_if(rows.begin(), rows.end(), [&](const PlanWindowRow& row) {
    return row.place && row.place->group == group && row.place->bar == bar;
  });
  if (found == rows.end()) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(found - rows.begin());
}

}  // namespace grill
