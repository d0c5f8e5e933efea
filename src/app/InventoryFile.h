#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Inventory.h"
#include "platform/Files.h"

namespace grill {

// Far more than any shop's racks: a larger file is not an inventory.
inline constexpr std::int64_t kInventoryFileLimit = 4 * 1024 * 1024;

struct InventoryFileReading {
  Inventory inventory;
  // Notes on the lines left out, each "line N: ...", or why the file was
  // not read at all.
  std::vector<std::string> notes;
  // The file's bytes as read, or none when there is no file: what an undo
  // puts back.
  std::optional<std::string> bytes;
  // False for a file that is there but could not be read whole: it must not
  // be written over.
  bool readable = true;
};

// The inventory at `path`; without a file an empty one. A file that cannot
// be read whole, or is larger than kInventoryFileLimit, counts as empty
// with a note, and is not readable.
InventoryFileReading ReadInventoryFile(Files& files, const std::string& path);

// Writes `bytes` to `path` in one step (ReplaceFile): the file holds either
// its old content or all of the new. The system's reason on failure.
std::optional<std::string> WriteInventoryFile(Files& files, const std::string& path,
                                              const std::string& bytes);

}  // namespace grill
