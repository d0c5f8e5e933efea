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

// "bar 2", "bars 1 & 3", "bar 1 pieces 1 & 2", "bars 1-3 pieces 1 & 2".
std::string BarsText(const std::vector<int>& bars, const std::vector<int>& pieces) {
  std::string text = (bars.size() == 1 ? "bar " : "bars ") + NumberList(bars);
  if (!pieces.empty()) {
    text += (pieces.size() == 1 ? " piece " : " pieces ") + NumberList(pieces);
  }
  return text;
}

// Bars cut into the same pieces share one mention: "Horizontal bars 1-3
// pieces 1 & 2"; bars cut otherwise follow after a semicolon.
std::string BarName(const CutGroup& group, const std::map<BarKey, int>& piecesPerBar) {
  const Direction direction = RunOf(group.Origin());
  // The group's pieces bar by bar, the bars in ascending order.
  std::map<int, std::vector<int>> pieces;
  for (const PieceOrigin& origin : group.origins) {
    const BarPiece& bar = std::get<BarPiece>(origin);
    pieces[bar.bar].push_back(bar.piece);
  }
  // The bars of each set of pieces, sets in the order of their first bar; a
  // bar left whole has the empty set.
  std::vector<std::pair<std::vector<int>, std::vector<int>>> mentions;
  for (auto& [bar, numbers] : pieces) {
    std::sort(numbers.begin(), numbers.end());
    std::vector<int> cut = piecesPerBar.at({direction, bar}) == 1 ? std::vector<int>{} : numbers;
    const auto same = std::find_if(mentions.begin(), mentions.end(),
                                   [&cut](const auto& mention) { return mention.second == cut; });
    if (same != mentions.end()) {
      same->first.push_back(bar);
    } else {
      mentions.push_back({{bar}, std::move(cut)});
    }
  }
  std::string name = direction == Direction::kVertical ? "Vertical " : "Horizontal ";
  for (std::size_t i = 0; i < mentions.size(); ++i) {
    name += (i == 0 ? "" : "; ") + BarsText(mentions[i].first, mentions[i].second);
  }
  return name;
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
