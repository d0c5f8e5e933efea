#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grill {

// What the shop holds beyond Stock.txt's lengths: the offcuts kept from
// earlier jobs, per bar key and colour set, and, once a plan has been taken
// from stock, the bars left on hand per key and length. Lengths in
// millimetres.
struct RemnantEntry {
  std::string key;
  std::string colors;
  double length = 0.0;
  int count = 0;

  friend bool operator==(const RemnantEntry&, const RemnantEntry&) = default;
};

struct OnHandEntry {
  std::string key;
  double length = 0.0;
  int count = 0;

  friend bool operator==(const OnHandEntry&, const OnHandEntry&) = default;
};

struct Inventory {
  std::vector<OnHandEntry> onHand;
  std::vector<RemnantEntry> remnants;

  friend bool operator==(const Inventory&, const Inventory&) = default;
};

// The longest length and the largest count a line may give: beyond them
// the line is a slip, not a bar.
inline constexpr double kLongestInventoryLength = 10'000.0;
inline constexpr int kMostInventoryBars = 100'000;

struct InventoryReading {
  Inventory inventory;
  // One line each: "line 4: ..." for every line left out.
  std::vector<std::string> notes;
};

// Reads the inventory's text, line by line (LF or CR LF):
//   onhand KEY LENGTH COUNT
//   remnant KEY COLORS LENGTH COUNT
// words separated by blanks or tabs, lengths as decimals with '.' whatever
// the locale, above 0 and at most kLongestInventoryLength; counts whole, 0
// to kMostInventoryBars. Blank lines and lines starting with '#' are
// skipped; any other line is noted and left out, never the whole file. A
// remnant given on several lines adds up; an onhand line for a key and
// length given before replaces the earlier one, with a note.
InventoryReading ReadInventory(std::string_view text);

// The text ReadInventory reads back as `inventory`: a comment heading, then
// the onhand lines and the remnant lines in their order, each length in as
// few digits as read back exactly. Remnants of count 0 are left out.
std::string WriteInventory(const Inventory& inventory);

// A key or colour set the file can hold: not empty, without blanks or
// control characters, not starting with '#'.
bool IsInventoryWord(std::string_view word);

}  // namespace grill
