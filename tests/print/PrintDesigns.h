#pragma once

#include <string>
#include <vector>

#include "config/ConfigRecords.h"
#include "model/GrillWindow.h"
#include "print/CutTable.h"
#include "print/PageItems.h"

namespace grill::test {

// The configuration records the sample designs refer to.
struct PrintConfig {
  BarType georgian{
      "Georgian, 5/8 x 3/4 i", "PROFILE1", "GEO58", 0, 0, 19.05, 15.875, nullptr, true};
  BarType lineBar{"Flat line", "PROFILE1", "FL", 0, 1, -1.0, -1.0, nullptr, true};
  EdgeType flat{"Flat", nullptr, "EDGE1", 12.7, 3.175, 3.0, 3.0};
  ColorEntry white{"WH", "White"};
  ColorEntry sandstone{"SS", "Sandstone"};
};

// A design of the given inner size inside an edge of 15.875 mm, bars at the
// given positions (mm), every segment present.
inline GrillWindow MakePrintDesign(const PrintConfig& config, std::string name, double width,
                                   double height, const std::vector<double>& horzBars,
                                   const std::vector<double>& vertBars) {
  GrillWindow window;
  window.name = std::move(name);
  window.quantity = 2;
  window.innerWidth = width;
  window.innerHeight = height;
  window.outerWidth = width + 2 * 15.875;
  window.outerHeight = height + 2 * 15.875;
  window.horzCount = static_cast<int>(horzBars.size());
  window.vertCount = static_cast<int>(vertBars.size());
  for (size_t i = 0; i < horzBars.size(); ++i) {
    window.horzPos[i + 1] = horzBars[i];
  }
  for (size_t i = 0; i < vertBars.size(); ++i) {
    window.vertPos[i + 1] = vertBars[i];
  }
  window.horzPos[horzBars.size() + 1] = height;
  window.vertPos[vertBars.size() + 1] = width;
  window.barType = &config.georgian;
  window.edgeType = &config.flat;
  window.insideColor = &config.white;
  window.outsideColor = &config.sandstone;
  return window;
}

// `count` bars spread evenly over `span`.
inline std::vector<double> EvenBars(int count, double span) {
  std::vector<double> bars;
  for (int i = 1; i <= count; ++i) {
    bars.push_back(span * i / (count + 1));
  }
  return bars;
}

// A cut list of the shape the export gives: four edges, then bar pieces
// notched where the other direction's bars cross them.
inline print::CutTable MakeCutTable(const GrillWindow& window) {
  print::CutTable table;
  const auto notches = [](const PositionTable& pos, int count, const char* code) {
    std::vector<print::CutNotch> result;
    for (int i = 1; i <= count; ++i) {
      result.push_back({pos[static_cast<size_t>(i)], code});
    }
    return result;
  };
  table.push_back({print::PieceKind::Edge, "Top and bottom edge", window.innerWidth, 2,
                   notches(window.vertPos, window.vertCount, "11")});
  table.push_back({print::PieceKind::Edge, "Left and right edge", window.innerHeight, 2,
                   notches(window.horzPos, window.horzCount, "21")});
  if (window.vertCount > 0) {
    table.push_back({print::PieceKind::Bar, "Vertical bars", window.innerHeight, window.vertCount,
                     notches(window.horzPos, window.horzCount, "15")});
  }
  if (window.horzCount > 0) {
    table.push_back({print::PieceKind::Bar, "Horizontal bars", window.innerWidth, window.horzCount,
                     notches(window.vertPos, window.vertCount, "25")});
  }
  return table;
}

template <typename T>
std::vector<T> ItemsOf(const print::Page& page) {
  std::vector<T> found;
  for (const print::Item& item : page.items) {
    if (const T* typed = std::get_if<T>(&item)) {
      found.push_back(*typed);
    }
  }
  return found;
}

}  // namespace grill::test
