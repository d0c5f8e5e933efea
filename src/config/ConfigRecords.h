#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace grill {

// The cell of a tool code within a row of the tool map.
enum NotchDirection : int { UP = 0, DOWN = 1, LEFT = 2, RIGHT = 3, BOTH = 4, NONE = 5 };
// Row V (cells 0..5) serves vertical pieces, row H (cells 6..11) horizontal ones.
inline constexpr int kRowV = 0;
inline constexpr int kRowH = 6;

struct ToolMapEntry {
  std::string name;
  std::array<std::string, 12> toolCodes;
  double toolMeasurement = 0.0;

  const std::string& Code(int row, NotchDirection direction) const {
    return toolCodes[static_cast<size_t>(row + direction)];
  }
};

struct BarType {
  std::string name;
  std::string toolMapName;
  std::string code;
  std::uint8_t kind = 255;  // 0 G, 1 C, 2 P
  std::uint8_t unit = 255;  // 0 inches, 1 millimetres
  double width = -1.0;
  double height = -1.0;
  const ToolMapEntry* toolEntry = nullptr;
  // False for a line the reader rejected: its record keeps its place in the
  // list and the combo, but no lookup by name returns it.
  bool accepted = false;
};

struct EdgeType {
  std::string name;
  const ToolMapEntry* toolEntry = nullptr;
  std::string toolMapName;
  double SH = 0.0;
  double SO = 0.0;
  double WD = 0.0;
  double HD = 0.0;
};

struct ColorEntry {
  std::string code;
  std::string name;
};

// The four configuration lists, in file order. Built once at start-up and
// never changed afterwards, so designs may keep references into them.
struct Configuration {
  std::vector<BarType> barTypes;
  std::vector<EdgeType> edgeTypes;
  std::vector<ColorEntry> colors;
  std::vector<ToolMapEntry> toolMap;

  // Exact, case-sensitive lookups; the first match wins.
  const BarType* FindBarType(std::string_view name) const;
  const EdgeType* FindEdgeType(std::string_view name) const;
  const ColorEntry* FindColor(std::string_view name) const;
};

}  // namespace grill
