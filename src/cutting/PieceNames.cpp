#include "cutting/PieceNames.h"

#include <algorithm>
#include <map>
#include <utility>

#include "model/Measurements.h"

namespace grill {
namespace {

std::string EdgeName(Edge edge, bool paired) {
  switch (edge) {
    case Edge::kTop:
      return paired ? "Top and bottom edge" : "Top edge";
    case Edge::kBottom:
      return paired ? "Bottom and top edge" : "Bottom edge";
    case Edge::kRight:
      return paired ? "Right and left edge" : "Right edge";
    case Edge::kLeft:
      return paired ? "Left and right edge" : "Left edge";
  }
  return {};
}

// Ascending numbers, runs of three or more as "1-4": "1 & 3", "1-4 & 6".
std::string NumberList(std::vector<int> numbers) {
  std::sort(numbers.begin(), numbers.end());
  std::string text;
  for (size_t first = 0; first < numbers.size();) {
    size_t last = first;
    while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1) {
      ++last;
    }
    if (!text.empty()) {
      text += " & ";
    }
    text += FormatInteger(numbers[first]);
    if (last >= first + 2) {
      text += "-" + FormatInteger(numbers[last]);
      first = last + 1;
    } else {
      first += 1;
    }
  }
  return text;
}

using BarKey = std::pair<Direction, int>;

std::map<BarKey, int> PiecesPerBar(const CutList& cutList) {
  std::map<BarKey, int> pieces;
  for (const CutGroup& group : cutList.groups) {
    for (const PieceOrigin& origin : group.origins) {
      if (const BarPiece* bar = std::get_if<BarPiece>(&origin)) {
        ++pieces[{bar->direction, bar->bar}];
      }
    }
  }
  return pieces;
}

std::string BarName(const CutGroup& group, const std::map<BarKey, int>& piecesPerBar) {
  const Direction direction = RunOf(group.Origin());
  // The group's pieces bar by bar, the bars in ascending order.
  std::map<int, std::vector<int>> pieces;
  for (const PieceOrigin& origin : group.origins) {
    const BarPiece& bar = std::get<BarPiece>(origin);
    pieces[bar.bar].push_back(bar.piece);
  }
  std::vector<int> wholeBars;
  std::string cutBars;
  for (const auto& [bar, numbers] : pieces) {
    if (piecesPerBar.at({direction, bar}) == 1) {
      wholeBars.push_back(bar);
      continue;
    }
    cutBars += (cutBars.empty() ? "" : " & ") + FormatInteger(bar) +
               (numbers.size() == 1 ? " piece " : " pieces ") + NumberList(numbers);
  }
  std::string list = NumberList(wholeBars);
  if (!cutBars.empty()) {
    list += (list.empty() ? "" : " & ") + cutBars;
  }
  return std::string(direction == Direction::kVertical ? "Vertical" : "Horizontal") +
         (pieces.size() == 1 ? " bar " : " bars ") + list;
}

}  // namespace

std::vector<std::string> PieceNames(const CutList& cutList) {
  const std::map<BarKey, int> piecesPerBar = PiecesPerBar(cutList);
  std::vector<std::string> names;
  for (const CutGroup& group : cutList.groups) {
    if (const Edge* edge = std::get_if<Edge>(&group.Origin())) {
      names.push_back(EdgeName(*edge, group.Count() > 1));
    } else {
      names.push_back(BarName(group, piecesPerBar));
    }
  }
  return names;
}

}  // namespace grill
