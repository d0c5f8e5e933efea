#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/PreDesign.h"

namespace grill {

struct BarType;
struct EdgeType;
struct ColorEntry;

// At most this many bars in each direction, so that a position table holds
// every bar plus the two edges and every segment index stays inside the tables.
inline constexpr int kMaxBars = 30;
inline constexpr int kTableSize = 32;

// A design is made at most this many times: a larger quantity is a slip of the keyboard,
// and would make cut files of gigabytes.
inline constexpr std::int32_t kMaxQuantity = 10000;

// The two directions of bars; every bar rule exists once for both.
enum class Axis { Horizontal, Vertical };

// What became of a bar insertion or removal.
enum class BarEdit { Done, Rejected, NoRoom };

using PositionTable = std::array<double, kTableSize>;
using SegmentTable = std::array<std::array<std::uint8_t, kTableSize>, kTableSize>;

// One window design. Lengths are millimetres, positions measured from the
// top-left corner of the grill area (inside the edge type).
struct GrillWindow {
  GrillWindow();

  std::int32_t quantity = 0;
  double innerHeight = 0.0;
  double innerWidth = 0.0;
  double outerHeight = 0.0;
  double outerWidth = 0.0;
  std::string name;
  std::int32_t horzCount = 0;
  std::int32_t vertCount = 0;
  // [row band h][vertical bar v]: 1 when bar v has its segment in band h.
  SegmentTable vertSegments;
  // [horizontal bar h][column band v]: 1 when bar h has its segment in band v.
  SegmentTable horzSegments;
  // [0] = 0 (top edge), [1..horzCount] the bars, [horzCount+1] = innerHeight.
  PositionTable horzPos{};
  // [0] = 0 (left edge), [1..vertCount] the bars, [vertCount+1] = innerWidth.
  PositionTable vertPos{};
  // References into the configuration, which outlives every design.
  const BarType* barType = nullptr;
  const EdgeType* edgeType = nullptr;
  const ColorEntry* insideColor = nullptr;
  const ColorEntry* outsideColor = nullptr;
  // The predesign the design was laid out by; unknown for designs of job
  // files from before it was kept.
  std::optional<PreDesign> preDesign;

  BarEdit InsertHorzBar(double position);
  BarEdit InsertVertBar(double position);
  BarEdit RemoveHorzBar(int barNumber);
  BarEdit RemoveVertBar(int barNumber);
  // Centres the other design's bar pattern on this design's size when both
  // have the same non-zero number of bars in that direction.
  void AlignHorzTo(const GrillWindow& other);
  void AlignVertTo(const GrillWindow& other);

  bool operator==(const GrillWindow&) const = default;
};

}  // namespace grill
