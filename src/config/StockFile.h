#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/StockField.h"
#include "platform/Files.h"

namespace grill {

inline constexpr std::string_view kStockFileName = "Stock.txt";
// The remnants and bars on hand (model/Inventory), beside Stock.txt.
inline constexpr std::string_view kInventoryFileName = "Inventory.txt";

// The lengths, in millimetres, one bar type (by its code) or edge type (by its
// name) is bought in, each with its bars on hand and price when given.
struct StockEntry {
  std::string key;
  std::vector<StockItem> lengths;
};

// The saw's allowances in millimetres: the cut's width, what is cut off each
// end of a stock bar, and the shortest rest worth keeping.
struct SawValues {
  double kerf = 0.0;
  double trimHead = 0.0;
  double trimTail = 0.0;
  double minOffcut = 0.0;
};

// What Stock.txt holds: section `stock`, lines `KEY, LENGTH[, LENGTH...];`,
// each length optionally followed by ` x COUNT` and ` @ PRICE` (ReadStockField),
// and section `saw`, `KERF=…, TRIMHEAD=…, TRIMTAIL=…, MINOFFCUT=…;`.
struct StockFile {
  std::vector<StockEntry> stock;  // one entry per key, in file order
  SawValues saw;

  // The lengths given for `key`, or null.
  const std::vector<StockItem>* LengthsFor(std::string_view key) const;
};

struct StockReading {
  // Empty when there is no file to read.
  std::optional<StockFile> file;
  // Notes on malformed lines and sections, one line each.
  std::vector<std::string> notes;
};

// Stock.txt in the folder of the configuration file `configPath`.
std::string StockPathBeside(const std::string& configPath);
// Inventory.txt in the same folder.
std::string InventoryPathBeside(const std::string& configPath);

// Reads Stock.txt from `path` with MenuConfig.txt's reader. A malformed line
// is left out whole and noted. A length that is unreadable, negative or
// beyond kLongestConfigLength (a stock length also when 0), or a count or
// price ReadStockField refuses, is a Config Error note, and its line is not
// used: a stock line gives no stock, a saw line
// none of its values (they keep the earlier lines' or their default of 0).
// A saw key given twice is noted; the later value counts.
StockReading ReadStockFile(Files& files, const std::string& path);

}  // namespace grill
